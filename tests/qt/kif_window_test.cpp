// Records other programs read, through the window: the position and the game copied to the
// clipboard and pasted back, a KIF file dropped or opened, the record folder remembered, and
// the command line's conversions.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <array>

#include "app/MoveListPanel.h"
#include "tests/qt/QtHelpers.h"

namespace {

using F = Form1;

struct KifWindow : PlayedWindow {
  QTemporaryDir dir;
  // Two people: ▲７六歩 △３四歩 ▲２二角不成, then △ seals the lower rook and takes: △同銀.
  void play_short_game() {
    w->action(Menu::START)->trigger();
    for (auto [x, y, x2, y2] : {std::array{3, 7, 3, 6}, {7, 3, 7, 4}, {2, 8, 8, 2}})
      play(x, y, x2, y2);
    press(8, 8);  // the spell on the lower rook
    press(7, 1);
    press(8, 2);
  }
};

TEST_F(KifWindow, TheGameCopiedAsKifPastesBackAsTheSameRecord) {
  play_short_game();
  const long plies = w->form.kifu_tesuu;
  ASSERT_GE(plies, 3);
  w->action(AppAction::CopyRecord)->trigger();
  const QString kif = QApplication::clipboard()->text();
  EXPECT_TRUE(kif.contains(QStringLiteral("７六歩(77)"))) << kif.toStdString();
  w->action(AppAction::Paste)->trigger();
  settle();
  EXPECT_EQ(w->form.kifu_mode, F::ari) << "a record to step through";
  EXPECT_EQ(w->form.kifu_saigo, plies);
  EXPECT_TRUE(boxes.texts.contains(QStringLiteral(" 読み込みました")));
}

TEST_F(KifWindow, ThePositionCopiedIsSfenAndPastesAsARecordOfIt) {
  w->action(Menu::START)->trigger();
  press(3, 7);
  press(3, 6);
  w->action(AppAction::CopyPosition)->trigger();
  const QString sfen = QApplication::clipboard()->text();
  EXPECT_EQ(sfen,
            QStringLiteral("lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2"));
  QApplication::clipboard()->setText(QStringLiteral("not a record"));
  w->action(AppAction::Paste)->trigger();
  EXPECT_EQ(w->form.kifu_mode, F::nasi) << "text that is no record is refused";
  QApplication::clipboard()->setText(sfen);
  w->action(AppAction::Paste)->trigger();
  EXPECT_EQ(w->form.kifu_mode, F::ari);
  EXPECT_EQ(w->form.ban[3][6], F::man_hu);
}

TEST_F(KifWindow, AKifFileLoadsAndItsFolderIsRemembered) {
  play_short_game();
  w->action(AppAction::CopyRecord)->trigger();
  const QString path = dir.filePath(QStringLiteral("game.kifu"));
  QFile out(path);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(QApplication::clipboard()->text().toUtf8());
  out.close();
  const QString settings = dir.filePath(QStringLiteral("luminak-shogi.conf"));
  w->useSettings(settings);
  w->loadRecordFile(path);
  EXPECT_EQ(w->form.kifu_mode, F::ari);
  auto next = started_window();
  next->useSettings(settings);
  EXPECT_EQ(QString::fromStdString(next->Path(Control::File1)), dir.path())
      << "the record picker opens in the folder last used";
  // A file that is no record is refused, naming it.
  QFile bad(dir.filePath(QStringLiteral("bad.kif")));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("手数----指手---------消費時間--\n   1 ９九王(11)\n");
  bad.close();
  boxes.texts.clear();
  next->loadRecordFile(bad.fileName());
  ASSERT_FALSE(boxes.texts.isEmpty());
  EXPECT_TRUE(boxes.texts.last().contains(bad.fileName())) << boxes.texts.last().toStdString();
}

// The command line converts without a window; a file refused gives status 1 and the message.
TEST(KifCommandLine, ConvertsBothWaysAndRefusesWhatItCannotRead) {
  QTemporaryDir dir;
  const QString game = QStringLiteral(LUMINAK_BUILD_GAME_FOLDER) + "/luminak-shogi";
  const QString kif = dir.filePath("game.kifu");
  QFile f(kif);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("手合割：平手\n手数----指手---------消費時間--\n   1 ７六歩(77)\n   2 ３四歩(33)\n");
  f.close();
  auto run = [&](const QStringList& args, QString* err = nullptr) {
    QProcess p;
    p.start(game, args);
    p.waitForFinished(60000);
    if (err) *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  };
  EXPECT_EQ(run({"--from-kif", kif, dir.filePath("game.棋譜")}), 0);
  EXPECT_EQ(run({"--to-kif", dir.filePath("game.棋譜"), dir.filePath("back.kifu")}), 0);
  QFile back(dir.filePath("back.kifu"));
  ASSERT_TRUE(back.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(back.readAll());
  EXPECT_TRUE(text.contains(QStringLiteral("７六歩(77)")) &&
              text.contains(QStringLiteral("３四歩(33)")))
      << text.toStdString();
  QString err;
  EXPECT_EQ(run({"--from-kif", dir.filePath("none.kif"), dir.filePath("x.棋譜")}, &err), 1);
  EXPECT_FALSE(err.isEmpty());
}

}  // namespace
