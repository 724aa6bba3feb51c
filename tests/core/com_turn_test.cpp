// The computer's whole turn as the player sees and hears it, and the two starts against it.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <tuple>

#include "shell/BoardTerms.h"
#include "support/Game.h"
#include "support/PositionText.h"
#include "support/Seen.h"

namespace {

using F = Form1;
constexpr Int L = F::button_hidari;

struct ComTurn : ::testing::Test {
  Game g;
  void SetUp() override {
    g->Form_Load();
    g->snd_kinsi = 1;
    g->snd_komauti = 2;
    g->snd_mahou = 3;
    g->snd_kanasibari = 4;
    g->snd_bgm = 5;
    g->snd_sentou = 6;
  }
  // The position, the human playing 先手 and the computer to move.
  void computer_to_move(const std::string& rows, bool bgm = false) {
    std::istringstream in("= test\n" + rows);
    std::string name;
    ASSERT_TRUE(position_text::read(in, *g, name));
    g->taikyoku_mode = F::mode_com;
    g->man_te = F::te_sente;
    g->com_te = F::te_gote;
    g->teban = g->com_te;
    g->tesuu = 1;
    g.w.checked[static_cast<int>(Menu::BGM)] = bgm;
    g.w.clear();
  }
  void click(Int column, Int row) {
    g->Form_MouseDown(L, 0, F::cell_x(column) + F::masu_w / 2.0, F::cell_y(row) + F::masu_h / 2.0);
  }

  // What the player notices, in order: waits of a third of a second or more, sounds, the large
  // pictures, the markers, the shake and the messages.
  std::vector<std::string> story() const {
    const char* sounds[] = {"", "kinsi", "komauti", "mahou", "kanasibari", "bgm", "sentou"};
    std::vector<std::string> s;
    auto add = [&](const std::string& e) {
      if (s.empty() || s.back() != e || (e != "shake" && e != "thinking")) s.push_back(e);
    };
    for (const Call& c : g.w.calls) {
      switch (c.kind) {
        case Call::Sleep:
          if (c.x >= 0.3) add("wait " + std::to_string(c.x).substr(0, 3));
          break;
        case Call::Play:
          add(std::string("play ") + sounds[c.sound]);
          break;
        case Call::PlayLooping:
          add(std::string("loop ") + sounds[c.sound]);
          break;
        case Call::Stop:
          add(std::string("stop ") + sounds[c.sound]);
          break;
        case Call::Paint:
          if (c.picture == Picture::madousi || c.picture == Picture::luminak ||
              c.picture == Picture::huuin)
            add(picture_name(c.picture));
          break;
        case Call::ShowImage:
          if (c.flag && c.image != Image::hosi2) add(image_name(c.image));
          if (!c.flag && c.image == Image::Image1) add("hide Image1");
          if (c.flag && c.image == Image::hosi2 && s.back() != "star") add("star");
          break;
        case Call::MoveWindow:
          add("shake");
          break;
        case Call::Text:
          if (c.text == "思考中") add("thinking");
          break;
        case Call::Message:
          add(c.title + ": " + c.text);
          break;
        default:
          break;
      }
    }
    return s;
  }
};

// A quiet middle of the board: the computer moves its gold, and the spell falls on a piece.
// The king is under the player's spell, which the computer's move lifts.
const char* kQuiet =
    ". . . . k* . . . .\n"
    ". . . g . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . P . .\n"
    ". . . . . . . . .\n"
    ". . . . K . . . .\n"
    "hands: /\n";

TEST_F(ComTurn, WithMusicTheSpellHasItsPicturesShakeAndMusic) {
  computer_to_move(kQuiet, true);
  g->com_ban();
  const std::vector<std::string> expected = {
      "wait 1.0",    "stop bgm",  "stop sentou",  "loop sentou", "thinking",        "madousi",
      "wait 0.5",    "sente_com", "wait 1.0",     "luminak",     "wait 0.5",        "Image1",
      "play mahou",  "shake",     "star",         "wait 0.3",    "play kanasibari", "hide Image1",
      "huuin",       "wait 0.6",  "play komauti", "stop bgm",    "stop sentou",     "loop bgm",
      "hide Image1", "wait 0.5",  "gote_man"};
  EXPECT_EQ(story(), expected);
  EXPECT_EQ(g->teban, g->man_te);
  EXPECT_EQ(g->tesuu, 2);
}

TEST_F(ComTurn, WithoutMusicOnlyTheSpellItselfIsSeenAndHeard) {
  computer_to_move(kQuiet);
  g->com_ban();
  const std::vector<std::string> expected = {
      "thinking",    "sente_com", "wait 1.0",        "Image1",      "play mahou",
      "star",        "wait 0.3",  "play kanasibari", "hide Image1", "play komauti",
      "hide Image1", "wait 0.5",  "gote_man"};
  EXPECT_EQ(story(), expected);
  // One seal in force, on a human piece, where the marker stood.
  int seals = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (g->huu_man[x][y] == F::ari) {
        ++seals;
        EXPECT_LE(g->ban[x][y], F::man_hu);
      }
  EXPECT_EQ(seals, 1);
  EXPECT_EQ(g->huu_com[5][1], F::nasi) << "the player's spell is spent";
  EXPECT_EQ(g->kifu_tesuu, 1) << "the move is recorded";
}

// Shorter effects: the longest turn (music, shake, a spell) shows the same story, every
// picture and sound in its place, in at most 0.6 s of waits; the player's spell too.
TEST_F(ComTurn, ShorterEffectsShowEverythingInLittleTime) {
  constexpr double kShortest = 0.6;
  auto without_waits = [](std::vector<std::string> s) {
    std::erase_if(s, [](const std::string& e) { return e.rfind("wait", 0) == 0; });
    return s;
  };
  auto seen = [&](bool shorter) {
    computer_to_move(kQuiet, true);
    g->ensyutu_tansyuku = shorter;
    const double start = g.w.now;
    g->com_ban();
    std::vector<Call> calls = g.w.calls;
    std::erase_if(calls, [](const Call& c) { return c.kind == Call::Sleep; });
    return std::tuple(without_waits(story()), calls.size(), g.w.now - start);
  };
  const auto [full_story, full_calls, full_time] = seen(false);
  const auto [short_story, short_calls, short_time] = seen(true);
  EXPECT_EQ(short_story, full_story);
  EXPECT_EQ(short_calls, full_calls) << "nothing painted or played is left out";
  EXPECT_LE(short_time, kShortest);
  EXPECT_GT(full_time, 10 * kShortest) << "the text's effects, as long as ever";

  // The player's spell on a piece in the computer's hand.
  for (const bool shorter : {false, true}) {
    computer_to_move(kQuiet);
    g->ensyutu_tansyuku = shorter;
    g->mochi_com[6] = 1;
    g->teban = g->man_te;
    const double start = g.w.now;
    click(F::mochi_com_x, board::com_hand_row(6));
    EXPECT_EQ(g->huu_mochi_com[6], F::ari);
    if (shorter) {
      EXPECT_LE(g.w.now - start, kShortest);
    }
  }
}

// The computer's move, from the board and from its hand, as the player sees it: the piece
// blinks where it comes from, its notation stands left of the board in white, nothing else on
// the board changes; the record keeps both clocks around the move.
TEST_F(ComTurn, ItsMoveBlinksAtItsOriginAndIsNotedAndTimed) {
  for (const bool from_hand : {false, true}) {
    computer_to_move(kQuiet);
    if (from_hand) {  // the king is sealed: the gold can only come from the hand
      g->ban[4][2] = F::kara;
      g->mochi_com[5] = g->mochi_com_kei = 1;
    }
    g.w.checked[static_cast<int>(Menu::KEIKA)] = true;
    g->jikan_man = 30;
    g->jikan_com = 40;
    Int before[10][10];
    std::memcpy(before, g->ban, sizeof before);
    const Int in_hand = g->mochi_com_kei;
    const Seen s(g.w);
    g->com_ban();
    std::vector<std::pair<int, int>> emptied, filled;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (g->ban[x][y] != before[x][y])
          (g->ban[x][y] == F::kara ? emptied : filled).push_back({x, y});
    ASSERT_EQ(filled.size(), 1u);
    const auto [tx, ty] = filled[0];
    const Int code = g->ban[tx][ty];
    const bool drop = emptied.empty();
    EXPECT_EQ(drop, from_hand);
    EXPECT_EQ(g->mochi_com_kei, in_hand - (drop ? 1 : 0));
    const auto [fx, fy] =
        drop ? std::pair<int, int>(F::mochi_com_x,
                                   board::com_hand_row(position_text::kind_of_code(code)->hand))
             : emptied[0];
    EXPECT_TRUE(s.blinked(fx, fy, *g.w.painted_at_cell(tx, ty))) << fx << "," << fy;
    EXPECT_TRUE(s.printed(Seen::notation(true, tx, ty, code, F::iro_siro)));
    const long n = g->kifu_saigo;
    EXPECT_EQ(g->kifu_jikan_man_mae[n], 30);
    EXPECT_EQ(g->kifu_jikan_man_ato[n], 30);
    EXPECT_EQ(g->kifu_jikan_com_mae[n], 40);
    EXPECT_EQ(g->kifu_jikan_com_ato[n], g->jikan_com);
    EXPECT_GT(g->jikan_com, 40) << "its thinking time counts";
  }
}

TEST_F(ComTurn, ASealedHandKindCannotBeDroppedNextTurn) {
  // A silver dropped beside the upper king would mate it: the spell falls on the silver in the
  // human's hand.
  computer_to_move(
      "k . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". G . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . K . . . .\n"
      "hands: S1 / p1\n");
  g->com_ban();
  ASSERT_EQ(g->huu_mochi_man[4], F::ari);
  Call marker;
  for (const Call& c : g.w.of(Call::MoveImage))
    if (c.image == Image::Image1) marker = c;
  g.w.clear();
  g->描画_打手(g->com_te, F::mochi_man_x, 6);
  EXPECT_EQ(marker.x, g.w.of(Call::MoveImage).back().x) << "the marker stood over the silver";
  EXPECT_EQ(marker.y, g.w.of(Call::MoveImage).back().y);
  g.w.clear();
  click(F::mochi_man_x, 6);  // the silver's cell in the hand
  click(1, 2);
  EXPECT_EQ(g->ban[1][2], F::kara);
  EXPECT_EQ(g->mochi_man[4], 1);
  EXPECT_EQ(g->teban, g->man_te);
  ASSERT_FALSE(g.w.of(Call::Play).empty());
  EXPECT_EQ(g.w.of(Call::Play).back().sound, g->snd_kinsi);
}

struct Ending {
  const char* name;
  const char* rows;
  Int winner;  // te_nasi: the game goes on
  const char* title;
  const char* text;
};

class ComTurnEnding : public ComTurn, public ::testing::WithParamInterface<Ending> {};

TEST_P(ComTurnEnding, TellsThePlayer) {
  const Ending e = GetParam();
  computer_to_move(e.rows, true);
  g->com_ban();
  const Int winner = e.winner == F::te_nasi ? F::te_nasi : e.winner > 0 ? g->man_te : g->com_te;
  EXPECT_EQ(g->shouri_te, winner);
  auto m = g.w.messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].title, e.title);
  EXPECT_EQ(m[0].text, e.text);
  if (winner != F::te_nasi) {
    EXPECT_EQ(g.w.of(Call::PlayLooping).back().sound, g->snd_bgm) << "the music of the end";
    click(5, 5);
    EXPECT_EQ(g.w.messages().back().text, "新規に対局してください");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ComTurnEnding,
    ::testing::Values(
        Ending{"KingTaken",
               ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
               ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
               ". . . . . . . . .\n. . . . g . . . .\n. . . . K . . . .\nhands: /\n",
               -1, "終了", "ｺﾝﾋﾟｭｰﾀの勝ちです"},
        // The gold mates and the spell seals the king: the mate test looks at the king where it
        // stands, not where the spell search on the turned board left it.
        Ending{"Mate",
               "k . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
               ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
               ". g s . . . . . .\n. . . . . . . . .\nK . . . . . . . .\nhands: /\n",
               F::te_nasi, "詰め ?", "よし！!"},
        // The rook takes the rook and checks; the gold can still step between.
        Ending{"Check",
               "k . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
               ". . . . . . . . r\n. . . . . . . . .\n. . . . . . . . .\n"
               ". . . . . . . . .\n. . . . . . G . .\n. . . . K . . . R\nhands: /\n",
               F::te_nasi, "", "   ** 王手 **"},
        // The computer's only piece is its king, sealed: it has no move at all.
        Ending{"NoMoveLeft",
               ". . . . k* . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
               ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
               ". . . . . . . . .\n. . . . . . . . .\n. . . . K . . . .\nhands: /\n",
               1, "終了", "あなたの勝ちです"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComTurn, NoSpellWhenThePlayerHasNoReplyAtAll) {
  // The lower king is walled in by its own pawns, none of which can move.
  computer_to_move(
      "P K P . . . . . .\n"
      "P P P . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . k\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      "hands: /\n");
  g->com_ban();
  for (const std::string& e : story()) {
    EXPECT_NE(e, "Image1");
    EXPECT_NE(e, "play mahou");
    EXPECT_NE(e, "play kanasibari");
  }
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(g->huu_man[x][y], F::nasi);
  EXPECT_EQ(g->teban, g->man_te);
}

TEST_F(ComTurn, AGameWithoutTheHumansKingStillRunsItsTurn) {
  computer_to_move(kQuiet);
  g->ban[5][9] = F::kara;
  g->com_ban();
  EXPECT_TRUE(g.w.messages().empty());
  EXPECT_EQ(g->teban, g->man_te);
}

TEST_F(ComTurn, SenteLetsThePlayerMoveFirstAndGoteTheComputer) {
  g->SENTE_Click();
  EXPECT_EQ(g->man_te, F::te_sente);
  EXPECT_EQ(g->teban, F::te_sente);
  EXPECT_EQ(g.w.messages().back().text, "MANの番です");
  EXPECT_TRUE(g.w.timer_on);
  EXPECT_EQ(g->tesuu, 0);

  Game h;
  h->Form_Load();
  h->GOTE_Click();
  EXPECT_EQ(h->man_te, F::te_gote);
  EXPECT_EQ(h->com_te, F::te_sente);
  EXPECT_EQ(h->tesuu, 1) << "the computer has made the first move";
  EXPECT_EQ(h->teban, h->man_te);
}

// 先手 or 後手 chosen in a running two-person game: the computer moves at once when the upper
// side is to move, otherwise the player is told it is their turn; 後手 brings the battle music.
TEST_F(ComTurn, SenteOrGoteResumesARunningGame) {
  struct {
    void (F::*start)();
    int moves;
    bool battle;
  } cases[] = {{&F::SENTE_Click, 1, false},
               {&F::GOTE_Click, 1, true},
               {&F::SENTE_Click, 2, false},
               {&F::GOTE_Click, 2, true}};
  for (const auto& c : cases) {
    Game h;
    h->Form_Load();
    h->snd_bgm = 5;
    h->snd_sentou = 6;
    h.w.checked[static_cast<int>(Menu::BGM)] = true;
    h->START_Click();
    auto click = [&](int x, int y) {
      h->Form_MouseDown(L, 0, F::cell_x(x + 0.5), F::cell_y(y + 0.5));
    };
    const int moves[][4] = {{7, 7, 7, 6}, {3, 3, 3, 4}};  // ▲ 3六歩, △ 7四歩
    for (int i = 0; i < c.moves; ++i)
      click(moves[i][0], moves[i][1]), click(moves[i][2], moves[i][3]);
    const Seen s(h.w);
    ((*h).*c.start)();
    const bool computers_turn = c.moves == 1;
    EXPECT_EQ(h->tesuu, 2);
    EXPECT_EQ(h->teban, h->man_te);
    EXPECT_EQ(h->taikyoku_mode, F::mode_com);
    if (!computers_turn) {
      EXPECT_EQ(s.messages(), std::vector<std::string>{"MANの番です"});
      EXPECT_EQ(h.w.messages().back().title, "対局");
    }
    const std::vector<int> music = s.music();
    EXPECT_EQ(!music.empty() && music.front() == h->snd_sentou, c.battle || computers_turn);
  }
}

TEST_F(ComTurn, APlayersMoveBringsTheComputersReply) {
  g->SENTE_Click();
  click(7, 7);
  click(7, 6);
  EXPECT_EQ(g->ban[7][6], F::man_hu);
  EXPECT_EQ(g->tesuu, 2);
  EXPECT_EQ(g->teban, g->man_te);
  EXPECT_EQ(g->kifu_tesuu, 2);
}

}  // namespace
