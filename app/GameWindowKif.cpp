// The window's side of the records other programs read: KIF written and read through the
// system's file dialog, records dropped on the window, and positions and games through the
// clipboard (SFEN, KIF text).
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <fstream>
#include <sstream>

#include "app/GameWindow.h"
#include "app/Translation.h"
#include "engine/form/GameState.h"
#include "kifu/kif.h"
#include "kifu/notation.h"
#include "kifu/sfen.h"

namespace {

using F = Form1;
const QString kKifuFilter = QStringLiteral("KIF UTF-8 (*.kifu)");
const QString kKifFilter = QStringLiteral("KIF Shift-JIS (*.kif)");
const char* const kReadFilter = "棋譜 (*.kif *.kifu *.棋譜)";
const char* const kTitle = "KIF";
constexpr qint64 kLargest = 64 << 20;  // no record comes near; the readers bound it again

bool is_record_name(const QString& path) {
  for (const char* ext : {".kif", ".kifu", ".棋譜"})
    if (path.endsWith(QString::fromUtf8(ext), Qt::CaseInsensitive)) return true;
  return false;
}

}  // namespace

QString GameWindow::recordFolder() const {
  const QString folder = settings_.value(AppOption::Folder).toString();
  return folder.isEmpty() ? QString::fromStdString(paths_[static_cast<std::size_t>(Control::File1)])
                          : folder;
}

void GameWindow::writeKif() {
  if (busy_ > 0) return buzz();
  if (notation::record_plies(form).plies.empty()) {
    buzz();
    MsgBox("保存するデータがありません", mb::OKOnly, kTitle);
    return;
  }
  QString filter = kKifuFilter;
  QString path =
      QFileDialog::getSaveFileName(this, translation::text(QStringLiteral("KIF書出")),
                                   recordFolder(), kKifuFilter + ";;" + kKifFilter, &filter);
  if (path.isEmpty()) return;
  const bool sjis = filter == kKifFilter || path.endsWith(QStringLiteral(".kif"));
  if (QFileInfo(path).suffix().isEmpty()) path += sjis ? ".kif" : ".kifu";
  const std::string text = kif::write(form, kif::default_header(form));
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(QByteArray::fromStdString(sjis ? kif::as_kif(text) : kif::as_kifu(text))) < 0 ||
      !out.flush()) {
    MsgBox("KIFを書き込めませんでした\r\r" + path.toStdString() + "\r" +
               out.errorString().toStdString(),
           mb::OKOnly, kTitle);
    return;
  }
  settings_.set(AppOption::Folder, QFileInfo(path).absolutePath());
}

void GameWindow::readKif() {
  if (busy_ > 0) return buzz();
  const QString path = QFileDialog::getOpenFileName(
      this, translation::text(QStringLiteral("KIF読込")), recordFolder(),
      translation::text(QString::fromUtf8(kReadFilter)));
  if (!path.isEmpty()) loadRecordFile(path);
}

std::string GameWindow::loadRecordText(const std::string& bytes, bool record_file) {
  std::string why;
  handle([&] {
    std::istringstream in(bytes);
    why = record_file ? form.読込_棋譜(in) : kif::read(form, in);
  });
  return why;
}

void GameWindow::loadRecordFile(const QString& path) {
  if (busy_ > 0) return buzz();
  QFile file(path);
  std::string why;
  if (!file.open(QIODevice::ReadOnly))
    why = file.errorString().toStdString();
  else if (file.size() > kLargest)
    why = "大きすぎます";
  if (why.empty()) {
    why = loadRecordText(file.readAll().toStdString(), path.endsWith(QStringLiteral(".棋譜")));
    settings_.set(AppOption::Folder, QFileInfo(path).absolutePath());
  } else {
    why = "棋譜ﾌｧｲﾙを読み込めませんでした\r\r" + why;
  }
  if (!why.empty()) MsgBox(why + "\r\r" + path.toStdString(), mb::OKOnly, "読込");
}

void GameWindow::copyPosition() {
  const notation::Plies plies = notation::record_plies(form);
  const engine::Side side = form.teban == form.com_te ? engine::Upper : engine::Lower;
  const long shown = form.kifu_tesuu;
  QApplication::clipboard()->setText(QString::fromStdString(
      sfen::write(engine::from_game(form, side), plies.named_from, static_cast<int>(shown) + 1)));
}

void GameWindow::copyRecord() {
  if (notation::record_plies(form).plies.empty()) return buzz();
  QApplication::clipboard()->setText(
      QString::fromStdString(kif::write(form, kif::default_header(form))));
}

void GameWindow::paste() {
  if (busy_ > 0) return buzz();
  const std::string text = QApplication::clipboard()->text().trimmed().toStdString();
  if (text.empty()) return buzz();
  std::string why;
  if (sfen::read(text)) {
    handle([&] { why = sfen::load(form, text); });
  } else {
    why = loadRecordText(text, false);
  }
  if (!why.empty()) MsgBox(why, mb::OKOnly, "貼り付け");
}

void GameWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (busy_ == 0 && urls.size() == 1 && urls[0].isLocalFile() &&
      is_record_name(urls[0].toLocalFile()))
    event->acceptProposedAction();
}

void GameWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() != 1 || !urls[0].isLocalFile()) return;
  event->acceptProposedAction();
  loadRecordFile(urls[0].toLocalFile());
}
