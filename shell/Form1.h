// The game: its whole state as public fields and every procedure as a member function.
// Definitions live by subject in shell/, rules/, com/, screen/ and kifu/.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "shell/Sound.h"
#include "shell/Window.h"

using Int = std::int16_t;  // the game's integers are 16 bits wide
using Single = float;      // clocks are single-precision seconds

class Form1 {
 public:
  explicit Form1(Window& window);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  Window& win;
  SoundLibrary* ds;  // never null; silent until a sound library is loaded

  // ---- Truth values and sides -------------------------------------------------------------
  static constexpr Int ari = 1;
  static constexpr Int nasi = 0;
  static constexpr Int te_sente = 1;
  static constexpr Int te_gote = -1;
  static constexpr Int te_nasi = 0;
  static constexpr Int mode_man = 0;
  static constexpr Int mode_com = 1;

  // ---- Piece codes: negative for the lower side (the human), positive for the upper ------
  static constexpr Int kara = 0;
  static constexpr Int man_hu = -10, man_hu_nari = -11;
  static constexpr Int man_kyou = -20, man_kyou_nari = -21;
  static constexpr Int man_kei = -30, man_kei_nari = -31;
  static constexpr Int man_gin = -100, man_gin_nari = -101;
  static constexpr Int man_kin = -110, man_kin_nari = -111;
  static constexpr Int man_kaku = -120, man_kaku_nari = -121;
  static constexpr Int man_sya = -130, man_sya_nari = -131;
  static constexpr Int man_ou = -140;
  static constexpr Int com_hu = 10, com_hu_nari = 11;
  static constexpr Int com_kyou = 20, com_kyou_nari = 21;
  static constexpr Int com_kei = 30, com_kei_nari = 31;
  static constexpr Int com_gin = 100, com_gin_nari = 101;
  static constexpr Int com_kin = 110, com_kin_nari = 111;
  static constexpr Int com_kaku = 120, com_kaku_nari = 121;
  static constexpr Int com_sya = 130, com_sya_nari = 131;
  static constexpr Int com_ou = 140;

  // A sealed piece is drawn under its code plus this.
  static constexpr Int huu_sa = 5;
  static constexpr Int man_hu_huu = -5, man_hu_nari_huu = -6;
  static constexpr Int man_kyou_huu = -15, man_kyou_nari_huu = -16;
  static constexpr Int man_kei_huu = -25, man_kei_nari_huu = -26;
  static constexpr Int man_gin_huu = -95, man_gin_nari_huu = -96;
  static constexpr Int man_kin_huu = -105, man_kin_nari_huu = -106;
  static constexpr Int man_kaku_huu = -115, man_kaku_nari_huu = -116;
  static constexpr Int man_sya_huu = -125, man_sya_nari_huu = -126;
  static constexpr Int man_ou_huu = -135;
  static constexpr Int com_hu_huu = 15, com_hu_nari_huu = 16;
  static constexpr Int com_kyou_huu = 25, com_kyou_nari_huu = 26;
  static constexpr Int com_kei_huu = 35, com_kei_nari_huu = 36;
  static constexpr Int com_gin_huu = 105, com_gin_nari_huu = 106;
  static constexpr Int com_kin_huu = 115, com_kin_nari_huu = 116;
  static constexpr Int com_kaku_huu = 125, com_kaku_nari_huu = 126;
  static constexpr Int com_sya_huu = 135, com_sya_nari_huu = 136;
  static constexpr Int com_ou_huu = 145;

  // ---- Hands --------------------------------------------------------------------------------
  static constexpr Int mochi_max = 7;       // hand kinds 1 歩 .. 7 飛
  static constexpr Int mochi_com_x = -1;    // pseudo-column of the upper side's hand
  static constexpr Int mochi_man_x = 11;    // pseudo-column of the lower side's hand
  static constexpr Int mochi_com_gyou = 8;  // upper hand: kind k in row 8 - k
  static constexpr Int mochi_man_gyou = 2;  // lower hand: kind k in row k + 2

  // ---- Picture codes ------------------------------------------------------------------------
  static constexpr Int e_kara = 0;
  static constexpr Int e_title = 1;
  static constexpr Int haikei_midori = 2;
  static constexpr Int haikei_tatami = 3;
  static constexpr Int haikei_take = 4;
  static constexpr Int haikei_uchu = 5;
  static constexpr Int haikei_renga = 6;
  static constexpr Int e_madousi = 7;
  static constexpr Int e_luminak = 8;
  static constexpr Int e_huuin = 9;

  // ---- Colours: QuickBASIC palette indexes ------------------------------------------------
  static constexpr Int iro_siro = 15;
  static constexpr Int iro_murasaki = 5;
  static constexpr Int iro_midori = 2;
  static constexpr Int iro_aka = 12;
  static constexpr Int iro_kuro = 0;
  static constexpr Int iro_kiiro = 14;
  static constexpr Int iro_tya = 6;
  static constexpr Int iro_haikei = 2;
  static constexpr Int iro_waku = 2;
  static constexpr Int iro_sikou = 15;
  Int iro_sidou = iro_waku;  // iro_siro while move guidance is on

  // ---- Mouse and keys -----------------------------------------------------------------------
  static constexpr Int button_hidari = 1;
  static constexpr Int button_migi = 2;
  static constexpr Int key_esc = 27;

  // ---- Geometry, twips ----------------------------------------------------------------------
  static constexpr Int ban_max = 9;
  static constexpr Int ban_x0 = 1050;
  static constexpr Int ban_y0 = 100;
  static constexpr Int masu_w = 495;
  static constexpr Int masu_h = 615;
  static constexpr Int form_w = 9000;  // client area of the window
  static constexpr Int form_h = 8000;
  static constexpr Int form_top_maximized = -60;  // top edge of a maximised window
  static double cell_x(double column) { return ban_x0 + masu_w * column; }
  static double cell_y(double row) { return ban_y0 + masu_h * row; }

  // ---- Board, hands and seals ---------------------------------------------------------------
  Int ban[10][10] = {};
  Int mochi_man[8] = {};
  Int mochi_com[8] = {};
  Int mochi_man_kei = 0;
  Int mochi_com_kei = 0;
  Int huu_man[10][10] = {};
  Int huu_com[10][10] = {};
  Int huu_mochi_man[8] = {};
  Int huu_mochi_com[8] = {};

  // ---- Game status --------------------------------------------------------------------------
  Int teban = te_nasi;
  Int man_te = te_gote;
  Int com_te = te_sente;
  Int shouri_te = te_nasi;
  Int taikyoku_mode = mode_man;
  Int kifu_mode = nasi;
  long tesuu = 0;  // a loaded record may hold more moves than 16 bits count
  Int level = 3;
  // LEVEL4, the searching player: its budget a move, and a node limit (0: the time alone).
  static constexpr Int 探索_レベル = 4;
  Single 探索_秒 = 1.0f;
  long 探索_局面数 = 0;
  // The spell its search chose with its move: code (kara for none) and target.
  Int 探索_封印駒 = kara, 探索_封印X = 0, 探索_封印Y = 0;
  // The keys of the positions it has moved from in this game, so that it does not go round.
  std::vector<std::uint64_t> 探索_履歴;
  Int hande_level = 0;
  Int hande_settei = nasi;
  Int hanten = nasi;
  Int modori_chuu = nasi;
  Int haikei = haikei_midori;
  Int sidou = nasi;
  bool font_bold = false;  // the form's font, bold once the labels have been drawn

  // ---- Clocks -------------------------------------------------------------------------------
  Single kaisi_jikoku = 0;
  Single keika_byou = 0;
  Single keika_byou_hyouji = 0;
  Single jikan_man = 0;
  Single jikan_com = 0;

  // ---- Sound handles ------------------------------------------------------------------------
  std::int32_t snd_kinsi = 0, snd_sonota = 0, snd_bgm = 0, snd_komauti = 0;
  std::int32_t snd_kanasibari = 0, snd_mahou = 0, snd_sentou = 0;

  // ---- Board input --------------------------------------------------------------------------
  Int sentaku = 0;
  Int sentaku_koma[10] = {};  // 3/4 origin, 5/6 destination, 8 piece code

  // ---- Two-pawn flags and promotion ----------------------------------------------------------
  Int nihu_man[10] = {};
  Int nihu_com[10] = {};
  Int nari_koma = 0;

  // ---- Influence maps -----------------------------------------------------------------------
  Int seiryoku_man[10][10] = {};
  Int seiryoku_com[10][10] = {};
  Int man_mamori[10][10] = {};
  Int man_mamori_x[10][10] = {};
  Int man_mamori_y[10][10] = {};
  Int com_mamori[10][10] = {};
  Int com_mamori_x[10][10] = {};
  Int com_mamori_y[10][10] = {};
  Int man_kougeki[10][10] = {};
  Int man_kougeki_x[10][10] = {};
  Int man_kougeki_y[10][10] = {};
  Int man_kougeki_kazu[10][10] = {};
  Int com_kougeki[10][10] = {};
  Int com_kougeki_x[10][10] = {};
  Int com_kougeki_y[10][10] = {};
  Int oute_com[10][10] = {};
  Int oute_man[10][10] = {};

  // ---- Kings and mate tests -----------------------------------------------------------------
  Int man_ou_x = 0, man_ou_y = 0;
  Int com_ou_x = 0, com_ou_y = 0;
  Int man_nigemiti[10][10] = {};

  // ---- Computer player: what its search remembers of the position before its candidates ----
  Int ban_hozon[10][10] = {};
  Int seiryoku_man_mae[10][10] = {};
  Int seiryoku_com_mae[10][10] = {};
  Int com_kougeki_x_mae[10][10] = {};
  Int com_kougeki_y_mae[10][10] = {};
  Int man_nigemiti_mae = 0;
  Int mochi_com_kei_mae = 0;
  Int kugi_man[10][10] = {};  // 1 where a lower piece is pinned to its king
  Int kugi_com_umu = nasi;    // some upper piece is pinned to its king
  Int kaku_nerai_man[10][10] = {};
  Int idou_koma = 0;     // the candidate's piece before the move
  Int man_ou_kyori = 0;  // king distance from the candidate's origin to the lower king

  // ---- Move record: snapshot n is the position before move n + 1 ----------------------------
  // Each array grows with the record; 記録_確保 keeps them the same length.
  using 盤面 = std::array<std::array<Int, 10>, 10>;
  using 持駒 = std::array<Int, 8>;
  std::vector<盤面> kifu_ban;
  std::vector<持駒> kifu_mochi_man;
  std::vector<持駒> kifu_mochi_com;
  std::vector<盤面> kifu_huu_man;
  std::vector<盤面> kifu_huu_com;
  std::vector<持駒> kifu_huu_mochi_man;
  std::vector<持駒> kifu_huu_mochi_com;
  std::vector<Single> kifu_jikan_man_mae;
  std::vector<Single> kifu_jikan_man_ato;
  std::vector<Single> kifu_jikan_com_mae;
  std::vector<Single> kifu_jikan_com_ato;
  std::vector<Int> kifu_koma;  // code that move n placed
  long kifu_tesuu = 0;
  long kifu_saigo = 0;
  std::string kifu_gyou;
  std::istream* kifu_in = nullptr;  // the record file being read

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
  std::string settings_path = "Vexaルミナーク将棋.ini";  // the front end puts it beside the game
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
  std::int32_t ds_device = 0;
  std::string sound_folder;  // where the WAV files are; the front end puts it beside the game
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
