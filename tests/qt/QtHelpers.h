// The Qt application that every window test runs in (offscreen), and the real window with
// the source tree's pictures, started as the game starts.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "app/GameWindow.h"

inline QApplication& qt_app() {
  static int argc = 1;
  static char name[] = "qt_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

// The source tree's assets, or LUMINAK_TEST_ASSETS when set.
inline QString source_assets() {
  QString dir = qEnvironmentVariable("LUMINAK_TEST_ASSETS");
  return dir.isEmpty() ? QStringLiteral(LUMINAK_SOURCE_ASSETS) : dir;
}

inline QString picture_path(Picture p) {
  return source_assets() + "/pictures/" + picture_file(p) + ".png";
}

inline QString image_path(Image i) {
  return source_assets() + "/pictures/" + image_file(i) + ".png";
}

// Lets pending resizes, layouts and paints happen.
inline void settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// The window after Form_Load, shown at 100 %.
inline std::unique_ptr<GameWindow> started_window(const QString& assets = source_assets()) {
  qt_app();
  auto w = std::make_unique<GameWindow>(assets);
  // A settings file of this test's own: clock display and music off.
  const QString settings =
      QDir::tempPath() +
      QStringLiteral("/luminak-qt-test-%1.ini").arg(QCoreApplication::applicationPid());
  QFile file(settings);
  if (file.open(QIODevice::WriteOnly)) file.write("BGM=OFF\r\n");
  file.close();
  w->form.settings_path = settings.toStdString();
  w->form.Form_Load();
  w->show();
  settle();
  return w;
}

// Answers every message box that opens while it lives with OK (or Yes), keeping what it said.
struct BoxRecorder {
  QStringList texts, titles;
  QTimer timer;
  BoxRecorder() {
    qt_app();
    QObject::connect(&timer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      texts << box->text();
      titles << box->windowTitle();
      QAbstractButton* ok = box->button(QMessageBox::Ok);
      (ok ? ok : box->button(QMessageBox::Yes))->click();
    });
    timer.start(10);
  }
};
