// The words KIF writer and reader share: header keys, the one-character piece names of a board
// diagram, the standard handicaps, numbers written in kanji, and the seal's comment.
#pragma once

#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/Position.h"

namespace kif::terms {

using namespace engine;

constexpr std::string_view kColon = "：";
constexpr std::string_view kStarted = "開始日時", kTitle = "表題", kHandicap = "手合割";
constexpr std::string_view kSente = "先手", kGote = "後手", kShitate = "下手", kUwate = "上手";
constexpr std::string_view kEven = "平手", kOther = "その他";
constexpr std::string_view kHandSuffix = "の持駒";
constexpr std::string_view kToMoveSuffix = "番";
constexpr std::string_view kMovesHeading = "手数----指手---------消費時間--";
constexpr std::string_view kSpellComment = "*封印 ";
constexpr std::string_view kSpellHand = "持駒";
constexpr std::string_view kUtf8Line = "#KIF version=2.0 encoding=UTF-8";
// Ours: 先手 (下手) sits at the top of this program's board, as when the computer moved first.
constexpr std::string_view kSenteOnTop = "#先手（下手）は盤の上側";
constexpr std::string_view kInterrupted = "中断";
constexpr std::string_view kNone = "なし";
constexpr std::string_view kEnemyMark = "v";
constexpr std::string_view kBodEmpty = " ・";
constexpr std::string_view kBodBorder = "+---------------------------+";
constexpr std::string_view kBodFiles = "  ９ ８ ７ ６ ５ ４ ３ ２ １";
constexpr std::string_view kFullSpace = "　";

// One character a piece on a board diagram.
constexpr std::array<std::string_view, KindCount> kBodNames = {
    "・", "歩", "香", "桂", "銀", "金", "角", "飛", "玉", "と", "杏", "圭", "全", "馬", "龍"};
// Kanji numbers 0 .. 10; larger counts are 十 and a digit.
constexpr std::array<std::string_view, 11> kKanji = {"",   "一", "二", "三", "四", "五",
                                                     "六", "七", "八", "九", "十"};
// Every piece of the game, by unpromoted kind: no position may hold more.
constexpr int kSetCounts[King + 1] = {0, 18, 4, 4, 4, 4, 2, 2, 2};

// Hand kinds in the order a diagram lists them.
constexpr Kind kHandOrder[] = {Rook, Bishop, Gold, Silver, Knight, Lance, Pawn};

// A standard handicap: the pieces 上手 plays without, squares seen from 下手's side.
struct Off {
  int file, rank;
  Kind kind;
};
struct Handicap {
  std::string_view name;
  int count;
  std::array<Off, 10> off;
};
constexpr Off kBishop{2, 2, Bishop}, kRook{8, 2, Rook}, kLance1{1, 1, Lance}, kLance9{9, 1, Lance},
    kKnight2{2, 1, Knight}, kKnight8{8, 1, Knight}, kSilver3{3, 1, Silver}, kSilver7{7, 1, Silver},
    kGold4{4, 1, Gold}, kGold6{6, 1, Gold};
constexpr Handicap kHandicaps[] = {
    {kEven, 0, {}},
    {"香落ち", 1, {kLance1}},
    {"右香落ち", 1, {kLance9}},
    {"角落ち", 1, {kBishop}},
    {"飛車落ち", 1, {kRook}},
    {"飛香落ち", 2, {kRook, kLance1}},
    {"二枚落ち", 2, {kBishop, kRook}},
    {"四枚落ち", 4, {kBishop, kRook, kLance1, kLance9}},
    {"六枚落ち", 6, {kBishop, kRook, kLance1, kLance9, kKnight2, kKnight8}},
    {"八枚落ち", 8, {kBishop, kRook, kLance1, kLance9, kKnight2, kKnight8, kSilver3, kSilver7}},
    {"十枚落ち",
     10,
     {kBishop, kRook, kLance1, kLance9, kKnight2, kKnight8, kSilver3, kSilver7, kGold4, kGold6}},
};

// The game's square of a standard file and rank seen from `sente`'s side.
constexpr int game_square(int file, int rank, Side sente) {
  return sente == Lower ? square(kFiles + 1 - file, rank) : square(file, kRanks + 1 - rank);
}

// The start of a handicap: the full set-up, 上手 (`giver`) without its pieces.
inline Position handicap_start(const Handicap& h, Side giver) {
  Position p = Position::initial();
  for (int i = 0; i < h.count; ++i)
    p.put(game_square(h.off[i].file, h.off[i].rank, opposite(giver)), kEmpty);
  return p;
}

// The standard handicap (平手 among them) `p` starts, `giver` playing without its pieces.
inline const Handicap* handicap_of(const Position& p, Side giver) {
  for (const Handicap& h : kHandicaps) {
    const Position start = handicap_start(h, giver);
    if (std::memcmp(start.board, p.board, sizeof p.board) == 0 &&
        std::memcmp(start.hand, p.hand, sizeof p.hand) == 0)
      return &h;
  }
  return nullptr;
}

inline std::string kanji_number(int n) {
  constexpr int kTen = 10;
  if (n <= kTen) return std::string(kKanji[n]);
  return std::string(kKanji[kTen]) + std::string(kKanji[n % kTen]);
}

}  // namespace kif::terms
