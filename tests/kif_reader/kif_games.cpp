// The game's side of the check of its KIF by another program's reader.
//
//   kif_games write DIR   random games played on the board by clicks, spells cast on most
//                         turns, every move one the standard rules allow too (the last one
//                         against the computer, which opens from the top): DIR/NN.kif
//                         (Shift-JIS) or NN.kifu (UTF-8) by turns, with the final position in
//                         NN.sfen. DIR/forbidden/ holds games the standard rules forbid, each
//                         with the first ply they forbid in NAME.ply.
//   kif_games final FILE  the KIF read by the game's reader and stepped through to its end: the
//                         position reached, as SFEN.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "kifu/kif.h"
#include "kifu/notation.h"
#include "kifu/sfen.h"
#include "support/Records.h"
#include "support/RulesAgreement.h"

namespace {

using namespace engine;
namespace fs = std::filesystem;
using F = Form1;
using rules_agreement::spell_places;

constexpr unsigned kSeed = 20261209;
constexpr int kGames = 8;
constexpr int kMaxPlies = 120;
constexpr int kSpellOdds = 4;    // a spell on all but one turn in this many
constexpr int kCaptureOdds = 2;  // a capture, when there is one, one turn in this many
constexpr double kMaxThinking = 90;
constexpr int kComputerPlies = 30;  // the player's turns against the computer
constexpr int kComputerTries = 20;  // games against it until one keeps to the standard rules

// The position with no spell in force: what the standard rules see.
Position unsealed(Position p) {
  p.set_seal(kNoPlace);
  return p;
}

bool king_exposed(const Position& p, Side s) {
  return p.king[s] == 0 || attacked(p, opposite(s), p.king[s]);
}

// The move leaves the mover's king safe whatever spell binds the opponent, and is no pawn
// dropped to mate.
bool standard_legal(const Position& p, Move m) {
  const Position next = unsealed(p.after(m));
  if (king_exposed(next, p.side)) return false;
  const bool pawn_drop = m.is_drop() && m.from() == hand_place(Pawn);
  if (!pawn_drop || !king_exposed(next, next.side)) return true;
  MoveList replies;
  generate(next, Generate::All, replies);
  for (const Move r : replies)
    if (!king_exposed(unsealed(next.after(r)), next.side)) return true;
  return false;
}

// The moves the game allows the side to move that the standard rules allow too.
std::vector<Move> standard_moves(const Position& p) {
  MoveList list;
  generate(p, Generate::All, list);
  std::vector<Move> out;
  for (const Move m : list)
    if (standard_legal(p, m)) out.push_back(m);
  return out;
}

// A game on the board, each turn played by clicks as a player makes it.
struct ClickedGame {
  RecordGame g;
  Position kept = Position::initial();

  // 対局(人間) → スタート, or 対局(COM) → 後手 (the computer opens), the clocks running.
  void start(bool computer_opens = false) {
    g.w.checked[static_cast<int>(Menu::KEIKA)] = true;
    computer_opens ? g->GOTE_Click() : g->START_Click();
    kept = from_game(*g, Lower);
  }
  void click(Int column, Int row, Int button = F::button_hidari) { g.click(button, column, row); }
  // The spell's target clicked, then the piece or hand kind, then where it goes.
  void turn(const Position& before, Move m, double thinking) {
    const GameTurn t = to_game(before, m);
    const bool hand_spell = t.code != F::kara && is_hand_place(m.seal());
    if (t.code != F::kara) click(t.tx, hand_spell ? board::hand_row(t.tx, t.ty) : t.ty);
    g.w.now += thinking;
    g->Timer1_Timer();
    const Int from_row = m.is_drop() ? board::hand_row(t.x, t.y) : t.y;
    if (hand_spell) click(t.x, from_row);  // the first click only lets go of the sealed kind
    click(t.x, from_row);
    click(t.x2, t.y2, m.promotes() ? F::button_migi : F::button_hidari);
  }
  // The turn played; false when the game did not end up where the engine says it leads.
  bool play(Move m, double thinking) {
    turn(kept, m, thinking);
    kept = kept.after(m);
    return rules_agreement::same_position(kept, from_game(*g, kept.side));
  }
};

// The position the game or the record shows, as SFEN from 先手's side (▲'s in a handicap).
std::string final_sfen(const Form1& f) {
  const notation::Plies p = notation::record_plies(f);
  const Side mover = p.plies.size() % 2 == 0 ? p.sente : opposite(p.sente);
  return sfen::write(from_game(f, mover), p.named_from) + "\n";
}

void save(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string kif_of(const Form1& f) {
  return kif::write(f, kif::default_header(f));
}

// A move the standard rules allow, a capture preferred half the time, with a spell on most
// turns; empty when there is none.
Move random_turn(const Position& p, std::mt19937& rng) {
  auto roll = [&rng](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
  const std::vector<Move> moves = standard_moves(p);
  if (moves.empty()) return Move{};
  std::vector<Move> captures;
  for (const Move m : moves)
    if (!m.is_drop() && is_piece(p.board[m.to()])) captures.push_back(m);
  const std::vector<Move>& pool = !captures.empty() && roll(kCaptureOdds) == 0 ? captures : moves;
  const Move m = pool[roll(pool.size())];
  if (roll(kSpellOdds) == 0) return m;
  const std::vector<int> places = spell_places(p);
  return m.with_seal(places[roll(places.size())]);
}

double thinking(std::mt19937& rng) {
  return std::uniform_real_distribution<double>(0, kMaxThinking)(rng);
}

// Two people from the start, each turn random.
bool random_game(ClickedGame& c, std::mt19937& rng) {
  c.start();
  for (int ply = 0; ply < kMaxPlies; ++ply) {
    const Position before = c.kept;
    const Move m = random_turn(before, rng);
    if (m.empty()) break;
    if (!c.play(m, thinking(rng))) {
      std::cerr << "kif_games: ply " << ply + 1 << ", " << notation::japanese(before, m, Lower, 0)
                << ", left the game at\n"
                << to_text(from_game(*c.g, c.kept.side)) << "\nnot at\n"
                << to_text(c.kept) << "\n";
      return false;
    }
  }
  return true;
}

// The first ply of the record the standard rules forbid, counted from 1; 0 if none.
long first_forbidden_ply(const Form1& f) {
  const notation::Plies p = notation::record_plies(f);
  for (size_t i = 0; i < p.plies.size(); ++i)
    if (!standard_legal(p.plies[i].before, p.plies[i].turn)) return static_cast<long>(i) + 1;
  return 0;
}

// The computer opens (as 先手, from the top of the board) and answers random turns; true when
// every ply, its own included, is one the standard rules allow.
bool computer_game(ClickedGame& c, std::mt19937& rng) {
  c.start(true);
  for (int ply = 0; ply < kComputerPlies && c.g->shouri_te == F::te_nasi; ++ply) {
    const Position before = from_game(*c.g, Lower);
    const Move m = random_turn(before, rng);
    if (m.empty()) break;
    c.turn(before, m, thinking(rng));
  }
  return notation::record_plies(*c.g).complete && first_forbidden_ply(*c.g) == 0;
}

// The upper king in the corner, its own knight beside it, and a lower gold guarding the square
// in front: a pawn dropped there mates.
bool pawn_drop_mate(ClickedGame& c) {
  c.g.clear_board();
  c.g->ban[1][1] = F::com_ou;
  c.g->ban[2][1] = F::com_kei;
  c.g->ban[2][3] = F::man_kin;
  c.g->ban[5][9] = F::man_ou;
  c.g->mochi_man[board::kHu] = 1;
  c.start();
  return c.play(Move::make(hand_place(Pawn), square(1, 2)), 1);
}

// Game n as NN.kif (Shift-JIS) or NN.kifu (UTF-8) by turns, and its final position.
void save_game(const fs::path& dir, int n, const Form1& f) {
  const std::string name = (n < 10 ? "0" : "") + std::to_string(n);
  const std::string text = kif_of(f);
  const bool sjis = n % 2 == 0;
  save(dir / (name + (sjis ? ".kif" : ".kifu")), sjis ? kif::as_kif(text) : kif::as_kifu(text));
  save(dir / (name + ".sfen"), final_sfen(f));
}

int write_games(const fs::path& dir) {
  fs::create_directories(dir / "forbidden");
  std::mt19937 rng(kSeed);
  for (int n = 0; n < kGames; ++n) {
    ClickedGame c;
    if (!random_game(c, rng)) {
      std::cerr << "kif_games: game " << n << " did not follow its turns\n";
      return 1;
    }
    save_game(dir, n, *c.g);
  }
  for (int tries = 0;; ++tries) {
    if (tries == kComputerTries) {
      std::cerr << "kif_games: the computer broke a standard rule in every game\n";
      return 1;
    }
    ClickedGame c;
    if (!computer_game(c, rng)) continue;
    save_game(dir, kGames, *c.g);
    break;
  }
  // The king left to be taken, and a pawn dropped to mate.
  RecordGame eventful;
  play_eventful_game(eventful);
  ClickedGame mate;
  if (!pawn_drop_mate(mate)) {
    std::cerr << "kif_games: the pawn was not dropped\n";
    return 1;
  }
  const std::pair<const char*, RecordGame*> forbidden[] = {{"king_left", &eventful},
                                                           {"pawn_drop_mate", &mate.g}};
  for (const auto& [name, g] : forbidden) {
    const long ply = first_forbidden_ply(**g);
    if (ply == 0) {
      std::cerr << "kif_games: " << name << " breaks no standard rule\n";
      return 1;
    }
    save(dir / "forbidden" / (std::string(name) + ".kifu"), kif::as_kifu(kif_of(**g)));
    save(dir / "forbidden" / (std::string(name) + ".ply"), std::to_string(ply) + "\n");
  }
  return 0;
}

int final_position(const fs::path& file) {
  RecordGame r;
  std::ifstream in(file, std::ios::binary);
  const std::string refusal = kif::read(*r, in);
  if (!refusal.empty()) {
    std::cerr << "kif_games: " << file << " refused: " << refusal << "\n";
    return 1;
  }
  while (r->kifu_tesuu < r->kifu_saigo) r->AFTER_Click();
  std::cout << final_sfen(*r);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 3 ? argv[1] : "";
  if (mode == "write") return write_games(argv[2]);
  if (mode == "final") return final_position(argv[2]);
  std::cerr << "usage: kif_games write DIR | kif_games final FILE.kif\n";
  return 2;
}
