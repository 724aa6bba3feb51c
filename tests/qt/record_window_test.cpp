// Records on the real window: a game saved through the dialog into a new folder, then loaded
// after a restart by walking the picker from the root and clicking the file's name.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "shell/Encoding.h"
#include "tests/qt/QtHelpers.h"

namespace {

using F = Form1;

QListWidget* list(GameWindow& w, Control c) {
  return qobject_cast<QListWidget*>(w.control(c));
}

// A double click on the folder list's line of folder path.
void enter(GameWindow& w, const QString& path) {
  QListWidget* dirs = list(w, Control::Dir1);
  for (int i = 0; i < dirs->count(); ++i) {
    QListWidgetItem* item = dirs->item(i);
    if (item->data(Qt::UserRole).toString() != path) continue;
    dirs->scrollToItem(item);
    // As a mouse does it: a click, then the second press that makes it a double click.
    const QPoint at = dirs->visualItemRect(item).center();
    QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(dirs->viewport(), Qt::LeftButton, {}, at);
    return;
  }
  ADD_FAILURE() << "no folder " << path.toStdString();
}

void click_move(GameWindow& w, int fx, int fy, int tx, int ty) {
  for (auto [x, y] : {std::pair{fx, fy}, std::pair{tx, ty}})
    w.form.Form_MouseDown(F::button_hidari, 0, F::cell_x(x) + 100, F::cell_y(y) + 100);
}

TEST(RecordWindow, SaveIntoANewFolderThenLoadByClickingTheName) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString folder = tmp.filePath(QStringLiteral("新しい棋譜"));
  QDir().mkpath(folder);
  BoxRecorder boxes;

  auto w = started_window();
  const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString start = QString::fromStdString(w->Path(Control::Dir1));
  EXPECT_TRUE(start == QDir::cleanPath(docs) || start == QDir::homePath());
  w->action(Menu::START)->trigger();
  click_move(*w, 3, 7, 3, 6);
  click_move(*w, 7, 3, 7, 4);
  click_move(*w, 8, 7, 8, 6);

  w->action(Menu::KIFU_WRITE)->trigger();
  EXPECT_TRUE(w->control(Control::Dir1)->isVisible());
  EXPECT_FALSE(w->control(Control::File1)->isVisible());
  ASSERT_TRUE(w->SetPath(Control::Dir1, tmp.path().toStdString()));
  enter(*w, folder);
  EXPECT_EQ(QString::fromStdString(w->Path(Control::File1)), folder);
  auto* title = qobject_cast<QLineEdit*>(w->control(Control::Text2));
  EXPECT_TRUE(title->testAttribute(Qt::WA_InputMethodEnabled));
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("名局"));
  QApplication::sendEvent(title, &composed);
  QTest::keyClicks(w->control(Control::Text3), QStringLiteral("hanako"));
  QTest::keyClicks(w->control(Control::Text4), QStringLiteral("taro"));
  QTest::keyClicks(w->control(Control::Text1), QStringLiteral("kifu1"));
  QTest::mouseClick(w->control(Control::Command1), Qt::LeftButton);
  ASSERT_EQ(boxes.texts.last(), QStringLiteral("棋譜を書き込みました"));
  QFile saved(folder + QStringLiteral("/kifu1.棋譜"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readLine(), QByteArray::fromStdString(sjis::from_utf8("名局") + "\r\n"));
  EXPECT_EQ(saved.readLine(), QByteArray("taro\r\n")) << "the upper side's player";
  EXPECT_EQ(saved.readLine(), QByteArray("hanako\r\n"));
  QFile(folder + QStringLiteral("/note.txt")).open(QIODevice::WriteOnly);

  // A new start, from the root down to the folder.
  w.reset();
  w = started_window();
  w->action(Menu::KIFU_READ)->trigger();
  auto* drives = qobject_cast<QComboBox*>(w->control(Control::Drive1));
  auto choose = [drives](int i) {
    drives->setCurrentIndex(i);
    emit drives->activated(i);
  };
  choose(drives->findText(QDir::rootPath()));
  EXPECT_EQ(w->Path(Control::Dir1), "/");
  QString path;
  for (const QString& level : folder.split('/', Qt::SkipEmptyParts)) {
    path += '/' + level;
    enter(*w, path);
  }
  QListWidget* files = list(*w, Control::File1);
  ASSERT_EQ(files->count(), 1) << "only records are listed";
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                    files->visualItemRect(files->item(0)).center());
  EXPECT_EQ(boxes.texts.mid(boxes.texts.size() - 2),
            QStringList(
                {QStringLiteral(" 読み込みました"), QStringLiteral("棋譜を '進 'で進めて下さい")}));
  EXPECT_EQ(w->form.kifu_saigo, 2);
  EXPECT_FALSE(files->isVisible());
  w->action(Menu::AFTER)->trigger();
  w->action(Menu::AFTER)->trigger();
  EXPECT_EQ(w->form.ban[7][4], F::com_hu);

  drives->addItem(QStringLiteral("/no-such-medium"));
  choose(drives->count() - 1);
  EXPECT_EQ(boxes.texts.last(), QStringLiteral("ﾃﾞﾊﾞｲｽが準備できていません"));
  EXPECT_EQ(boxes.titles.last(), QStringLiteral("ｴﾗｰ"));
  EXPECT_EQ(QString::fromStdString(w->Path(Control::Dir1)), folder);
}

}  // namespace
