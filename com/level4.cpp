// LEVEL4: the computer's move and spell come from the engine's search. The search runs on a
// copy of the position; the window and the clock are kept alive while it thinks.
#include <algorithm>

#include "engine/Search.h"
#include "engine/Strength.h"
#include "engine/form/GameState.h"
#include "shell/BoardTerms.h"

namespace {

constexpr double kKeepAliveEvery = 0.005;  // seconds between calls while thinking

// One search and its table for the program: there is one game and one thread.
engine::Search& searcher() {
  static engine::Search search;
  return search;
}

}  // namespace

void Form1::調査_探索COM打ち座標(Int& O_移動元X, Int& O_移動元Y, Int& O_移動先X, Int& O_移動先Y,
                                 Int& O_元駒, Int& O_先駒) {
  探索_封印駒 = kara;
  engine::Search& search = searcher();
  search.set_keep_alive(
      [this] {
        win.KeepAlive();
        Timer1_Timer();
      },
      kKeepAliveEvery);
  const engine::Position p = engine::from_game(*this, engine::Upper);
  search.set_spread(engine::strength_spread(探索_強さ, 探索_種));
  const engine::Decision d =
      search.think(p, engine::strength_limits(探索_強さ, {探索_秒, 探索_局面数}), 探索_履歴);
  探索_履歴.push_back(p.key_without_spell());
  search.set_keep_alive({}, 0);
  if (d.turn.empty()) return;  // nothing legal: the outputs stay unwritten

  const engine::GameTurn t = engine::to_game(p, d.turn);
  O_移動元X = t.x;
  O_移動元Y = t.y;
  O_移動先X = t.x2;
  O_移動先Y = t.y2;
  O_元駒 = t.before;
  O_先駒 = t.after;
  探索_封印駒 = t.code;
  探索_封印X = t.tx;
  探索_封印Y = t.ty;
}

bool Form1::調査_探索封印(Int& O_駒, Int& O_X, Int& O_Y) {
  if (level != 探索_レベル) return false;
  // The spell chosen with the move, if its piece or hand kind is still the human's.
  const bool hand = 探索_封印X == mochi_man_x;
  const bool standing =
      hand ? board::is_hand_kind(探索_封印Y) && mochi_man[探索_封印Y] > 0
           : board::on_board(探索_封印X, 探索_封印Y) && ban[探索_封印X][探索_封印Y] == 探索_封印駒;
  O_駒 = 探索_封印駒 != kara && standing ? 探索_封印駒 : kara;
  O_X = 探索_封印X;
  O_Y = 探索_封印Y;
  return true;
}

void Form1::探索_強さ_選択(Int n) {
  レベル_選択(探索_レベル);
  探索_強さ = static_cast<Int>(std::clamp<int>(n, 0, engine::kStrongest));
}
