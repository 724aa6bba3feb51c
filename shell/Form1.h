// The game: its state in parts, each declared in the folder that owns it, and every procedure
// as a member function, defined by subject in shell/, rules/, com/, screen/ and kifu/.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "com/ComScratch.h"
#include "com/SearchPlayer.h"
#include "kifu/Record.h"
#include "rules/Influence.h"
#include "rules/Position.h"
#include "screen/Clocks.h"
#include "shell/GameStatus.h"
#include "shell/GameTerms.h"
#include "shell/Sound.h"
#include "shell/Window.h"

// The parts keep the order in which the fields were always laid out: the search runs a little
// faster with the maps where they were.
class Form1 : public GameTerms,      // piece codes, sides, pictures, colours, geometry
              public GameOptions,    // background, move guidance, the settings file
              public GamePosition,   // board, hands, seals, kings, side to move
              public GameStatus,     // sides, winner, kind of game, moves, level, handicap
              public Clocks,         // both sides' seconds
              public SoundHandles,   // the sound device and the sounds loaded
              public BoardInput,     // the player's selection
              public MoveFindings,   // two-pawn columns, the proposed promotion
              public InfluenceMaps,  // what each side reaches, guards, attackers, checks
              public ComScratch,     // the computer's search
              public Record,         // the move record and stepping through it
              public SearchPlayer {  // LEVEL4: its budget, its spell, the positions it left
 public:
  explicit Form1(Window& window);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  Window& win;
  SoundLibrary* ds;  // never null; silent until a sound library is loaded

  // ==== shell/: start-up, new game, shutdown, input ============================================
  void Form_Load();
  void 初期設定();
  void 初期配置();
  void START_Click();
  void SENTE_Click();
  void GOTE_Click();
  void TAIKYOKU_Click();
  void MATCH_MAN_Click();
  void OWARI_Click();
  void Form_Unload(int cancel);
  void Form_KeyPress(int key);
  void 終了処理();
  void 待ち時間(double seconds);

  // ==== shell/: settings file and option menus =================================================
  void 読込_環境設定ファイル();
  void 書込_環境設定ファイル();
  void チェック設定(Int code);
  void MIDORI_Click();
  void TATAMI_Click();
  void TAKE_Click();
  void UCHU_Click();
  void RENGA_Click();
  void SIDOU_Click();
  void KEIKA_Click();
  void BGM_Click();
  void VER_Click();
  void OPTION_Click();
  void STOP_Click();
  void Form_MouseDown(Int button, Int shift, double x, double y);

  // ==== shell/: levels and handicap ============================================================
  void LEVEL1_Click();
  void LEVEL2_Click();
  void LEVEL3_Click();
  void LEVEL4_Click();
  void レベル_設定(Int n);
  void LBEL_UP_Click();
  void LEBEL_DOWN_Click();

  // ==== shell/: Module1, the sound library's device and the WAV files ==========================
  void 初期化_サウンド(std::int32_t hwnd);
  void 終了_サウンド();
  std::int32_t 読込_サウンド(const std::string& name, std::int32_t count);
  void 表示_警告(const std::string& text);

  // ==== rules/: legality, moves, seals, influence, mate =======================================
  Int 移動チェック(Int fromX, Int fromY, Int toX, Int toY, Int piece);
  Int 移動チェック飛車(Int fromX, Int fromY, Int toX, Int toY);
  Int 移動チェック角(Int fromX, Int fromY, Int toX, Int toY);
  void 駒移動(Int fromX, Int fromY, Int toX, Int toY, Int piece);
  void 駒取得(Int piece);
  Int 調査_駒成(Int fromX, Int fromY, Int toX, Int toY, Int piece);
  Int 移動後チェック(Int toY, Int piece);
  void 調査_2歩フラグ設定();
  Int 調査_持駒数(Int side);
  Int 取得_持盤駒(Int kind, Int side);
  void 調査_移動結果(long n, Int& X, Int& Y, Int& piece);
  void 駒処理_封(Int X, Int Y);
  void 駒処理_開放(Int side);
  void 勢力調査();
  void 勢力確定上直進(Int piece, Int X, Int Y);
  void 勢力確定下直進(Int piece, Int X, Int Y);
  void 勢力確定右直進(Int piece, Int X, Int Y);
  void 勢力確定左直進(Int piece, Int X, Int Y);
  void 勢力確定自角(Int X, Int Y);
  void 勢力確定敵角(Int piece, Int X, Int Y);
  void 勢力確定自金(Int piece, Int X, Int Y);
  void 勢力確定敵金(Int X, Int Y);
  Int 詰めかMAN();
  Int 詰めかCOM();
  Int 詰めかMAN_COM移動();
  void 調査_王座標(Int side, Int& X, Int& Y);
  Int 調査_自王逃道();

  // ==== com/: the computer player ==============================================================
  void 調査_COM打ち座標(Int& O_移動元X, Int& O_移動元Y, Int& O_移動先X, Int& O_移動先Y, Int& O_元駒,
                        Int& O_先駒);
  void 調査_移動不可駒();
  double 盤評価(Int target, Int PC, Int X, Int Y, Int X2, Int Y2);
  Int 調査_移動可場所数(Int X, Int Y, Int piece);
  Int 調査_周辺状況(Int X, Int Y);
  Int 調査_桂狙い(Int X, Int Y);
  Int 調査_香狙い(Int X, Int Y);
  void 調査_持角狙座標();
  double 盤評価_COM危険座標(Int PC, Int X2, Int Y2);
  Int 盤評価_自角注意_COM(Int X2, Int Y2, Int PC);
  Int 調査_自守駒MAN_直進駒(Int X, Int Y);
  void COM_MAN_入替処理();
  void 調査_ルミナーク座標(Int& O_駒, Int& O_X, Int& O_Y);
  // LEVEL4: the move from the search, and the spell chosen with it (false at other levels).
  void 調査_探索COM打ち座標(Int& O_移動元X, Int& O_移動元Y, Int& O_移動先X, Int& O_移動先Y,
                            Int& O_元駒, Int& O_先駒);
  bool 調査_探索封印(Int& O_駒, Int& O_X, Int& O_Y);
  // LEVEL4 at one of its five strengths, 0 (入門) to 4 (最強).
  void 探索_強さ_選択(Int n);

  // ==== shell/: the computer's turn ============================================================
  void com_ban();

  // ==== screen/: board and pieces ==============================================================
  void 描画_絵(Int code, double column, double row);
  void 描画_駒(Int code, double column, double row);
  void 描画_盤();
  void 描画_自持盤();
  void 描画_敵持盤();
  void 描画_将棋盤桝();
  void 描画_背景(Int code);
  void 描画_桝_数値();
  void 画面_再描画();
  void 描画_星(double column, double row);
  void 描画_桝輪郭(Int colour, double column, double row);
  void 描画_数値(double column, double row, long value, Int colour, Int style, Int size);

  // ==== screen/: move feedback =================================================================
  std::string 文字列変換(Int value);
  void 描画_移動駒種類(double column, double row, const std::string& text, Int colour);
  void 描画_移動結果(Int side, Int x, Int y, Int code, Int colour);
  void 消去_移動結果(Int side);
  void 描画_移動可能桝色(Int x, Int y, Int colour, Int code);
  void 描画_駒点滅(Int code, double column, double row, Int times);
  void 描画_振動();

  // ==== screen/: status panel and messages ======================================================
  void 描画_打手_アイコン(Int side);
  void 消去_打手_アイコン(Int side);
  void 消去_全_アイコン();
  void 描画_打手(Int side, double column, double row);
  void 消去_打手(Int side);
  void 描画_手数(long count);
  void 描画_文字列(double column, double row, Int key, Int colour, Int size);
  void 描画_レベル(Int level);
  void 描画_ハンデレベル(Int rank);
  void 消去_思考中();
  void 描画_メッセージ(Int kind);

  // ==== screen/: elapsed time ==================================================================
  void 描画_所有時間(Int side, Single seconds);
  void 消去_所有時間(Int side);
  std::string 調査_時間秒追加結果(Single seconds);
  std::string 変換_数字から文字(long n);
  Single 調査_経過秒(Single start, Single now);
  void Timer1_Timer();

  // ==== kifu/: move record, record files, replay and reversal ==================================
  void 手順保存(Int 元X, Int 元Y, Int 先X, Int 先Y, Int 元駒, Int 先駒, Single 前秒M, Single 後秒M,
                Single 前秒C, Single 後秒C);
  void 記録_確保(long n);
  void 記録_局面保存(long n);
  void 記録_局面復元(long n);
  void 記録_局面表示(long n, Single com_seconds, Single man_seconds);
  void 記録_初期局面();
  void 描画_可視(bool drive, bool dir, bool file);
  void 描画_棋譜_IO(Int mode);
  void 描画_棋譜読込み部分消去();
  void KIFU_WRITE_Click();
  void Command1_Click();
  void KIFU_READ_Click();
  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  std::string 変換_棋譜ファイル();
  // "" once loaded; otherwise why the file is refused, the game left as it was.
  std::string 読込_棋譜(std::istream& in);
  Int 読込_棋譜ファイル(std::string& buffer);
  double 取得_棋譜のX座標(const std::string& text);
  void AFTER_Click();
  void REPLAY_Click();
  void CANCEL_Click();
  void REVERSE_Click();

 private:
  // Board input, by kind of click.
  void クリック_選択(Int X, Int Y);
  void クリック_移動(Int button, Int X, Int Y);
  void クリック_盤外(Int X, Int Y);
  void 魔法_封印(Int X, Int Y, Int sealX, Int sealY, Int code);
  bool 手番の駒(Int code) const;
  void 手番_計時再開();
  void 音楽_切替(std::int32_t music);
  void 手番_交代();

  // The piece-specific terms that end 盤評価.
  double 盤評価_駒別(double score, Int target, Int PC, Int X, Int Y, Int X2, Int Y2);
  void 思考中_表示();
  void 対局_COM準備();

  void 読込_全サウンド();
  void レベル_選択(Int n);
  void ハンデ_段階(Int step);
  void 背景_選択(Int code);
  void 既定値_適用();
  void 描画_持駒桝(Int handX, Int countX, Int row, Int count, Int code, Int sealed);
  void print_at(double column, double row, const std::string& text, Int colour, double size);
};
