// Two people at one screen play with the mouse: selecting, moving, capturing, dropping,
// promoting with the right button and casting the seal spell. Each step is checked as the
// players see and hear it: outlines, pictures, notation, icons, markers, the star and sounds.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/Game.h"
#include "support/PositionText.h"
#include "support/Seen.h"

namespace {

using F = Form1;
constexpr Int L = F::button_hidari, R = F::button_migi;
using Sounds = std::vector<int>;
using Squares = std::set<std::pair<int, int>>;
using Texts = std::vector<std::string>;

struct Input : ::testing::Test {
  Game g;
  void SetUp() override {
    g->Form_Load();
    g->snd_kinsi = 1;
    g->snd_komauti = 2;
    g->snd_mahou = 3;
    g->snd_kanasibari = 4;
    g->snd_bgm = 8;
    g->snd_sentou = 9;
  }
  // A click in the middle of cell (column, row).
  void click(Int button, Int column, Int row) {
    g->Form_MouseDown(button, 0, F::cell_x(column) + F::masu_w / 2.0,
                      F::cell_y(row) + F::masu_h / 2.0);
  }
  void move(Int fx, Int fy, Int tx, Int ty, Int button = L) {
    click(L, fx, fy);
    click(button, tx, ty);
  }
  // What the players see and hear from now on.
  Seen look() const { return Seen(g.w); }
  bool shown(Image i) const { return g.w.image_visible[static_cast<int>(i)]; }
  std::string last_message() const {
    auto m = g.w.messages();
    return m.empty() ? "" : m.back().text;
  }
  // The spell on cell (column, row) as the players see and hear it: the caster's marker and
  // the star over the target, both gone again, the sealed picture, the two sounds.
  void expect_spell(const Seen& s, Image marker, Int column, Int row, Picture sealed) {
    EXPECT_TRUE(s.shown_over(marker, column, row)) << "the caster";
    EXPECT_TRUE(s.shown_over(Image::hosi2, column, row)) << "the star";
    EXPECT_FALSE(shown(marker));
    EXPECT_FALSE(shown(Image::hosi2));
    EXPECT_EQ(s.picture(column, row), sealed);
    EXPECT_EQ(s.sounds(), (Sounds{g->snd_mahou, g->snd_kanasibari}));
  }
  Squares empty_squares() {
    Squares out;
    for (int x = 1; x <= F::ban_max; ++x)
      for (int y = 1; y <= F::ban_max; ++y)
        if (g->ban[x][y] == F::kara) out.insert({x, y});
    return out;
  }
};

TEST_F(Input, ClicksBeforeAGameAreRefused) {
  // An open record dialog goes with any click.
  g->描画_可視(true, true, true);
  g->描画_棋譜_IO(0);
  g.w.SetText(Control::Text1, "対局1");
  const Seen s = look();
  click(L, 5, 7);
  EXPECT_EQ(s.messages(), Texts{"「対局」で始めて下さい"});
  EXPECT_EQ(g.w.messages().back().title, "開始");
  EXPECT_EQ(s.sounds(), Sounds{g->snd_kinsi});
  EXPECT_EQ(s.outline(5, 7), -1) << "nothing is picked up";
  for (int c = 0; c < static_cast<int>(Control::Count); ++c)
    EXPECT_FALSE(g.w.control_visible[c]) << control_name(static_cast<Control>(c));
  EXPECT_EQ(g.w.Text(Control::Text1), "");
}

TEST_F(Input, AWholeGameWithSpellsDropsAndAPromotion) {
  g->SIDOU_Click();  // the squares a piece may reach are outlined
  const int guide = g->iro_sidou;
  g->START_Click();
  ASSERT_EQ(g->teban, F::te_sente);
  EXPECT_TRUE(shown(Image::gote_man)) << "the lower side's icon";

  // 1. ▲ pawn 3七 -> 3六 opens the lower bishop's diagonal.
  Seen s = look();
  click(L, 3, 7);
  EXPECT_EQ(s.outline(3, 7), F::iro_aka);
  EXPECT_EQ(s.squares(guide), (Squares{{3, 6}}));
  s = look();
  click(L, 3, 6);
  EXPECT_EQ(g->ban[3][6], F::man_hu);
  EXPECT_EQ(g->teban, F::te_gote);
  EXPECT_EQ(g->tesuu, 1);
  EXPECT_EQ(s.faces(), " 1手目７六歩") << "the move count and the notation";
  EXPECT_EQ(s.sounds(), Sounds{g->snd_komauti});
  EXPECT_EQ(s.outline(3, 7), F::iro_waku);
  EXPECT_TRUE(shown(Image::sente_man) && !shown(Image::gote_man)) << "the upper side's turn";

  // 2. △ seals the lower bishop, then the rook (which frees the bishop), then the bishop
  //    again; casting never ends the turn.
  s = look();
  click(L, 2, 8);
  EXPECT_EQ(g->huu_man[2][8], F::ari);
  expect_spell(s, Image::Image1, 2, 8, Picture::SITA_KAKU_2);
  s = look();
  click(L, 8, 8);
  EXPECT_EQ(g->huu_man[2][8], F::nasi) << "a second spell releases the first";
  EXPECT_EQ(g->huu_man[8][8], F::ari);
  expect_spell(s, Image::Image1, 8, 8, Picture::SITA_SYA_2);
  click(L, 2, 8);
  EXPECT_EQ(g->huu_man[8][8], F::nasi);
  EXPECT_EQ(g->huu_man[2][8], F::ari);
  EXPECT_EQ(g->teban, F::te_gote);
  EXPECT_TRUE(shown(Image::sente_man));
  s = look();
  move(7, 3, 7, 4);
  EXPECT_EQ(g->teban, F::te_sente);
  EXPECT_EQ(g->huu_man[2][8], F::ari) << "the seal holds through the owner's next turn";
  EXPECT_EQ(s.faces(), " 2手目３四歩");
  EXPECT_TRUE(shown(Image::gote_man) && !shown(Image::sente_man));

  // 3. ▲ the sealed bishop cannot move: refused, and its outline goes. A pawn moves instead,
  //    which frees the bishop.
  s = look();
  move(2, 8, 8, 2, R);
  EXPECT_EQ(s.sounds(), Sounds{g->snd_kinsi});
  EXPECT_EQ(s.outline(2, 8), F::iro_waku);
  EXPECT_EQ(g->ban[2][8], F::man_kaku);
  EXPECT_EQ(g->teban, F::te_sente);
  move(9, 7, 9, 6);
  EXPECT_EQ(g->huu_man[2][8], F::nasi) << "free once its owner has moved";

  // 4. △
  move(1, 3, 1, 4);

  // 5. ▲ an illegal try, a re-selection, then bishop takes bishop and promotes (right button).
  move(5, 7, 5, 5);
  EXPECT_EQ(g->ban[5][7], F::man_hu);
  EXPECT_EQ(g->sentaku, 0);
  click(L, 5, 7);
  s = look();
  click(L, 2, 8);  // switches the selection to the bishop
  EXPECT_EQ(g->sentaku, 1);
  EXPECT_EQ(s.outline(5, 7), F::iro_waku);
  EXPECT_EQ(s.outline(2, 8), F::iro_aka);
  EXPECT_EQ(s.squares(guide), (Squares{{3, 7}, {4, 6}, {5, 5}, {6, 4}, {7, 3}, {8, 2}}));
  click(R, 8, 2);
  EXPECT_EQ(g->ban[8][2], F::man_kaku_nari);
  EXPECT_EQ(g->ban[2][8], F::kara);
  EXPECT_EQ(g->mochi_man[6], 1);
  EXPECT_EQ(g->kifu_koma[g->kifu_tesuu - 1], F::man_kaku_nari) << "the record's piece";
  EXPECT_TRUE(s.squares(guide).empty()) << "the guidance goes with the move";
  EXPECT_EQ(s.faces(), " 5手目 1２二角成") << "the move count, one bishop in hand, the notation";
  EXPECT_EQ(s.picture(11, 8), Picture::SITA_KAKU_0);

  // 6. △ silver takes the horse; the upper hand gets a bishop.
  move(7, 1, 8, 2);
  EXPECT_EQ(g->ban[8][2], F::com_gin);
  EXPECT_EQ(g->mochi_com[6], 1);

  // 7. ▲ seals the bishop in the upper hand (row 2 of column -1): the cell is outlined, then
  //    the spell. Then it picks up its own bishop in hand, switches to a pawn and back, and
  //    drops the bishop on 2四 (8, 4), aiming at the king through 6二 and 7三.
  s = look();
  click(L, -1, 2);
  EXPECT_EQ(g->huu_mochi_com[6], F::ari);
  EXPECT_EQ(g->teban, F::te_sente);
  EXPECT_EQ(s.outlines(-1, 2).front(), guide);
  expect_spell(s, Image::Image2, -1, 2, Picture::UE_KAKU_2);
  click(L, 2, 5);  // the sealed hand piece's highlight goes
  EXPECT_EQ(g->sentaku, 0);
  s = look();
  click(L, 11, 8);
  EXPECT_EQ(s.outline(11, 8), F::iro_aka);
  EXPECT_EQ(s.squares(guide), empty_squares()) << "a bishop may be dropped anywhere";
  s = look();
  click(L, 9, 6);
  EXPECT_EQ(s.outline(11, 8), F::iro_waku);
  EXPECT_EQ(s.outline(9, 6), F::iro_aka);
  s = look();
  move(11, 8, 8, 4);
  EXPECT_EQ(g->ban[8][4], F::man_kaku);
  EXPECT_EQ(g->mochi_man[6], 0);
  EXPECT_EQ(s.outline(11, 8), F::iro_waku);
  EXPECT_EQ(s.picture(11, 8), Picture::KARA_MASU);
  EXPECT_EQ(s.faces(), " 7手目２四角");

  // 8. △ the sealed bishop in hand cannot be dropped; another move frees it.
  s = look();
  move(-1, 2, 5, 5);
  EXPECT_EQ(g->ban[5][5], F::kara);
  EXPECT_EQ(g->mochi_com[6], 1);
  EXPECT_EQ(g->teban, F::te_gote);
  EXPECT_EQ(s.sounds(), Sounds{g->snd_kinsi});
  move(1, 4, 1, 5);
  EXPECT_EQ(g->huu_mochi_com[6], F::nasi);

  // 9. ▲ bishop takes the king; the background music comes back.
  g.w.checked[static_cast<int>(Menu::BGM)] = true;
  s = look();
  move(8, 4, 5, 1);
  EXPECT_EQ(g->shouri_te, F::te_sente);
  EXPECT_EQ(s.messages(), Texts{"先手の勝ちです"});
  EXPECT_EQ(g.w.messages().back().title, "終了");
  EXPECT_EQ(s.music(), Sounds{g->snd_bgm});
  EXPECT_EQ(g->tesuu, 9);

  click(L, 5, 5);
  EXPECT_EQ(last_message(), "新規に対局してください");
  EXPECT_EQ(g.w.messages().back().title, "終局");
}

// A piece selected, then taken from under the selection by a step through the record, the
// board turned round, a handicap or an emptied hand: the next click moves nothing.
TEST_F(Input, ASelectionNeverOutlivesItsPosition) {
  using Step = void (*)(Input&);
  struct {
    const char* what;
    Step before;  // after 開始, up to and with the selection
    Step away;
    Int tx, ty;
  } cases[] = {
      {"戻 twice",
       [](Input& t) {
         t.move(3, 7, 3, 6);
         t.move(7, 3, 7, 4);
         t.click(L, 3, 6);
       },
       [](Input& t) { t.g->REPLAY_Click(), t.g->REPLAY_Click(); }, 3, 5},
      {"進",
       [](Input& t) {
         t.move(3, 7, 3, 6);
         t.move(7, 3, 7, 4);
         t.move(2, 7, 2, 6);
         t.g->REPLAY_Click(), t.g->REPLAY_Click();
         t.click(L, 2, 3);  // △
       },
       [](Input& t) { t.g->AFTER_Click(); }, 2, 4},
      {"反転", [](Input& t) { t.click(L, 3, 7); }, [](Input& t) { t.g->REVERSE_Click(); }, 3, 6},
      {"handicap", [](Input& t) { t.click(L, 8, 8); },
       [](Input& t) { t.g->LEBEL_DOWN_Click(), t.g->LEBEL_DOWN_Click(); }, 7, 8},
      {"hand",
       [](Input& t) {
         t.g->mochi_man[3] = 1;
         t.click(L, 11, 5);  // a knight
       },
       [](Input& t) { t.g->mochi_man[3] = 0; }, 5, 5},
  };
  for (const auto& c : cases) {
    g->初期設定();
    g->START_Click();
    c.before(*this);
    c.away(*this);
    const std::string before = position_text::write(*g, c.what);
    const long moves = g->tesuu;
    click(L, c.tx, c.ty);
    EXPECT_EQ(position_text::write(*g, c.what), before);
    EXPECT_EQ(g->tesuu, moves) << c.what;
  }
}

struct InputPosition : Input {
  // Kings on 5九 and 1一 only, then the given pieces; a two-person game at move 0.
  void set(std::initializer_list<std::tuple<Int, Int, Int>> pieces) {
    g->初期設定();
    g.clear_board();
    g->ban[5][9] = F::man_ou;
    g->ban[9][1] = F::com_ou;
    for (auto [x, y, code] : pieces) g->ban[x][y] = code;
    g->START_Click();
  }
};

TEST_F(InputPosition, PawnOnTheLastRowNeedsTheRightButton) {
  set({{1, 2, F::man_hu}});
  const Seen s = look();
  move(1, 2, 1, 1, L);
  EXPECT_EQ(s.messages(), Texts{"マウスの右をクリックして下さい"});
  EXPECT_EQ(g.w.messages().back().title, "成り");
  EXPECT_EQ(s.sounds(), Sounds{g->snd_kinsi});
  EXPECT_EQ(g->ban[1][2], F::man_hu);
  EXPECT_EQ(g->sentaku, 1) << "the selection stays";
  click(R, 1, 1);
  EXPECT_EQ(g->ban[1][1], F::man_hu_nari);
  EXPECT_EQ(g->teban, F::te_gote);
}

TEST_F(InputPosition, RightButtonOnlyPromotesWhereItMay) {
  set({{1, 7, F::man_hu}, {2, 4, F::man_hu}});
  move(1, 7, 1, 6, R);
  EXPECT_EQ(g->ban[1][6], F::man_hu) << "no promotion outside the zone";
  move(9, 1, 9, 2);  // △ king steps
  move(2, 4, 2, 3, L);
  EXPECT_EQ(g->ban[2][3], F::man_hu) << "the left button declines an optional promotion";
}

TEST_F(InputPosition, SelectionSurvivesClicksOnItselfAndOffTheBoard) {
  set({{3, 7, F::man_gin}});
  g->mochi_man[1] = 1;
  g->SIDOU_Click();
  Seen s = look();
  click(L, 3, 7);
  click(L, 3, 7);
  EXPECT_EQ(g->sentaku, 1);
  EXPECT_FALSE(s.squares(g->iro_sidou).empty());
  g->Form_MouseDown(L, 0, 8800, 7900);  // outside the board and both hands
  EXPECT_EQ(g->sentaku, 1);
  EXPECT_EQ(s.outline(3, 7), F::iro_waku) << "only its highlight goes";
  EXPECT_TRUE(s.squares(g->iro_sidou).empty());
  click(L, 4, 6);
  EXPECT_EQ(g->ban[4][6], F::man_gin);
  // The same for a piece picked up from the hand.
  move(9, 1, 9, 2);
  click(L, 11, 3);
  s = look();
  g->Form_MouseDown(L, 0, 8800, 7900);
  EXPECT_EQ(s.outline(11, 3), F::iro_waku);
}

TEST_F(InputPosition, ClicksFarOutsideTheWindowAreOffTheBoard) {
  set({{3, 7, F::man_gin}});
  click(L, 3, 7);
  g->Form_MouseDown(L, 0, -1e9, 1e9);
  g->Form_MouseDown(L, 0, 1e12, -5);
  EXPECT_EQ(g->sentaku, 1);
  click(L, 3, 6);
  EXPECT_EQ(g->ban[3][6], F::man_gin);
}

TEST_F(InputPosition, EmptyHandKindsAndEmptySquaresAreIgnored) {
  set({});
  const Seen s = look();
  click(L, 11, 3);  // no pawn in the own hand
  click(L, 5, 5);
  click(L, -1, 7);  // none in the opponent's either
  EXPECT_EQ(g->sentaku, 0);
  EXPECT_EQ(g->ban[5][5], F::kara);
  EXPECT_EQ(s.outline(11, 3), -1);
  EXPECT_TRUE(s.messages().empty() && s.sounds().empty()) << "no refusal and no spell";
}

TEST_F(InputPosition, ASecondPawnIsNotDroppedOnItsFile) {
  set({{3, 7, F::man_hu}});
  g->mochi_man[1] = 1;
  const Seen s = look();
  move(11, 3, 3, 5);
  EXPECT_EQ(g->ban[3][5], F::kara);
  EXPECT_EQ(s.sounds(), Sounds{g->snd_kinsi});
  move(11, 3, 4, 5);
  EXPECT_EQ(g->ban[4][5], F::man_hu);
}

TEST_F(InputPosition, SpellOnTheOpponentsHandFromTheUpperSide) {
  set({});
  g->mochi_man[7] = 1;
  move(5, 9, 5, 8);  // ▲
  const Seen s = look();
  click(L, 11, 9);  // △ seals the rook in the lower hand
  EXPECT_EQ(g->huu_mochi_man[7], F::ari);
  expect_spell(s, Image::Image1, 11, 9, Picture::SITA_SYA_2);
  click(L, 5, 5);  // drops the sealed piece's highlight
  move(9, 1, 9, 2);
  move(11, 9, 5, 5);  // ▲ cannot drop it
  EXPECT_EQ(g->ban[5][5], F::kara);
  EXPECT_EQ(g->mochi_man[7], 1);
}

TEST_F(InputPosition, TheUpperSideDropsFromItsHand) {
  set({});
  g->mochi_com[1] = 1;
  move(5, 9, 5, 8);  // ▲
  const Seen s = look();
  move(-1, 7, 5, 5);  // △ the pawn from the bottom row of its hand
  EXPECT_EQ(g->ban[5][5], F::com_hu);
  EXPECT_EQ(g->mochi_com[1], 0);
  EXPECT_EQ(s.faces(), " 2手目５五歩");
}

TEST_F(InputPosition, ReplayModeAsksAndNoStartsAfresh) {
  set({{5, 5, F::man_kin}});
  g->kifu_mode = F::ari;
  g.w.answers = {mb::Yes};
  click(L, 5, 5);
  EXPECT_EQ(last_message(), "棋譜を '進 'で進めて下さい");
  EXPECT_EQ(g->ban[5][5], F::man_kin);
  g.w.answers = {mb::No};
  const Seen s = look();
  click(L, 5, 5);
  EXPECT_EQ(g->ban[5][5], F::kara) << "a fresh board";
  EXPECT_EQ(s.picture(5, 5), Picture::KARA_MASU);
  EXPECT_EQ(s.sounds(), Sounds{g->snd_kinsi});
  EXPECT_EQ(g->kifu_mode, F::nasi);
  EXPECT_EQ(g->ban[5][9], F::man_ou);
}

TEST_F(InputPosition, AfterAStepBackThePlayersAreToldWhoseTurnItIs) {
  set({{3, 7, F::man_gin}});
  g->modori_chuu = F::ari;
  g.w.checked[static_cast<int>(Menu::KEIKA)] = true;
  g.w.now = 1000;
  const Seen s = look();
  click(L, 3, 7);
  click(L, 3, 7);
  EXPECT_EQ(s.messages(), Texts{"先手の番です"}) << "told once";
  EXPECT_EQ(g.w.messages().back().title, "対局");
  EXPECT_EQ(g->kaisi_jikoku, 1000);
  EXPECT_TRUE(g.w.timer_on);
  EXPECT_EQ(g->sentaku, 1) << "the same click then picks the piece up";
}

// The record keeps, for every move, the position before it and the clocks around it; the
// side that moved then has its thinking time added, and the other side's turn starts.
TEST_F(InputPosition, EveryMoveIsRecordedWithThePositionAndTheClocks) {
  set({{3, 7, F::man_gin}});
  g->jikan_man = 10;
  g->jikan_com = 20;
  g->keika_byou = 5;
  g.w.now = 2000;
  move(3, 7, 3, 6);
  EXPECT_EQ(g->jikan_man, 15);
  EXPECT_EQ(g->kaisi_jikoku, 2000);
  g->keika_byou = 7;
  move(9, 1, 9, 2);
  EXPECT_EQ(g->jikan_com, 27);
  EXPECT_EQ(g->kifu_tesuu, 2);
  EXPECT_EQ(g->kifu_saigo, 1);
  EXPECT_EQ(g->kifu_ban[0][3][7], F::man_gin);
  EXPECT_EQ(g->kifu_ban[1][3][6], F::man_gin);
  EXPECT_EQ(g->kifu_ban[1][9][1], F::com_ou);
  const Single mae_man[] = {10, 15}, ato_man[] = {15, 22}, com[] = {20, 20};
  for (int n = 0; n < 2; ++n) {
    EXPECT_EQ(g->kifu_jikan_man_mae[n], mae_man[n]) << n;
    EXPECT_EQ(g->kifu_jikan_man_ato[n], ato_man[n]) << n;
    EXPECT_EQ(g->kifu_jikan_com_mae[n], com[n]) << n;
    EXPECT_EQ(g->kifu_jikan_com_ato[n], com[n]) << n;
  }
}

// Against the computer, as its start handlers leave the game: the player is 先手.
struct AgainstTheComputer : InputPosition {
  void vs_com(std::initializer_list<std::tuple<Int, Int, Int>> pieces, Int turn) {
    set(pieces);
    g->taikyoku_mode = F::mode_com;
    g->man_te = F::te_sente;
    g->com_te = F::te_gote;
    g->teban = turn;
    g.w.clear();
  }
};

TEST_F(AgainstTheComputer, AClickOnTheComputersTurnFirstAsksToResume) {
  vs_com({{3, 7, F::man_gin}}, F::te_gote);
  g->modori_chuu = F::ari;
  click(L, 3, 7);
  auto m = g.w.messages();
  ASSERT_FALSE(m.empty());
  EXPECT_EQ(m[0].text, "OKですか？");
  EXPECT_EQ(m[0].title, "再開(COM)");
  EXPECT_EQ(m[0].buttons, mb::OKOnly);
  EXPECT_EQ(g->modori_chuu, F::nasi);
}

TEST_F(AgainstTheComputer, AfterAStepBackThePlayersClockRestarts) {
  vs_com({{3, 7, F::man_gin}}, F::te_sente);
  g->modori_chuu = F::ari;
  g.w.checked[static_cast<int>(Menu::KEIKA)] = true;
  g.w.now = 1000;
  click(L, 3, 7);
  auto m = g.w.messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].text, "MANの番です");
  EXPECT_EQ(m[0].title, "対局");
  EXPECT_EQ(g->modori_chuu, F::nasi);
  EXPECT_EQ(g->kaisi_jikoku, 1000);
  EXPECT_TRUE(g.w.timer_on);
  EXPECT_EQ(g->sentaku, 1) << "the same click then selects the piece";
}

TEST_F(AgainstTheComputer, APlayersMoveStopsTheClockAndTheComputerReplies) {
  vs_com({{3, 7, F::man_gin}, {6, 3, F::com_kin}}, F::te_sente);
  g->jikan_man = 10;
  g->keika_byou = 5;
  g->huu_man[5][9] = F::ari;  // the king, sealed by the computer
  g->描画_打手_アイコン(F::te_sente);
  g->描画_打手(F::te_gote, 5, 9);  // the computer's marker stays up from its spell
  g.w.timer_on = true;
  move(3, 7, 3, 6);
  EXPECT_EQ(g->jikan_man, 15);
  // The seal goes before the computer starts thinking: the king is shown free again.
  const auto& calls = g.w.calls;
  const auto thinking = std::find_if(calls.begin(), calls.end(), [](const Call& c) {
    return c.kind == Call::Text && c.text == "思考中";
  });
  ASSERT_NE(thinking, calls.end());
  const auto king = std::find_if(calls.begin(), thinking, [](const Call& c) {
    return c.kind == Call::Paint && c.picture == Picture::SITA_OU &&
           FakeWindow::same(c.x, F::cell_x(5)) && FakeWindow::same(c.y, F::cell_y(9));
  });
  EXPECT_NE(king, thinking) << "the computer's seal is released";
  EXPECT_EQ(g->teban, F::te_sente) << "the computer has moved and handed the turn back";
  EXPECT_EQ(g->tesuu, 2);
  EXPECT_EQ(g->shouri_te, F::te_nasi);
  EXPECT_FALSE(shown(Image::Image1)) << "no marker stays once the turn is back";
  EXPECT_TRUE(shown(Image::gote_man)) << "the player's icon is up for the player's turn";
}

TEST_F(AgainstTheComputer, MatingTheComputerWins) {
  vs_com({{9, 5, F::man_sya}, {8, 9, F::man_sya}, {9, 3, F::man_kaku}}, F::te_sente);
  const Seen s = look();
  move(9, 3, 7, 5);  // the bishop steps aside: the rooks hold the king in its corner
  EXPECT_EQ(g->shouri_te, F::te_sente);
  EXPECT_EQ(s.messages(), Texts{"あなたの勝ちです"});
  click(L, 5, 5);
  EXPECT_EQ(last_message(), "新規に対局してください");
}

TEST_F(AgainstTheComputer, CapturingTheKingWinsAndBringsTheMusicBackIfItIsOn) {
  for (bool music : {true, false}) {
    vs_com({{9, 2, F::man_kin}}, F::te_sente);
    g.w.checked[static_cast<int>(Menu::BGM)] = music;
    const Seen s = look();
    move(9, 2, 9, 1);
    EXPECT_EQ(g->shouri_te, g->man_te);
    EXPECT_EQ(s.messages(), Texts{"あなたの勝ちです"});
    EXPECT_EQ(g.w.messages().back().title, "終了");
    EXPECT_EQ(s.music(), music ? Sounds{g->snd_bgm} : Sounds{});
    EXPECT_EQ(g.w.of(Call::Stop).size(), music ? 2u : 0u) << "the battle music stops";
  }
}

}  // namespace
