// The window's coach: LEVEL4's hint for the player to move, its score of the position shown,
// and its review of a whole game. Its searches are its own: the computer's play never waits
// for them nor shares their tables.
#include <QAction>
#include <QDockWidget>
#include <QProgressDialog>
#include <cstdlib>

#include "app/AnalysisRunner.h"
#include "app/GameWindow.h"
#include "app/HintOverlay.h"
#include "app/MoveListPanel.h"
#include "app/ReviewDialog.h"
#include "app/ScoreBar.h"
#include "app/Translation.h"
#include "engine/Review.h"
#include "engine/Search.h"
#include "engine/form/GameState.h"
#include "kifu/notation.h"
#include "shell/BoardTerms.h"

namespace {

using F = Form1;
constexpr double kHintSeconds = 1;
constexpr double kScoreSeconds = 0.5;
constexpr std::size_t kHintTable = 16u << 20;
constexpr double kKeepAliveEvery = 0.005;

// The cell of a square, or of a hand kind in `side`'s hand, in twips.
QRectF cell(int column, int row) {
  return QRectF(F::cell_x(column), F::cell_y(row), F::masu_w, F::masu_h);
}
QRectF square_cell(int sq) {
  return cell(engine::file_of(sq), engine::rank_of(sq));
}
QRectF hand_cell(engine::Side side, int kind) {
  return side == engine::Upper ? cell(F::mochi_com_x, board::com_hand_row(kind))
                               : cell(F::mochi_man_x, board::man_hand_row(kind));
}

// The positions of the plies: the start, then after each ply.
std::vector<engine::Position> positions_of(const notation::Plies& plies) {
  std::vector<engine::Position> out{plies.start};
  for (const notation::Ply& p : plies.plies) out.push_back(p.before.after(p.turn));
  return out;
}

}  // namespace

// A turn as the window's language writes it: Japanese, or Western notation in English.
std::string written(const engine::Position& before, engine::Move turn, engine::Side sente,
                    int previous_to) {
  return translation::english() ? notation::western(before, turn, sente, previous_to)
                                : notation::japanese(before, turn, sente, previous_to);
}

void GameWindow::buzz() {
  form.ds->dsPlay(form.snd_kinsi);
}

bool GameWindow::playerToMove() const {
  const F& f = form;
  return f.teban != F::te_nasi && f.shouri_te == F::te_nasi && f.kifu_mode != F::ari &&
         (f.taikyoku_mode != F::mode_com || f.teban == f.man_te);
}

void GameWindow::toggleScore() {
  settings_.set(AppOption::Score, !settings_.flag(AppOption::Score));
  applySettings();
}

void GameWindow::showHint() {
  if (busy_ > 0 || !playerToMove()) {
    buzz();
    return;
  }
  handle([this] {
    const engine::Side side = form.teban == form.com_te ? engine::Upper : engine::Lower;
    const engine::Position p = engine::from_game(form, side);
    if (!hint_search_) hint_search_ = std::make_unique<engine::Search>(kHintTable);
    hint_search_->set_keep_alive([this] { KeepAlive(); }, kKeepAliveEvery);
    const engine::Decision d = hint_search_->think(p, {kHintSeconds, 0});
    if (ended_) return;
    if (d.turn.empty()) {
      buzz();
      return;
    }
    const notation::Plies plies = notation::record_plies(form);
    const bool after_last = form.kifu_tesuu == static_cast<long>(plies.plies.size());
    const int previous = after_last && !plies.plies.empty() ? plies.plies.back().turn.to() : 0;
    const engine::Move m = d.turn;
    std::vector<QRectF> turn{square_cell(m.to())};
    turn.insert(turn.begin(), m.is_drop() ? hand_cell(side, m.drop_kind()) : square_cell(m.from()));
    QRectF seal;
    if (engine::is_hand_place(m.seal()))
      seal = hand_cell(engine::opposite(side), m.seal() - engine::kHandPlace);
    else if (m.seal() != engine::kNoPlace)
      seal = square_cell(m.seal());
    hint_->showHint(turn, seal,
                    translation::text(QStringLiteral("ヒント")) + ' ' +
                        QString::fromStdString(written(p, m, plies.named_from, previous)));
  });
}

void GameWindow::updateScore() {
  const engine::Side side = form.teban == form.com_te ? engine::Upper : engine::Lower;
  engine::AnalysisSettings settings;
  settings.limits = {kScoreSeconds, 0};
  settings.workers = 1;
  score_bar_->setThinking();
  score_runner_->start({{engine::from_game(form, side), {}}}, settings, {},
                       [this](const std::vector<engine::PositionScore>& scores) {
                         if (!scores.empty() && scores[0].scored)
                           score_bar_->setScore(scores[0].score, scores[0].win_plies);
                       });
}

void GameWindow::reviewGame() {
  if (busy_ > 0 || review_runner_->running()) {
    buzz();
    return;
  }
  const notation::Plies plies = notation::record_plies(form);
  if (plies.plies.empty()) {
    buzz();
    return;
  }
  const std::vector<engine::Position> positions = positions_of(plies);
  engine::AnalysisSettings settings;
  settings.limits = {settings_.value(AppOption::ReviewSeconds).toDouble(), 0};
  auto* progress =
      new QProgressDialog(QStringLiteral("LEVEL4 が局面を解析しています…"), QStringLiteral("中止"),
                          0, static_cast<int>(positions.size()), this);
  progress->setObjectName(QStringLiteral("ReviewProgress"));
  progress->setWindowTitle(translation::text(QStringLiteral("解析")));
  progress->setMinimumDuration(0);
  progress->setValue(0);
  connect(progress, &QProgressDialog::canceled, this, [this, progress] {
    review_runner_->cancel();
    progress->deleteLater();
  });
  review_runner_->start(
      engine::with_history(positions), settings,
      [progress](int done, int) { progress->setValue(done); },
      [this, progress, positions,
       sente = plies.named_from](const std::vector<engine::PositionScore>& scores) {
        progress->deleteLater();
        showReview(positions, scores, sente);
      });
}

void GameWindow::showReview(const std::vector<engine::Position>& positions,
                            const std::vector<engine::PositionScore>& scores, engine::Side sente) {
  std::vector<int> numbers;
  for (const engine::PositionScore& s : scores) numbers.push_back(engine::comparable_score(s));
  if (!settings_.flag(AppOption::MoveList)) toggleMoveList();  // the marks stand beside the plies
  std::vector<MoveListPanel::Mark> marks;
  const notation::Plies plies = notation::record_plies(form);
  for (const engine::Mistake& m : engine::mistakes(positions, scores)) {
    const std::size_t before = static_cast<std::size_t>(m.ply - 1);
    const int previous =
        before > 0 && before <= plies.plies.size() ? plies.plies[before - 1].turn.to() : 0;
    const std::string better =
        m.better.empty() ? "-" : written(positions[before], m.better, sente, previous);
    marks.push_back({m.ply, m.blunder, better});
  }
  move_list_->setMarks(marks);
  std::vector<ReviewDialog::Entry> entries;
  for (const MoveListPanel::Mark& m : marks) entries.push_back({m.ply, move_list_->plyText(m.ply)});
  if (!review_) {
    review_ = new ReviewDialog(this);
    connect(review_, &ReviewDialog::plyChosen, this, &GameWindow::showPly);
  }
  review_->showReview(numbers, entries);
  review_->show();
  review_->raise();
}
