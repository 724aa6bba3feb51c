// The window's own options: kept in a file of their own, never in the game's settings file,
// and read back by the next window.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include "tests/qt/QtHelpers.h"

namespace {

QByteArray bytes_of(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Each of the window's own checkable options: off at first, on through its menu item, and on
// again in the next window; the game's settings file is left byte for byte.
TEST(AppOptions, AreTheWindowsOwnAndRemembered) {
  struct {
    AppAction item;
    bool Form1::*field;
  } options[] = {{AppAction::ShortEffects, &Form1::ensyutu_tansyuku}};
  QTemporaryDir dir;
  const QString file = dir.filePath("luminak-shogi.conf");
  for (const auto& o : options) {
    auto w = started_window();
    w->useSettings(file);
    const QByteArray game_settings = bytes_of(w->form.settings_path);
    QAction* item = w->action(o.item);
    ASSERT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(w->form.*o.field);
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(w->form.*o.field);
    EXPECT_EQ(bytes_of(w->form.settings_path), game_settings);

    auto next = started_window();
    next->useSettings(file);
    EXPECT_TRUE(next->action(o.item)->isChecked());
    EXPECT_TRUE(next->form.*o.field);
    next->action(o.item)->trigger();
    EXPECT_FALSE(next->form.*o.field);
  }
}

}  // namespace

namespace {

// LEVEL4's strengths: 最強 at first; choosing one chooses LEVEL4 with it, and the next window
// starts with it.
TEST(AppOptions, LevelFoursStrengthIsChosenAndRemembered) {
  QTemporaryDir dir;
  const QString file = dir.filePath("luminak-shogi.conf");
  auto w = started_window();
  w->useSettings(file);
  for (int n = 0; n < engine::kStrengthCount; ++n)
    EXPECT_EQ(w->strengthAction(n)->isChecked(), n == engine::kStrongest) << n;
  w->action(Menu::LEVEL1)->trigger();
  w->strengthAction(0)->trigger();
  EXPECT_EQ(w->form.level, Form1::探索_レベル);
  EXPECT_TRUE(w->action(Menu::LEVEL4)->isChecked());
  EXPECT_EQ(w->form.探索_強さ, 0);
  EXPECT_TRUE(w->strengthAction(0)->isChecked());
  EXPECT_FALSE(w->strengthAction(engine::kStrongest)->isChecked());

  auto next = started_window();
  next->useSettings(file);
  EXPECT_EQ(next->form.探索_強さ, 0);
  EXPECT_TRUE(next->strengthAction(0)->isChecked());
}

}  // namespace

namespace {

// ｵﾌﾟｼｮﾝ → 駒: the kanji set at first, the international one chosen, and kept for the next window.
TEST(AppOptions, ThePieceSetIsChosenAndRemembered) {
  QTemporaryDir dir;
  const QString file = dir.filePath("luminak-shogi.conf");
  auto w = started_window();
  w->useSettings(file);
  EXPECT_EQ(w->pictures().pieceSet(), PieceSet::Kanji);
  EXPECT_TRUE(w->action(AppAction::KanjiPieces)->isChecked());
  const QImage kanji = w->surface()->grab().toImage();
  w->action(AppAction::InternationalPieces)->trigger();
  settle();
  EXPECT_EQ(w->pictures().pieceSet(), PieceSet::International);
  EXPECT_FALSE(w->action(AppAction::KanjiPieces)->isChecked());
  EXPECT_NE(w->surface()->grab().toImage(), kanji) << "the board shows the other set";

  auto next = started_window();
  next->useSettings(file);
  EXPECT_EQ(next->pictures().pieceSet(), PieceSet::International);
  EXPECT_TRUE(next->action(AppAction::InternationalPieces)->isChecked());
}

}  // namespace
