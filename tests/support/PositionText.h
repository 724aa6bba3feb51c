// Positions as text, for benchmark suites and self-play dumps:
//
//   = a name
//   l n s g k g s n l        nine rows from the top, nine squares from the left
//   . r . . . . . b .        upper side (positive codes) lower case, lower side upper case:
//   ...                      p pawn, l lance, n knight, s silver, g gold, b bishop, r rook,
//                            k king; '+' before a letter promotes it, '*' after it seals it
//   hands: P2 S1* / p1 b1    the lower hand, then the upper hand; '*' seals that kind
#pragma once

#include <cstdlib>
#include <istream>
#include <sstream>
#include <string>
#include <vector>

#include "shell/Form1.h"

namespace position_text {

using F = Form1;

struct Kind {
  char letter;
  Int code;  // the upper side's plain code
  int hand;  // hand kind, 0 for the king
};
constexpr Kind kKinds[] = {{'p', F::com_hu, 1},  {'l', F::com_kyou, 2}, {'n', F::com_kei, 3},
                           {'s', F::com_gin, 4}, {'g', F::com_kin, 5},  {'b', F::com_kaku, 6},
                           {'r', F::com_sya, 7}, {'k', F::com_ou, 0}};

inline const Kind* kind_of_letter(char c) {
  const char lower = static_cast<char>(c | 0x20);
  for (const Kind& k : kKinds)
    if (k.letter == lower) return &k;
  return nullptr;
}
inline const Kind* kind_of_code(Int code) {
  const Int plain = static_cast<Int>(std::abs(code) / 10 * 10);
  for (const Kind& k : kKinds)
    if (k.code == plain) return &k;
  return nullptr;
}
inline char letter(const Kind& k, bool upper_side) {
  return upper_side ? k.letter : static_cast<char>(k.letter - 'a' + 'A');
}

inline std::string square(const F& f, int x, int y) {
  const Int code = f.ban[x][y];
  const Kind* k = kind_of_code(code);
  if (code == F::kara || k == nullptr) return ".";
  std::string s;
  if (std::abs(code) != k->code) s += '+';
  s += letter(*k, code > 0);
  if ((code > 0 ? f.huu_com : f.huu_man)[x][y] == F::ari) s += '*';
  return s;
}

inline std::string hand(const Int (&counts)[8], const Int (&sealed)[8], bool upper_side) {
  std::string s;
  for (const Kind& k : kKinds) {
    if (k.hand == 0 || counts[k.hand] <= 0) continue;
    s += ' ';
    s += letter(k, upper_side);
    s += std::to_string(counts[k.hand]);
    if (sealed[k.hand] == F::ari) s += '*';
  }
  return s;
}

inline std::string write(const F& f, const std::string& name) {
  std::string out = "= " + name + "\n";
  for (int y = 1; y <= F::ban_max; ++y) {
    for (int x = 1; x <= F::ban_max; ++x) {
      if (x > 1) out += ' ';
      out += square(f, x, y);
    }
    out += "\n";
  }
  out += "hands:" + hand(f.mochi_man, f.huu_mochi_man, false) + " /" +
         hand(f.mochi_com, f.huu_mochi_com, true) + "\n";
  return out;
}

// Reads the next position into f (board, hands, seals and hand totals); false at the end.
inline bool read(std::istream& in, F& f, std::string& name) {
  std::string line;
  while (std::getline(in, line) && line.rfind("= ", 0) != 0) {
  }
  if (!in) return false;
  name = line.substr(2);
  for (auto* board : {&f.ban, &f.huu_man, &f.huu_com})
    for (auto& column : *board)
      for (Int& v : column) v = 0;
  for (int y = 1; y <= F::ban_max && std::getline(in, line); ++y) {
    std::istringstream row(line);
    std::string t;
    for (int x = 1; x <= F::ban_max && row >> t; ++x) {
      const bool promoted = t[0] == '+';
      const char c = t[promoted ? 1 : 0];
      const Kind* k = kind_of_letter(c);
      if (k == nullptr) continue;
      const bool upper = c >= 'a';
      const Int code = static_cast<Int>(k->code + (promoted ? 1 : 0));
      f.ban[x][y] = upper ? code : static_cast<Int>(-code);
      if (t.back() == '*') (upper ? f.huu_com : f.huu_man)[x][y] = F::ari;
    }
  }
  for (int k = 0; k <= F::mochi_max; ++k) {
    f.mochi_man[k] = f.mochi_com[k] = 0;
    f.huu_mochi_man[k] = f.huu_mochi_com[k] = F::nasi;
  }
  if (std::getline(in, line)) {
    std::istringstream hands(line.substr(line.find(':') + 1));
    std::string t;
    while (hands >> t) {
      const Kind* k = t == "/" ? nullptr : kind_of_letter(t[0]);
      if (k == nullptr || k->hand == 0) continue;
      const bool upper = t[0] >= 'a';
      (upper ? f.mochi_com : f.mochi_man)[k->hand] = static_cast<Int>(std::atoi(t.c_str() + 1));
      if (t.back() == '*') (upper ? f.huu_mochi_com : f.huu_mochi_man)[k->hand] = F::ari;
    }
  }
  f.mochi_man_kei = f.mochi_com_kei = 0;
  for (int k = 1; k <= F::mochi_max; ++k) {
    f.mochi_man_kei = static_cast<Int>(f.mochi_man_kei + f.mochi_man[k]);
    f.mochi_com_kei = static_cast<Int>(f.mochi_com_kei + f.mochi_com[k]);
  }
  return true;
}

}  // namespace position_text
