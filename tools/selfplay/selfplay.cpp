// The computer against itself, seals included, with every invariant of the position checked
// after every move.
//
//   selfplay --games N --level L --seed S [--dump FILE --dump-every K]
//   selfplay --decide FILE      the decision for each position of FILE at each level
//   selfplay --bench FILE       every position of FILE searched at every level to a fixed
//                               depth; the last line is `bench NODES`, the same on every machine
//   selfplay --match A:B --games N --seed S [--nodes K | --seconds T]
//                               level A against level B from random openings, each opening
//                               played twice with the sides exchanged; LEVEL4 searches K nodes
//                               or T seconds a move; --dump FILE keeps where unfinished games
//                               ended (and every K plies with --dump-every K). A level 4 may
//                               name its strength, 4s0 (入門) to 4s4 (最強, as plain 4)
//
// The side to move always plays the upper pieces: after each move the whole position is
// turned round (board, hands, totals and seals). Level 0 plays every game at each level in turn.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Strength.h"
#include "shell/BoardTerms.h"
#include "shell/QuietWindow.h"
#include "support/ComDecision.h"
#include "support/PositionText.h"
#include "tools/selfplay/BenchNodes.h"

namespace {

using F = Form1;
using Clock = std::chrono::steady_clock;

constexpr int kMaxPlies = 400;
constexpr int kPiecesInPlay = 40;
constexpr int kMinOpening = 2, kMaxOpening = 6;  // random plies before the computer plays
constexpr Int kTurn = F::ban_max + 1;

// A player of a match: its level and, at level 4, its strength.
struct Player {
  int level = 0, strength = engine::kStrongest;
  bool operator==(const Player&) const = default;
  std::string name() const {
    return std::to_string(level) + (level == F::探索_レベル && strength != engine::kStrongest
                                        ? "s" + std::to_string(strength)
                                        : "");
  }
};

// "4s1" is level 4 at strength 1; "3" is level 3.
bool parse_player(const std::string& text, Player& p) {
  char* end = nullptr;
  p.level = static_cast<int>(std::strtol(text.c_str(), &end, 10));
  if (*end == 's') p.strength = static_cast<int>(std::strtol(end + 1, &end, 10));
  return *end == '\0' && p.strength >= 0 && p.strength <= engine::kStrongest;
}

// "A:B", two players.
bool parse_match(const std::string& text, Player (&players)[2]) {
  const size_t colon = text.find(':');
  return colon != std::string::npos && parse_player(text.substr(0, colon), players[0]) &&
         parse_player(text.substr(colon + 1), players[1]);
}

struct Options {
  int games = 10, level = 3;
  unsigned seed = 1;
  std::string dump, suite, bench;
  int dump_every = 0;
  Player match[2];     // the two players of a match; none when level 0
  long nodes = 0;      // LEVEL4's node limit
  double seconds = 1;  // LEVEL4's time a move
};

struct Move {
  Int x, y, x2, y2, before, after;
};

enum class End { KingTaken, NoMove, PlyLimit, Broken };

bool real_code(Int c) {
  using board::kUpperCodes;
  const Int a = static_cast<Int>(std::abs(c));
  return c == F::kara ||
         std::find(std::begin(kUpperCodes), std::end(kUpperCodes), a) != std::end(kUpperCodes);
}

// The whole position turned round: the mover always holds the positive codes.
void turn_round(F& f) {
  f.COM_MAN_入替処理();
  std::swap(f.mochi_man_kei, f.mochi_com_kei);
  Int man[10][10], com[10][10];
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) {
      man[x][y] = f.huu_man[x][y];
      com[x][y] = f.huu_com[x][y];
      f.huu_man[x][y] = f.huu_com[x][y] = F::nasi;
    }
  for (int x = 1; x <= F::ban_max; ++x)
    for (int y = 1; y <= F::ban_max; ++y) {
      f.huu_man[kTurn - x][kTurn - y] = com[x][y];
      f.huu_com[kTurn - x][kTurn - y] = man[x][y];
    }
  for (int k = 1; k <= F::mochi_max; ++k) std::swap(f.huu_mochi_man[k], f.huu_mochi_com[k]);
}

// What must hold after every move; an empty string when all is well.
std::string broken(const F& f, bool king_taken) {
  int pieces = 0, seals_man = 0, seals_com = 0;
  for (int x = 1; x <= F::ban_max; ++x)
    for (int y = 1; y <= F::ban_max; ++y) {
      const Int c = f.ban[x][y];
      if (!real_code(c)) return "a square holds code " + std::to_string(c);
      if (c != F::kara) ++pieces;
      if (f.huu_man[x][y] == F::ari || f.huu_com[x][y] == F::ari) {
        if (c == F::kara) return "a seal lies on an empty square";
        seals_man += f.huu_man[x][y] == F::ari;
        seals_com += f.huu_com[x][y] == F::ari;
      }
    }
  int man_total = 0, com_total = 0;
  for (int k = 1; k <= F::mochi_max; ++k) {
    if (f.mochi_man[k] < 0 || f.mochi_com[k] < 0) return "a negative hand count";
    man_total += f.mochi_man[k];
    com_total += f.mochi_com[k];
    seals_man += f.huu_mochi_man[k] == F::ari;
    seals_com += f.huu_mochi_com[k] == F::ari;
    if ((f.huu_mochi_man[k] == F::ari && f.mochi_man[k] == 0) ||
        (f.huu_mochi_com[k] == F::ari && f.mochi_com[k] == 0))
      return "a seal lies on an empty hand kind";
  }
  // A taken king counts in its captor's total but enters no hand.
  if (!king_taken && (man_total != f.mochi_man_kei || com_total != f.mochi_com_kei))
    return "hand totals disagree";
  if (seals_man > 1 || seals_com > 1) return "a side has more than one seal in force";
  if (!king_taken && pieces + man_total + com_total != kPiecesInPlay)
    return "pieces lost or made: " + std::to_string(pieces + man_total + com_total);
  return {};
}

// A random legal board move of the upper side, for the opening.
bool random_move(F& f, std::mt19937& rng) {
  std::vector<Move> moves;
  for (Int x = 1; x <= F::ban_max; ++x)
    for (Int y = 1; y <= F::ban_max; ++y)
      if (f.ban[x][y] >= F::com_hu)
        for (Int x2 = 1; x2 <= F::ban_max; ++x2)
          for (Int y2 = 1; y2 <= F::ban_max; ++y2)
            if (f.移動チェック(x, y, x2, y2, f.ban[x][y]) == F::ari &&
                f.移動後チェック(y2, f.ban[x][y]) == F::ari)
              moves.push_back({x, y, x2, y2, f.ban[x][y], f.ban[x][y]});
  if (moves.empty()) return false;
  const Move m = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
  f.駒移動(m.x, m.y, m.x2, m.y2, m.after);
  return true;
}

struct Stats {
  int games = 0, king_taken = 0, no_move = 0, ply_limit = 0, broken = 0;
  long plies = 0, decisions = 0;
  double slowest = 0, total = 0;
  double slowest_at[F::探索_レベル + 1] = {};           // by level
  std::uint64_t fingerprint = 14695981039346656037ull;  // FNV-1a over every decision

  void remember(const std::string& text) {
    for (const char c : text)
      fingerprint = (fingerprint ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
};

// One move of the upper side as the computer plays it: choice, spell, move, seals released.
End computer_move(F& f, Stats& st) {
  const auto start = Clock::now();
  const ComDecision d = decide(f);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!d.found()) return End::NoMove;
  st.remember(d.text());
  st.slowest = std::max(st.slowest, seconds);
  if (f.level >= 1 && f.level <= F::探索_レベル)
    st.slowest_at[f.level] = std::max(st.slowest_at[f.level], seconds);
  st.total += seconds;
  ++st.decisions;
  if (d.code != F::kara) f.駒処理_封(d.tx, d.ty);
  f.駒移動(d.x, d.y, d.x2, d.y2, d.after);
  f.駒処理_開放(f.man_te);  // the seal the other side cast is spent
  return f.shouri_te != F::te_nasi ? End::KingTaken : End::PlyLimit;
}

// The decision of every position of a suite at every level, one line each.
void decide_suite(F& f, const std::string& path) {
  std::ifstream in(path);
  std::string name;
  std::vector<std::string> texts;
  while (position_text::read(in, f, name)) texts.push_back(position_text::write(f, name));
  for (const std::string& t : texts)
    for (Int level = 1; level <= 3; ++level) {
      std::istringstream one(t);
      position_text::read(one, f, name);
      f.level = level;
      f.勢力調査();
      std::printf("%s | %d | %s\n", name.c_str(), level, decide(f).text().c_str());
    }
}

// One game; players[n % 2] plays ply n.
End play(F& f, const Player (&players)[2], std::mt19937& rng, Stats& st, const Options& o, int game,
         int& plies, std::ofstream* dump) {
  f.初期設定();
  f.探索_局面数 = o.nodes;
  f.探索_秒 = static_cast<Single>(o.seconds);
  f.探索_種 = o.seed + static_cast<unsigned>(game);
  const int opening = std::uniform_int_distribution<int>(kMinOpening, kMaxOpening)(rng);
  for (plies = 0; plies < opening; ++plies) {
    if (!random_move(f, rng)) return End::NoMove;
    turn_round(f);
  }
  while (plies < kMaxPlies) {
    f.level = static_cast<Int>(players[plies % 2].level);
    f.探索_強さ = static_cast<Int>(players[plies % 2].strength);
    const End e = computer_move(f, st);
    if (e == End::NoMove) return e;
    ++plies;
    const std::string why = broken(f, e == End::KingTaken);
    if (!why.empty()) {
      std::printf("game %d, ply %d: %s\n%s", game, plies, why.c_str(),
                  position_text::write(f, "broken").c_str());
      return End::Broken;
    }
    if (e == End::KingTaken) return e;
    turn_round(f);
    if (dump && o.dump_every > 0 && plies % o.dump_every == 0)
      *dump << position_text::write(f, "game " + std::to_string(game) + " level " +
                                           std::to_string(f.level) + " ply " +
                                           std::to_string(plies))
            << "\n";
  }
  return End::PlyLimit;
}

Options parse(int argc, char** argv) {
  Options o;
  // --bench alone searches the benchmark suite of the source tree.
  if (argc == 2 && std::string(argv[1]) == "--bench") {
    o.bench = LUMINAK_COM_POSITIONS;
    return o;
  }
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--games")
      o.games = std::atoi(argv[i + 1]);
    else if (a == "--level")
      o.level = std::atoi(argv[i + 1]);
    else if (a == "--seed")
      o.seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    else if (a == "--dump")
      o.dump = argv[i + 1];
    else if (a == "--dump-every")
      o.dump_every = std::atoi(argv[i + 1]);
    else if (a == "--decide")
      o.suite = argv[i + 1];
    else if (a == "--bench")
      o.bench = argv[i + 1];
    else if (a == "--match" && parse_match(argv[i + 1], o.match))
      continue;
    else if (a == "--nodes")
      o.nodes = std::atol(argv[i + 1]);
    else if (a == "--seconds")
      o.seconds = std::atof(argv[i + 1]);
    else {
      std::fprintf(stderr,
                   "usage: selfplay --games N --level L --seed S\n"
                   "       selfplay --decide FILE | --bench FILE\n"
                   "       selfplay --match A:B --games N --seed S [--nodes K | --seconds T]\n");
      std::exit(2);
    }
  }
  return o;
}

// The Elo difference of a score fraction, in whole points.
long elo(double score) {
  return std::lround(-400 * std::log10(1 / score - 1));
}

// Level A against level B. Each opening is played twice, A moving first in the first game.
// Unfinished games count half a point each way. The Elo interval is the normal approximation
// of the score's standard error (95 %); a score of all or nothing counts half a game the other
// way, so that the figures stay finite (then the estimate is a bound, not a measurement).
int run_match(F& f, const Options& o) {
  if (o.games < 1) {
    std::fprintf(stderr, "selfplay: a match needs at least one game\n");
    return 2;
  }
  Stats st;
  std::ofstream dump;
  if (!o.dump.empty()) dump.open(o.dump);
  int wins = 0, losses = 0, unfinished = 0;
  for (int g = 0; g < o.games; ++g) {
    const bool a_first = g % 2 == 0;
    const Player players[2] = {a_first ? o.match[0] : o.match[1],
                               a_first ? o.match[1] : o.match[0]};
    std::mt19937 rng(o.seed + static_cast<unsigned>(g / 2));
    int plies = 0;
    const End e = play(f, players, rng, st, o, g, plies, dump.is_open() ? &dump : nullptr);
    if (e == End::PlyLimit && dump.is_open())  // where an unfinished game stood at its end
      dump << position_text::write(f, "game " + std::to_string(g + 1) + " unfinished") << "\n";
    ++st.games;
    st.plies += plies;
    // Who moved last took the king; who was to move and could not, lost.
    const int winner = e == End::KingTaken ? (plies - 1) % 2 : (plies + 1) % 2;
    const bool a_won = (winner == 0) == a_first;
    if (e == End::Broken) ++st.broken;
    if (e == End::PlyLimit || e == End::Broken || o.match[0] == o.match[1])
      ++unfinished;
    else
      ++(a_won ? wins : losses);
    std::printf("game %d: %s, %d plies\n", g + 1,
                e == End::PlyLimit ? "unfinished"
                : e == End::Broken ? "broken"
                : a_won            ? "won"
                                   : "lost",
                plies);
    std::fflush(stdout);
  }
  // All or nothing: half a game goes the other way.
  const double n = o.games;
  double w = wins, l = losses;
  if (w == n) w -= 0.5, l += 0.5;
  if (l == n) l -= 0.5, w += 0.5;
  const double p = (w + 0.5 * unfinished) / n;
  const double variance =
      (w * (1 - p) * (1 - p) + l * p * p + unfinished * (0.5 - p) * (0.5 - p)) / n;
  const double margin = 1.96 * std::sqrt(variance / n), edge = 0.25 / n;
  const double low = std::max(p - margin, edge), high = std::min(p + margin, 1 - edge);
  std::printf("plies %ld (%.1f a game); level %s decisions: slowest %.1f ms", st.plies,
              st.games ? double(st.plies) / st.games : 0.0, o.match[0].name().c_str(),
              1e3 * st.slowest_at[std::clamp(o.match[0].level, 0, int(F::探索_レベル))]);
  if (o.nodes > 0)
    std::printf(" (%ld nodes a move)\n", o.nodes);
  else
    std::printf(" (budget %.0f ms)\n", 1e3 * o.seconds);
  std::printf("broken %d\n", st.broken);
  std::printf("match %s:%s: %d wins, %d losses, %d unfinished of %d; Elo %ld ± %ld\n",
              o.match[0].name().c_str(), o.match[1].name().c_str(), wins, losses, unfinished,
              o.games, elo(p), (elo(high) - elo(low) + 1) / 2);
  return st.broken == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const Options o = parse(argc, argv);
  QuietWindow w;
  F f(w);
  if (!o.suite.empty()) {
    decide_suite(f, o.suite);
    return 0;
  }
  if (!o.bench.empty()) {
    std::ifstream in(o.bench);
    if (!in) {
      std::fprintf(stderr, "selfplay: cannot read %s\n", o.bench.c_str());
      return 2;
    }
    std::printf("bench %ld\n", bench_nodes::total(f, in));
    return 0;
  }
  if (o.match[0].level != 0) return run_match(f, o);
  std::ofstream dump_file;
  if (!o.dump.empty()) dump_file.open(o.dump);
  Stats st;
  for (int g = 0; g < o.games; ++g) {
    const int level = o.level >= 1 && o.level <= 3 ? o.level : g % 3 + 1;
    const Player players[2] = {{level}, {level}};
    std::mt19937 rng(o.seed + static_cast<unsigned>(g));
    int plies = 0;
    const End e =
        play(f, players, rng, st, o, g, plies, dump_file.is_open() ? &dump_file : nullptr);
    ++st.games;
    st.plies += plies;
    switch (e) {
      case End::KingTaken:
        ++st.king_taken;
        break;
      case End::NoMove:
        ++st.no_move;
        break;
      case End::PlyLimit:
        ++st.ply_limit;
        break;
      case End::Broken:
        ++st.broken;
        break;
    }
  }
  std::printf("games %d: king taken %d, no legal move %d, %d plies reached %d, broken %d\n",
              st.games, st.king_taken, st.no_move, kMaxPlies, st.ply_limit, st.broken);
  std::printf("fingerprint of the decisions %016llx\n",
              static_cast<unsigned long long>(st.fingerprint));
  std::printf("plies %ld (%.1f a game); decisions %ld, mean %.3f ms, slowest %.3f ms\n", st.plies,
              st.games ? double(st.plies) / st.games : 0.0, st.decisions,
              st.decisions ? 1e3 * st.total / st.decisions : 0.0, 1e3 * st.slowest);
  return st.broken == 0 ? 0 : 1;
}
