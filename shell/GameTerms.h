// The game's named values: truth values, sides, piece codes, sealed codes, hands, pictures,
// colours, mouse buttons and the screen's geometry. Form1 inherits them, so every procedure
// names them bare (com_hu) and everyone else through the form (Form1::com_hu).
#pragma once

#include <cstdint>

using Int = std::int16_t;  // the game's integers are 16 bits wide
using Single = float;      // clocks are single-precision seconds

struct GameTerms {
  // ---- Truth values, sides and the kind of game -------------------------------------------
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
  static constexpr Int man_hu_huu = man_hu + huu_sa, man_hu_nari_huu = man_hu_nari + huu_sa;
  static constexpr Int man_kyou_huu = man_kyou + huu_sa, man_kyou_nari_huu = man_kyou_nari + huu_sa;
  static constexpr Int man_kei_huu = man_kei + huu_sa, man_kei_nari_huu = man_kei_nari + huu_sa;
  static constexpr Int man_gin_huu = man_gin + huu_sa, man_gin_nari_huu = man_gin_nari + huu_sa;
  static constexpr Int man_kin_huu = man_kin + huu_sa, man_kin_nari_huu = man_kin_nari + huu_sa;
  static constexpr Int man_kaku_huu = man_kaku + huu_sa, man_kaku_nari_huu = man_kaku_nari + huu_sa;
  static constexpr Int man_sya_huu = man_sya + huu_sa, man_sya_nari_huu = man_sya_nari + huu_sa;
  static constexpr Int man_ou_huu = man_ou + huu_sa;
  static constexpr Int com_hu_huu = com_hu + huu_sa, com_hu_nari_huu = com_hu_nari + huu_sa;
  static constexpr Int com_kyou_huu = com_kyou + huu_sa, com_kyou_nari_huu = com_kyou_nari + huu_sa;
  static constexpr Int com_kei_huu = com_kei + huu_sa, com_kei_nari_huu = com_kei_nari + huu_sa;
  static constexpr Int com_gin_huu = com_gin + huu_sa, com_gin_nari_huu = com_gin_nari + huu_sa;
  static constexpr Int com_kin_huu = com_kin + huu_sa, com_kin_nari_huu = com_kin_nari + huu_sa;
  static constexpr Int com_kaku_huu = com_kaku + huu_sa, com_kaku_nari_huu = com_kaku_nari + huu_sa;
  static constexpr Int com_sya_huu = com_sya + huu_sa, com_sya_nari_huu = com_sya_nari + huu_sa;
  static constexpr Int com_ou_huu = com_ou + huu_sa;

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
};
