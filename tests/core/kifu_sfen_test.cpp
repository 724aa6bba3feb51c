// SFEN: the start as USI programs write it, random positions written and read back from either
// side, the board turned round, what is no SFEN, and a position loaded to look at.
#include <gtest/gtest.h>

#include <cstring>

#include "KifuPositions.h"
#include "kifu/sfen.h"
#include "support/Records.h"

namespace {

using namespace engine;
using kifu_positions::turned;

constexpr const char* kStart = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

// Board, hands and side to move alike; SFEN holds no spell.
void expect_same(const Position& a, const Position& b) {
  EXPECT_EQ(std::memcmp(a.board, b.board, sizeof a.board), 0) << to_text(a) << to_text(b);
  EXPECT_EQ(std::memcmp(a.hand, b.hand, sizeof a.hand), 0) << to_text(a) << to_text(b);
  EXPECT_EQ(a.side, b.side);
}

TEST(Sfen, TheStartIsWrittenAsUsiProgramsWriteIt) {
  Position start = Position::initial();
  start.set_side(Lower);
  EXPECT_EQ(sfen::write(start, Lower), kStart);
  const std::optional<Position> read = sfen::read(kStart);
  ASSERT_TRUE(read);
  expect_same(*read, start);
}

TEST(Sfen, RandomPositionsComeBackFromEitherSide) {
  for (const Position& p : kifu_positions::random_positions(5, 6, 150)) {
    for (const Side sente : {Lower, Upper}) {
      const std::string text = sfen::write(p, sente);
      const std::optional<Position> back = sfen::read(text, sente);
      ASSERT_TRUE(back) << text;
      expect_same(*back, p);
    }
    EXPECT_EQ(sfen::write(turned(p), Upper), sfen::write(p, Lower));
  }
}

TEST(Sfen, WhatIsNoPositionIsRefused) {
  const char* bad[] = {
      "",
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1 b - 1",
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL/9 b - 1",
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSN b - 1",
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSG+KGSNL b - 1",
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL x - 1",
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b P 1",
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b K 1",
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b 2 1",
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1 more",
      "4k4/9/9/9/9/9/9/9/3KK4 b - 1",
      "4k4/9/9/9/9/9/9/9/4K4 b 19P 1",
  };
  for (const char* text : bad) EXPECT_FALSE(sfen::read(text)) << text;
}

// A position loaded is a record of it alone: on the board, nothing to step to.
TEST(Sfen, APositionLoadsAsARecordToLookAt) {
  const std::string text = "4k4/9/4P4/9/9/9/9/9/4K4 w 2Gr 7";
  RecordGame r;
  ASSERT_EQ(sfen::load(*r, text), "");
  EXPECT_EQ(r->kifu_mode, Form1::ari);
  EXPECT_EQ(r->kifu_saigo, 0);
  expect_same(from_game(*r, Upper), *sfen::read(text));
  EXPECT_EQ(r->mochi_man[5], 2);
  RecordGame g;
  EXPECT_EQ(sfen::load(*g, "4k4 b - 1"), "SFENではありません");
  EXPECT_EQ(g->kifu_mode, Form1::nasi);
}

}  // namespace
