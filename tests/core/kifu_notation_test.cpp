// Notation of turns: every piece, promotion taken and declined, drops, 同, the relative words and
// the spell, Japanese against Western, the board turned round, and a played game's plies.
#include <gtest/gtest.h>

#include <set>

#include "KifuPositions.h"
#include "kifu/notation.h"
#include "support/Records.h"

namespace {

using namespace engine;
using kifu_positions::from_text;
using kifu_positions::turned;

// Lower golds on 6二, 6三, 5三 and 4三, one more in hand; the kings far apart.
constexpr const char* kGolds = R"(k . . . . . . . .
. . . G . . . . .
. . . G G G . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . K . . . .
hands: G1 / )";
constexpr const char* kSilvers = R"(k . . S . . . . .
. . . . . . . . .
. . . . . S . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . K . . . .
hands: / )";
constexpr const char* kDragons = R"(k . . . . . . . .
+R . . . . . . . +R
. . . . . . . . .
. . . . . . . . .
. . +B . +R . +B . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . K . . . .
hands: / )";
// One of each kind for the lower side, each with a move of its own, and upper pieces to take.
constexpr const char* kEveryPiece = R"(k . . . . . . . .
. r . . . . b . .
. . . . p . . . .
. . L . . . . . .
P . . . . N . . .
. . . S . . . +P .
+L . . . G . . . .
. +N . . . +S . B R
. . . . K . . . .
hands: P1 N1 / g1)";

constexpr Side L = Lower, U = Upper;

struct Case {
  const char* name;
  const char* position;
  Side mover, sente;
  int from_x, from_y;  // from_x 0: a drop of kind from_y
  int to_x, to_y;
  bool promote;
  int seal;  // a place, or kNoPlace
  int previous_to;
  const char* japanese;
  const char* western;
};

constexpr int drop = 0;
constexpr int hand(int kind) {
  return hand_place(kind);
}

const Case kCases[] = {
    {"straight", kGolds, L, L, 5, 3, 5, 2, false, kNoPlace, 0, "▲５二金直", "G5c-5b"},
    {"left", kGolds, L, L, 4, 3, 5, 2, false, kNoPlace, 0, "▲５二金左上", "G6c-5b"},
    {"right", kGolds, L, L, 6, 3, 5, 2, false, kNoPlace, 0, "▲５二金右", "G4c-5b"},
    {"sideways", kGolds, L, L, 4, 2, 5, 2, false, kNoPlace, 0, "▲５二金寄", "G6b-5b"},
    {"drop where golds go", kGolds, L, L, drop, Gold, 5, 2, false, kNoPlace, 0, "▲５二金打",
     "G*5b"},
    {"drop where none go", kGolds, L, L, drop, Gold, 5, 5, false, kNoPlace, 0, "▲５五金", "G*5e"},
    {"back", kSilvers, L, L, 4, 1, 5, 2, false, kNoPlace, 0, "▲５二銀引不成", "S6a-5b="},
    {"up", kSilvers, L, L, 6, 3, 5, 2, true, kNoPlace, 0, "▲５二銀上成", "S4c-5b+"},
    {"dragon along the row", kDragons, L, L, 1, 2, 5, 2, false, kNoPlace, 0, "▲５二龍左",
     "+R9b-5b"},
    {"dragon up", kDragons, L, L, 5, 5, 5, 2, false, kNoPlace, 0, "▲５二龍上", "+R5e-5b"},
    {"horse left", kDragons, L, L, 3, 5, 5, 3, false, kNoPlace, 0, "▲５三馬左", "+B7e-5c"},
    {"horse right", kDragons, L, L, 7, 5, 5, 3, false, kNoPlace, 0, "▲５三馬右", "+B3e-5c"},
    {"pawn", kEveryPiece, L, L, 1, 5, 1, 4, false, kNoPlace, 0, "▲９四歩", "P-9d"},
    {"lance promotes", kEveryPiece, L, L, 3, 4, 3, 2, true, kNoPlace, 0, "▲７二香成", "L-7b+"},
    {"knight declines", kEveryPiece, L, L, 6, 5, 5, 3, false, kNoPlace, 0, "▲５三桂不成", "Nx5c="},
    {"silver", kEveryPiece, L, L, 4, 6, 4, 5, false, kNoPlace, 0, "▲６五銀", "S-6e"},
    {"gold", kEveryPiece, L, L, 5, 7, 5, 6, false, kNoPlace, 0, "▲５六金", "G-5f"},
    {"bishop", kEveryPiece, L, L, 8, 8, 6, 6, false, kNoPlace, 0, "▲４六角", "B-4f"},
    {"rook promotes", kEveryPiece, L, L, 9, 8, 9, 1, true, kNoPlace, 0, "▲１一飛成", "R-1a+"},
    {"king", kEveryPiece, L, L, 5, 9, 6, 9, false, kNoPlace, 0, "▲４九玉", "K-4i"},
    {"tokin", kEveryPiece, L, L, 8, 6, 8, 5, false, kNoPlace, 0, "▲２五と", "+P-2e"},
    {"promoted lance", kEveryPiece, L, L, 1, 7, 1, 6, false, kNoPlace, 0, "▲９六成香", "+L-9f"},
    {"promoted knight", kEveryPiece, L, L, 2, 8, 2, 7, false, kNoPlace, 0, "▲８七成桂", "+N-8g"},
    {"promoted silver", kEveryPiece, L, L, 6, 8, 6, 7, false, kNoPlace, 0, "▲４七成銀", "+S-4g"},
    {"pawn drop", kEveryPiece, L, L, drop, Pawn, 2, 4, false, kNoPlace, 0, "▲８四歩", "P*8d"},
    {"same square", kEveryPiece, L, L, 6, 5, 5, 3, true, kNoPlace, square(5, 3), "▲同　桂成",
     "Nx5c+"},
    {"upper side", kEveryPiece, U, L, 2, 2, 2, 5, false, kNoPlace, 0, "△８五飛", "R-8e"},
    {"upper side first", kEveryPiece, U, U, 7, 2, 4, 5, false, kNoPlace, 0, "▲４五角", "B-4e"},
    {"spell on the board", kEveryPiece, L, L, 1, 5, 1, 4, false, square(2, 2), 0,
     "▲９四歩　封８二飛", "P-9d Seal 8b R"},
    {"spell in hand", kEveryPiece, L, L, 1, 5, 1, 4, false, hand(Gold), 0, "▲９四歩　封持金",
     "P-9d Seal hand G"},
    {"upper spell", kEveryPiece, U, U, 2, 2, 2, 5, false, square(9, 8), 0, "▲２五飛　封９二飛",
     "R-2e Seal 9b R"},
};

Move move_of(const Case& c) {
  const int from = c.from_x == drop ? hand_place(c.from_y) : square(c.from_x, c.from_y);
  return Move::make(from, square(c.to_x, c.to_y), c.promote, c.seal);
}

class Notation : public ::testing::TestWithParam<Case> {};

TEST_P(Notation, IsWrittenAsPlayersWriteIt) {
  const Case& c = GetParam();
  const Position p = from_text(c.position, c.mover);
  const Move m = move_of(c);
  MoveList legal;
  generate(p, Generate::All, legal);
  ASSERT_NE(std::find(legal.begin(), legal.end(), m.plain()), legal.end()) << "not a legal move";
  EXPECT_EQ(notation::japanese(p, m, c.sente, c.previous_to), c.japanese);
  EXPECT_EQ(notation::western(p, m, c.sente, c.previous_to), c.western);
}

// The same game turned round, with the other side as 先手, is written the same.
TEST_P(Notation, IsTheSameOnTheBoardTurnedRound) {
  const Case& c = GetParam();
  const Position p = from_text(c.position, c.mover);
  const Move m = move_of(c);
  const int previous = c.previous_to == 0 ? 0 : kifu_positions::turned_square(c.previous_to);
  EXPECT_EQ(notation::japanese(turned(p), turned(m), opposite(c.sente), previous), c.japanese);
  EXPECT_EQ(notation::western(turned(p), turned(m), opposite(c.sente), previous), c.western);
}

INSTANTIATE_TEST_SUITE_P(Cases, Notation, ::testing::ValuesIn(kCases), [](const auto& info) {
  std::string name = info.param.name;
  for (char& ch : name)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return name;
});

// Over random positions: each legal move has notation of its own in both systems, and the two
// agree on the square, on promotion taken or declined, and on when the origin must be told.
TEST(NotationAgreement, EveryMoveIsToldApartAndBothSystemsAgree) {
  for (const Position& p : kifu_positions::random_positions(7, 6, 120)) {
    MoveList legal;
    generate(p, Generate::All, legal);
    std::set<std::string> japanese, western;
    for (const Move m : legal) {
      const notation::Written w = notation::written(p, m, Lower, 0);
      const std::string j = notation::japanese(p, m, Lower, 0);
      const std::string e = notation::western(p, m, Lower, 0);
      EXPECT_TRUE(japanese.insert(j).second) << j << "\n" << to_text(p);
      EXPECT_TRUE(western.insert(e).second) << e << "\n" << to_text(p);
      EXPECT_NE(e.find(notation::western_square(m.to(), Lower)), std::string::npos) << e;
      EXPECT_EQ(w.destination, notation::japanese_square(m.to(), Lower));
      EXPECT_EQ(w.promotion == "成", e.back() == '+') << j << " " << e;
      EXPECT_EQ(w.promotion == "不成", e.back() == '=') << j << " " << e;
      const bool origin =
          !m.is_drop() && e.find(notation::western_square(m.from(), Lower)) != std::string::npos;
      EXPECT_EQ(!w.relative.empty(), origin) << j << " " << e;
    }
  }
}

TEST(NotationAgreement, RandomPositionsTurnedRoundAreWrittenTheSame) {
  for (const Position& p : kifu_positions::random_positions(11, 3, 100)) {
    MoveList legal;
    generate(p, Generate::All, legal);
    for (const Move m : legal)
      EXPECT_EQ(notation::japanese(p, m, Lower, 0),
                notation::japanese(turned(p), turned(m), Upper, 0));
  }
}

// The eventful game of two people, read back from the game and from its saved record.
TEST(RecordPlies, APlayedGameIsReadBackPlyByPly) {
  RecordGame g;
  play_eventful_game(g);
  const std::vector<std::string> expected = {
      "▲７六歩", "△３四歩　封８八角", "▲１六歩", "△９四歩",   "▲２二角成",
      "△同　銀", "▲２四角　封持角",   "△９五歩", "▲４二角成", "△１四歩"};
  const notation::Plies plies = notation::record_plies(*g);
  EXPECT_TRUE(plies.complete);
  EXPECT_EQ(plies.sente, Lower);
  EXPECT_EQ(notation::japanese_plies(plies), expected);
  for (size_t i = 0; i < plies.plies.size(); ++i) EXPECT_EQ(plies.plies[i].snapshot, long(i));

  g.save("k");
  RecordGame r;
  r.write("k.棋譜", g.read("k.棋譜"));
  r.load("k.棋譜");
  const notation::Plies loaded = notation::record_plies(*r);
  EXPECT_TRUE(loaded.complete);
  // The record file ends with the position before the game's last move.
  EXPECT_EQ(notation::japanese_plies(loaded),
            std::vector<std::string>(expected.begin(), expected.end() - 1));
}

// The computer moved first: the upper side is 先手, and squares are named from its side.
TEST(RecordPlies, AGameTheUpperSideOpenedNamesSquaresFromItsSide) {
  RecordGame g;
  g->GOTE_Click();
  g.move(7, 7, 7, 6);  // the computer replies at once
  const notation::Plies plies = notation::record_plies(*g);
  ASSERT_EQ(plies.plies.size(), 3u);
  EXPECT_EQ(plies.sente, Upper);
  const std::vector<std::string> text = notation::japanese_plies(plies);
  EXPECT_EQ(text[0].rfind("▲", 0), 0u);
  EXPECT_EQ(text[1], "△７四歩") << "the lower pawn seen from the upper side";
  EXPECT_EQ(text[2].rfind("▲", 0), 0u);
}

}  // namespace
