// The Qt application that every window test runs in (offscreen), and the real window with
// the source tree's pictures, started as the game starts.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cmath>
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

inline int px(double v) {
  return static_cast<int>(std::floor(v + 0.5));
}

// Compares inner pixels of picture p, painted with its top-left corner at (x, y) twips, with
// its file scaled to the surface's resolution: k pixels per twip, the form's corner at `form`.
inline ::testing::AssertionResult shows_picture(const QImage& surface, QPointF form, double k,
                                                Picture p, double x, double y) {
  QImage file(picture_path(p));
  if (file.isNull()) return ::testing::AssertionFailure() << "no picture file";
  const Size size = picture_size(p);
  const int w = px((x + size.w) * k) - px(x * k), h = px((y + size.h) * k) - px(y * k);
  const int x0 = px(form.x()) + px(x * k), y0 = px(form.y()) + px(y * k);
  QImage expected = file.convertToFormat(QImage::Format_RGB32)
                        .scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  for (double fx : {0.2, 0.35, 0.5, 0.65, 0.8})
    for (double fy : {0.2, 0.35, 0.5, 0.65, 0.8}) {
      const int ix = static_cast<int>(w * fx), iy = static_cast<int>(h * fy);
      const QColor want = expected.pixelColor(ix, iy);
      const QColor got = surface.pixelColor(x0 + ix, y0 + iy);
      if (std::abs(want.red() - got.red()) > 24 || std::abs(want.green() - got.green()) > 24 ||
          std::abs(want.blue() - got.blue()) > 24)
        return ::testing::AssertionFailure()
               << picture_file(p) << " pixel (" << ix << ", " << iy << ") is "
               << got.name().toStdString() << ", want " << want.name().toStdString();
    }
  return ::testing::AssertionSuccess();
}

// The same, for an image that is just the form.
inline ::testing::AssertionResult shows_picture(const QImage& surface, Picture p, double x,
                                                double y) {
  return shows_picture(surface, QPointF(0, 0), surface.width() / 9000.0, p, x, y);
}

// The same, for an image of the whole surface s.
inline ::testing::AssertionResult shows_picture(const QImage& image, const Surface& s, Picture p,
                                                double x, double y) {
  return shows_picture(image, s.pictureRect().topLeft(), s.scale() / 15, p, x, y);
}

// Lets pending resizes, layouts and paints happen.
inline void settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// The window after Form_Load, shown at 100 %.
template <class Window = GameWindow>
std::unique_ptr<Window> started_window(const QString& assets = source_assets()) {
  qt_app();
  auto w = std::make_unique<Window>(assets);
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

// A started window and a player at it: presses on the board's cells (the left button), every
// message box answered.
struct PlayedWindow : ::testing::Test {
  std::unique_ptr<GameWindow> w = started_window();
  BoxRecorder boxes;

  void press(int column, int row) {
    const QPointF at = w->surface()
                           ->toLogical(QRectF(Form1::cell_x(column), Form1::cell_y(row),
                                              Form1::masu_w, Form1::masu_h))
                           .center();
    QMouseEvent e(QEvent::MouseButtonPress, at, w->surface()->mapToGlobal(at), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->surface(), &e);
  }
  void play(int x, int y, int x2, int y2) {
    press(x, y);
    press(x2, y2);
  }
};
