<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ja_JP">
<context>
    <name>Luminak</name>
    <message>
        <source>棋譜 (*.kif *.kifu *.棋譜)</source>
        <translation>Records (*.kif *.kifu *.棋譜)</translation>
    </message>
    <message>
        <source>開始局面</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>悪手</source>
        <translation>Blunder</translation>
    </message>
    <message>
        <source>疑問手</source>
        <translation>Dubious</translation>
    </message>
    <message>
        <source>手数</source>
        <translation>Ply</translation>
    </message>
    <message>
        <source>形勢（下の対局者から）</source>
        <translation>Score (lower player's view)</translation>
    </message>
    <message>
        <source>LEVEL4 が局面を解析しています…</source>
        <translation>LEVEL4 is analysing the positions…</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>駒</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>漢字</source>
        <translation>Kanji</translation>
    </message>
    <message>
        <source>国際</source>
        <translation>International (moves shown)</translation>
    </message>
    <message>
        <source>入門</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>初級</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>中級</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <source>上級</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>最強</source>
        <translation>Strongest</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Sente (Black)</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Gote (White)</translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation>Computer's level</translation>
    </message>
    <message>
        <source>LEVEL1</source>
        <translation>Level 1</translation>
    </message>
    <message>
        <source>LEVEL2</source>
        <translation>Level 2</translation>
    </message>
    <message>
        <source>LEVEL3</source>
        <translation>Level 3</translation>
    </message>
    <message>
        <source>LEVEL4</source>
        <translation>Level 4</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>End</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Back to the start</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Turn the board</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>▲</source>
        <translation>▲</translation>
    </message>
    <message>
        <source>▼</source>
        <translation>▼</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>書込</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>背景画</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green felt</translation>
    </message>
    <message>
        <source>畳</source>
        <translation>Tatami</translation>
    </message>
    <message>
        <source>竹</source>
        <translation>Bamboo</translation>
    </message>
    <message>
        <source>宇宙</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>煉瓦</source>
        <translation>Brick</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Move guidance</translation>
    </message>
    <message>
        <source>経過時間</source>
        <translation>Elapsed time</translation>
    </message>
    <message>
        <source>BGM</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>演出短縮</source>
        <translation>Shorter effects</translation>
    </message>
    <message>
        <source>棋譜表示</source>
        <translation>Move list</translation>
    </message>
    <message>
        <source>形勢表示</source>
        <translation>Score bar</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>局面をコピー</source>
        <translation>Copy position (SFEN)</translation>
    </message>
    <message>
        <source>解析</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>KIF書出</source>
        <translation>Export KIF</translation>
    </message>
    <message>
        <source>KIF読込</source>
        <translation>Import KIF</translation>
    </message>
    <message>
        <source>棋譜をコピー</source>
        <translation>Copy record</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <translation>Language / 言語</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Vexa ルミナーク将棋</source>
        <translation>Vexa Luminak Shogi</translation>
    </message>
    <message>
        <source>形勢</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>対 局 名：</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>先    手 ：</source>
        <translation>Sente:</translation>
    </message>
    <message>
        <source>後    手 ：</source>
        <translation>Gote:</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名 ：</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>RETURN</source>
        <translation>RETURN</translation>
    </message>
    <message>
        <source>KIF</source>
        <translation>KIF</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>あなたの勝ちです</source>
        <translation>You win.</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀの勝ちです</source>
        <translation>The computer wins.</translation>
    </message>
    <message>
        <source>よし！!</source>
        <translation>Got you!</translation>
    </message>
    <message>
        <source>詰め ?</source>
        <translation>Mate?</translation>
    </message>
    <message>
        <source>** 王手 **</source>
        <translation>** Check **</translation>
    </message>
    <message>
        <source>棋譜を '進 'で進めて下さい</source>
        <translation>Step through the record with 'Forward'.</translation>
    </message>
    <message>
        <source>新規に対局してください</source>
        <translation>Please start a new game.</translation>
    </message>
    <message>
        <source>終局</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Please start from 'Game'.</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>Sente to move.</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>Gote to move.</translation>
    </message>
    <message>
        <source>OKですか？</source>
        <translation>Ready?</translation>
    </message>
    <message>
        <source>再開(COM)</source>
        <translation>Resume (computer)</translation>
    </message>
    <message>
        <source>MANの番です</source>
        <translation>Your move.</translation>
    </message>
    <message>
        <source>マウスの右をクリックして下さい</source>
        <translation>Promote with the right mouse button.</translation>
    </message>
    <message>
        <source>成り</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>先手の勝ちです</source>
        <translation>Sente wins.</translation>
    </message>
    <message>
        <source>後手の勝ちです</source>
        <translation>Gote wins.</translation>
    </message>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation>The sound output could not be opened.</translation>
    </message>
    <message>
        <source>Vexaルミナーク将棋.dll</source>
        <translation>Vexaルミナーク将棋.dll</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません</source>
        <translation>Not while a record is shown.</translation>
    </message>
    <message>
        <source>対局途中ではできません</source>
        <translation>Not during a game.</translation>
    </message>
    <message>
        <source>反転後ではできません</source>
        <translation>Not on a turned board.</translation>
    </message>
    <message>
        <source>局面→最初にして下さい</source>
        <translation>Choose Position → Back to the start first.</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>できません</source>
        <translation>Not possible.</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません</source>
        <translation>The record file holds no game.</translation>
    </message>
    <message>
        <source>読み込みました</source>
        <translation>Loaded.</translation>
    </message>
    <message>
        <source>反転後は書き込みできません</source>
        <translation>A turned board cannot be saved.</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません</source>
        <translation>A handicap game cannot be saved.</translation>
    </message>
    <message>
        <source>棋譜書込</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation>Please type a file name.</translation>
    </message>
    <message>
        <source>このﾌｧｲﾙ名は使えません</source>
        <translation>This file name cannot be used.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名に「/」「\」や制御文字は使えません</source>
        <translation>A file name may not hold '/', '\' or control characters.</translation>
    </message>
    <message>
        <source>「.」だけのﾌｧｲﾙ名は使えません</source>
        <translation>A file name of dots only cannot be used.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が長すぎます</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>棋譜保存</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>保存するデータがありません</source>
        <translation>There is nothing to save.</translation>
    </message>
    <message>
        <source>棋譜を書き込めませんでした</source>
        <translation>The record could not be written.</translation>
    </message>
    <message>
        <source>棋譜を書き込みました</source>
        <translation>The record is saved.</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽが準備できていません</source>
        <translation>The device is not ready.</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを読み込めませんでした</source>
        <translation>The record file could not be read.</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙが大きすぎて読み込めません</source>
        <translation>The record file is too large to load.</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙではありません</source>
        <translation>Not a record file</translation>
    </message>
    <message>
        <source>指せない手があります</source>
        <translation>A move cannot be played</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙではありません</source>
        <translation>Not a file.</translation>
    </message>
    <message>
        <source>SFENではありません</source>
        <translation>Not SFEN.</translation>
    </message>
    <message>
        <source>大きすぎます</source>
        <translation>Too large.</translation>
    </message>
    <message>
        <source>KIFを書き込めませんでした</source>
        <translation>The KIF file could not be written.</translation>
    </message>
    <message>
        <source>平手でない棋譜は「.棋譜」形式に書き込めません</source>
        <translation>Only a game from the even position can be written as a .棋譜 record.</translation>
    </message>
    <message>
        <source>%1行目</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>%1手まで</source>
        <translation>up to %1 moves</translation>
    </message>
    <message>
        <source>思考中</source>
        <translation>Thinking</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>手目</source>
        <translation>ply</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人</source>
        <translation>Handicap: Meijin</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段</source>
        <translation>Handicap: 8-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段</source>
        <translation>Handicap: 7-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段</source>
        <translation>Handicap: 6-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段</source>
        <translation>Handicap: 5-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段</source>
        <translation>Handicap: 4-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段</source>
        <translation>Handicap: 3-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段</source>
        <translation>Handicap: 2-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段</source>
        <translation>Handicap: 1-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級</source>
        <translation>Handicap: 1-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級</source>
        <translation>Handicap: 2-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級</source>
        <translation>Handicap: 3-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級</source>
        <translation>Handicap: 4-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級</source>
        <translation>Handicap: 5-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級</source>
        <translation>Handicap: 6-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級</source>
        <translation>Handicap: 7-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級</source>
        <translation>Handicap: 8-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級</source>
        <translation>Handicap: 9-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級</source>
        <translation>Handicap: 10-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級</source>
        <translation>Handicap: 11-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級</source>
        <translation>Handicap: 12-kyu</translation>
    </message>
    <message>
        <source>１</source>
        <translation>1</translation>
    </message>
    <message>
        <source>２</source>
        <translation>2</translation>
    </message>
    <message>
        <source>３</source>
        <translation>3</translation>
    </message>
    <message>
        <source>４</source>
        <translation>4</translation>
    </message>
    <message>
        <source>５</source>
        <translation>5</translation>
    </message>
    <message>
        <source>６</source>
        <translation>6</translation>
    </message>
    <message>
        <source>７</source>
        <translation>7</translation>
    </message>
    <message>
        <source>８</source>
        <translation>8</translation>
    </message>
    <message>
        <source>９</source>
        <translation>9</translation>
    </message>
    <message>
        <source>一</source>
        <translation>a</translation>
    </message>
    <message>
        <source>二</source>
        <translation>b</translation>
    </message>
    <message>
        <source>三</source>
        <translation>c</translation>
    </message>
    <message>
        <source>四</source>
        <translation>d</translation>
    </message>
    <message>
        <source>五</source>
        <translation>e</translation>
    </message>
    <message>
        <source>六</source>
        <translation>f</translation>
    </message>
    <message>
        <source>七</source>
        <translation>g</translation>
    </message>
    <message>
        <source>八</source>
        <translation>h</translation>
    </message>
    <message>
        <source>九</source>
        <translation>i</translation>
    </message>
    <message>
        <source>歩</source>
        <translation>Pawn</translation>
    </message>
    <message>
        <source>と</source>
        <translation>Tokin</translation>
    </message>
    <message>
        <source>香</source>
        <translation>Lance</translation>
    </message>
    <message>
        <source>香成</source>
        <translation>+Lance</translation>
    </message>
    <message>
        <source>桂</source>
        <translation>Knight</translation>
    </message>
    <message>
        <source>桂成</source>
        <translation>+Knight</translation>
    </message>
    <message>
        <source>銀</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>銀成</source>
        <translation>+Silver</translation>
    </message>
    <message>
        <source>金</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>角</source>
        <translation>Bishop</translation>
    </message>
    <message>
        <source>角成</source>
        <translation>Horse</translation>
    </message>
    <message>
        <source>飛</source>
        <translation>Rook</translation>
    </message>
    <message>
        <source>飛成</source>
        <translation>Dragon</translation>
    </message>
    <message>
        <source>王</source>
        <translation>King</translation>
    </message>
</context>
</TS>
