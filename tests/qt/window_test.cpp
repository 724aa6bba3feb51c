// The real window, offscreen: what the game draws reaches the screen, scaled, and the menus,
// message boxes, timer, keys and dialog controls behave as the game expects.
#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTime>
#include <QTimer>
#include <QtTest/QTest>
#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <utility>

#include "shell/Encoding.h"
#include "tests/qt/QtHelpers.h"

namespace {

using F = Form1;

// Answers the next message box with a button once it is shown; records its title and text.
// The next message box's look, once answered. The poll that waits for the box lives no longer
// than the answer it fills in: a box that never comes leaves nothing behind.
struct BoxAnswer {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int width = 0, title_width = 0, title_height = 0;
  bool seen = false;
  QObject poll;  // the context of the waiting poll
};
void answer_next_box(QMessageBox::StandardButton button, BoxAnswer* seen) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [button, seen, weak = std::weak_ptr(poll)] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      if (auto again = weak.lock()) QTimer::singleShot(10, &seen->poll, [again] { (*again)(); });
      return;
    }
    seen->seen = true;
    seen->title = box->windowTitle();
    seen->text = box->text();
    seen->icon = box->icon();
    seen->width = box->width();
    seen->title_width = box->fontMetrics().horizontalAdvance(box->windowTitle());
    seen->title_height = box->fontMetrics().height();
    box->button(button)->click();
  };
  QTimer::singleShot(0, &seen->poll, [poll] { (*poll)(); });
}

// Visits every pixel of image control i, as the surface places and scales it, that is at least
// `alpha` opaque: where it lands in the widget, in twips, and the image's own colour there.
// Returns how many there are.
template <class Visit>
int for_each_opaque_pixel(const Surface& s, Image i, Visit visit, int alpha = 128) {
  const double k = s.scale() / 15;
  const QPointF at = s.imagePosition(i), form = s.pictureRect().topLeft();
  const Size size = image_size(i);
  const int x0 = px(at.x() * k), y0 = px(at.y() * k);
  const QImage scaled = QImage(image_path(i))
                            .convertToFormat(QImage::Format_ARGB32)
                            .scaled(px((at.x() + size.w) * k) - x0, px((at.y() + size.h) * k) - y0,
                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  int n = 0;
  for (int y = 0; y < scaled.height(); ++y)
    for (int x = 0; x < scaled.width(); ++x) {
      const QColor own = scaled.pixelColor(x, y);
      if (own.alpha() < alpha) continue;
      ++n;
      visit(QPoint(px(form.x()) + x0 + x, px(form.y()) + y0 + y),
            QPointF(at.x() + x / k, at.y() + y / k), own);
    }
  return n;
}

struct WindowTest : ::testing::Test {
  std::unique_ptr<GameWindow> w;
  void SetUp() override { w = started_window(); }
  Surface& s() { return *w->surface(); }

  // A record without moves, loaded: its title and players stand around the board.
  void show_record_players() {
    BoxRecorder boxes;
    std::istringstream record(sjis::from_utf8("名局\r\n上手 ルミナーク\r\n下手 ヴェクサ\r\n"));
    w->form.読込_棋譜(record);
  }

  // The grabbed window shows image control i as it is, nearly everywhere it is opaque.
  void expect_shown(Image i) {
    const QImage shown = s().grab().toImage().convertToFormat(QImage::Format_ARGB32);
    int matched = 0;
    const int opaque = for_each_opaque_pixel(
        s(), i,
        [&](QPoint at, QPointF, QColor own) {
          const QColor got = shown.pixelColor(at);
          matched += std::abs(got.red() - own.red()) < 24 &&
                     std::abs(got.green() - own.green()) < 24 &&
                     std::abs(got.blue() - own.blue()) < 24;
        },
        255);
    EXPECT_GT(opaque, 0) << image_name(i);
    EXPECT_GT(matched, opaque * 9 / 10) << image_name(i);
  }
};

// ---- The window ----------------------------------------------------------------------------

TEST_F(WindowTest, TitleAndClientAreaAtOneHundredPercent) {
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Vexa ルミナーク将棋"));
  EXPECT_EQ(s().size(), QSize(600, 533));
  EXPECT_DOUBLE_EQ(s().scale(), 1.0);
  EXPECT_EQ(s().backing().size(), QSize(600, 533));
}

TEST_F(WindowTest, BackgroundColourIsTheGreenOfThePalette) {
  EXPECT_EQ(s().backColour(), QColor(0, 128, 0));
}

TEST_F(WindowTest, PlacementIsInTwips) {
  w->MoveWindow(1500, 750);
  settle();
  Placement p = w->GetPlacement();
  EXPECT_DOUBLE_EQ(p.left, 1500);
  EXPECT_DOUBLE_EQ(p.top, 750);
  EXPECT_GE(p.width, 9000);
  EXPECT_GE(p.height, 8000);
  EXPECT_FALSE(p.maximized);
}

// ---- Pictures on the surface ---------------------------------------------------------------

TEST_F(WindowTest, LowerKingStandsOnItsSquare) {
  EXPECT_TRUE(shows_picture(s().backing(), Picture::SITA_OU, F::cell_x(5), F::cell_y(9)));
  EXPECT_TRUE(shows_picture(s().backing(), Picture::UE_OU, F::cell_x(5), F::cell_y(1)));
}

TEST_F(WindowTest, TitleAndBackgroundTiles) {
  EXPECT_TRUE(shows_picture(s().backing(), Picture::VexaSHOGI, F::cell_x(10.8), F::cell_y(0)));
  EXPECT_TRUE(shows_picture(s().backing(), Picture::HAIKEI_MIDORI, F::cell_x(-2), F::cell_y(5)));
  EXPECT_TRUE(shows_picture(s().backing(), Picture::HAIKEI_MIDORI, F::cell_x(14), F::cell_y(11)));
}

TEST_F(WindowTest, TheWindowShowsWhatWasDrawn) {
  QImage shown = s().grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(600, 533));
  EXPECT_TRUE(shows_picture(shown, Picture::SITA_OU, F::cell_x(5), F::cell_y(9)));
}

TEST_F(WindowTest, TwiceTheSizeShowsTheSamePictureScaled) {
  w->SizeWindow(18000, 16000);
  settle();
  ASSERT_EQ(s().size(), QSize(1200, 1067));
  EXPECT_DOUBLE_EQ(s().scale(), 2.0);
  EXPECT_EQ(s().backing().size(), QSize(1200, 1067));
  EXPECT_TRUE(shows_picture(s().backing(), Picture::SITA_OU, F::cell_x(5), F::cell_y(9)));
  EXPECT_TRUE(shows_picture(s().backing(), Picture::HAIKEI_MIDORI, F::cell_x(-2), F::cell_y(5)));
  QImage shown = s().grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_TRUE(shows_picture(shown, Picture::SITA_OU, F::cell_x(5), F::cell_y(9)));
}

// A wide and a tall window: the form is centred, and the background goes on to the window's
// edges, first what the game tiled beyond the form, then the same tiles repeated past that.
TEST_F(WindowTest, TheBackgroundFillsAWindowOfAnotherShape) {
  struct Shape {
    QSize size;
    QPointF form;               // the form's corner, pixels
    double beyond_c, beyond_r;  // a cell past the game's tiles
    double tiled_c, tiled_r;    // a cell the game tiled outside the form
  } shapes[] = {{{1000, 533}, {200, 0}, -5, 5, 19, 5}, {{600, 900}, {0, 184}, 4, -4, 4, 14}};
  for (const Shape& shape : shapes) {
    w->resize(shape.size + w->size() - s().size());
    settle();
    ASSERT_EQ(s().size(), shape.size);
    const QRectF r = s().pictureRect();
    EXPECT_EQ(r.topLeft(), shape.form);
    EXPECT_DOUBLE_EQ(r.width(), 600);
    const QPointF t = w->toTwips(shape.form.toPoint());
    EXPECT_NEAR(t.x(), 0, 1e-9);
    EXPECT_NEAR(t.y(), 0, 1e-9);
    for (Picture p : {Picture::HAIKEI_MIDORI, Picture::HAIKEI_TAKE}) {
      if (p == Picture::HAIKEI_TAKE) w->action(Menu::TAKE)->trigger();
      settle();
      const QImage shown = s().grab().toImage().convertToFormat(QImage::Format_RGB32);
      EXPECT_TRUE(
          shows_picture(shown, s(), p, F::cell_x(shape.beyond_c), F::cell_y(shape.beyond_r)));
      EXPECT_TRUE(shows_picture(shown, s(), p, F::cell_x(shape.tiled_c), F::cell_y(shape.tiled_r)));
      EXPECT_TRUE(shows_picture(shown, s(), Picture::SITA_OU, F::cell_x(5), F::cell_y(9)));
    }
    w->action(Menu::MIDORI)->trigger();
  }
}

TEST_F(WindowTest, BoxesAreOnePixelOutlines) {
  w->DrawBox(1500, 1500, 3000, 3000, 14);  // 100..200 pixels
  const QImage& img = s().backing();
  const QColor yellow(255, 255, 0);
  EXPECT_EQ(img.pixelColor(100, 150), yellow);
  EXPECT_EQ(img.pixelColor(200, 150), yellow);
  EXPECT_EQ(img.pixelColor(150, 100), yellow);
  EXPECT_EQ(img.pixelColor(150, 200), yellow);
  EXPECT_NE(img.pixelColor(101, 150), yellow);
  EXPECT_NE(img.pixelColor(201, 150), yellow);
  EXPECT_NE(img.pixelColor(150, 150), yellow);
}

TEST_F(WindowTest, TextIsPrintedFromItsTopLeftCorner) {
  w->SetBackColor(0);
  w->PrintText(1500, 1500, "王手", 12, true, 15);
  const QImage& img = s().backing();
  int lit = 0, outside = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixelColor(x, y).lightness() > 128) {
        if (x >= 100 && x < 100 + 40 && y >= 100 && y < 100 + 20)
          ++lit;
        else
          ++outside;
      }
  EXPECT_GT(lit, 30);
  EXPECT_EQ(outside, 0);
}

TEST_F(WindowTest, MissingPicturesDrawNothing) {
  auto bare = started_window(QStringLiteral("/nonexistent"));
  EXPECT_NO_THROW(bare->form.画面_再描画());
  const QImage& img = bare->surface()->backing();
  // Only the green background, boxes in green and the labels remain.
  EXPECT_EQ(img.pixelColor(F::cell_x(5.5) / 15, F::cell_y(5.5) / 15), QColor(0, 128, 0));
}

// ---- The display list ----------------------------------------------------------------------

TEST_F(WindowTest, TheDisplayListStaysSmallOverManyRedraws) {
  for (int i = 0; i < 200; ++i) w->form.画面_再描画();
  EXPECT_LE(s().displayListSize(), DisplayList::kMinLimit + 1);
  s().compact();
  EXPECT_LT(s().displayListSize(), 1000u);
}

TEST_F(WindowTest, PruningNeverChangesThePicture) {
  for (int i = 0; i < 30; ++i) w->form.画面_再描画();
  w->DrawBox(F::cell_x(3), F::cell_y(3), F::cell_x(4), F::cell_y(4), 12);
  w->PrintText(F::cell_x(12), F::cell_y(5), " 12", 14, true, 12);
  for (int i = 0; i < 30; ++i) w->form.描画_盤();
  QImage before = s().backing().copy();
  s().compact();
  s().rerender();
  EXPECT_EQ(s().backing(), before);
}

// Random pictures, boxes and texts: whatever the pruning drops, replaying the list gives the
// very image that was drawn step by step.
void random_drawing_matches_replay(GameWindow& w, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> xs(-1000, 10000), ys(-1000, 9000);
  std::uniform_int_distribution<int> kind(0, 9), pic(0, static_cast<int>(Picture::Count) - 1),
      colour(0, 15);
  for (int i = 0; i < 8000; ++i) {
    const int k = kind(rng);
    if (k < 6) {
      // Mostly on the cell grid, as the game draws.
      double x = k < 4 ? F::cell_x(std::floor(xs(rng) / 495)) : xs(rng);
      double y = k < 4 ? F::cell_y(std::floor(ys(rng) / 615)) : ys(rng);
      w.PaintPicture(static_cast<Picture>(pic(rng)), x, y);
    } else if (k < 9) {
      double x = F::cell_x(std::floor(xs(rng) / 495)), y = F::cell_y(std::floor(ys(rng) / 615));
      w.DrawBox(x, y, x + 495, y + 615, colour(rng));
    } else {
      w.PrintText(xs(rng), ys(rng), " 7 歩", 14, true, colour(rng));
    }
  }
  QImage drawn = w.surface()->backing().copy();
  EXPECT_LT(w.surface()->displayListSize(), 8000u);
  w.surface()->compact();
  w.surface()->rerender();
  EXPECT_EQ(w.surface()->backing(), drawn);
}

TEST_F(WindowTest, PruningIsExactAtOneHundredPercent) {
  random_drawing_matches_replay(*w, 1);
}

TEST_F(WindowTest, PruningIsExactAtAnOddScale) {
  w->SizeWindow(9000 * 1.37, 8000 * 1.37);
  settle();
  random_drawing_matches_replay(*w, 2);
}

// ---- Mouse positions -----------------------------------------------------------------------

TEST_F(WindowTest, TheCentreOfASquareMapsBackIntoIt) {
  auto check = [&](double scale) {
    QPoint centre(px(F::cell_x(5.5) / 15 * scale), px(F::cell_y(7.5) / 15 * scale));
    QPointF t = w->toTwips(centre);
    EXPECT_EQ(std::floor((t.x() - F::ban_x0) / F::masu_w), 5) << scale;
    EXPECT_EQ(std::floor((t.y() - F::ban_y0) / F::masu_h), 7) << scale;
  };
  check(1);
  w->SizeWindow(18000, 16000);
  settle();
  ASSERT_DOUBLE_EQ(s().scale(), 2.0);
  check(2);
}

TEST_F(WindowTest, APressOnTheSurfaceIsReportedInTwips) {
  int button = 0, shift = -1;
  double x = 0, y = 0;
  QObject::connect(&s(), &Surface::mouseDown, [&](int b, int sh, double tx, double ty) {
    button = b;
    shift = sh;
    x = tx;
    y = ty;
  });
  BoxAnswer box;
  answer_next_box(QMessageBox::Ok, &box);
  QPointF at(120, 80);
  QMouseEvent press(QEvent::MouseButtonPress, at, s().mapToGlobal(at), Qt::RightButton,
                    Qt::RightButton, Qt::ShiftModifier);
  QApplication::sendEvent(&s(), &press);
  EXPECT_EQ(button, 2);
  EXPECT_EQ(shift, 1);
  EXPECT_DOUBLE_EQ(x, 1800);
  EXPECT_DOUBLE_EQ(y, 1200);
  // The press reached the game, which asks for a game to be started first.
  EXPECT_TRUE(box.seen);
  EXPECT_EQ(box.text, QStringLiteral("「対局」で始めて下さい"));
}

TEST_F(WindowTest, TheMiddleButtonIsNotTheGames) {
  BoxAnswer box;
  answer_next_box(QMessageBox::Ok, &box);
  QPointF at(300, 300);
  QMouseEvent press(QEvent::MouseButtonPress, at, s().mapToGlobal(at), Qt::MiddleButton,
                    Qt::MiddleButton, Qt::NoModifier);
  QApplication::sendEvent(&s(), &press);
  settle();
  EXPECT_FALSE(box.seen) << "the game would have asked for a game to be started";
}

// Presses at the pixel centres of squares play a move, at 100 %, with the window scaled, and
// in a wide and a tall window: width and height zoom.
class WindowMouseTest : public WindowTest,
                        public ::testing::WithParamInterface<std::pair<double, double>> {};

TEST_P(WindowMouseTest, ClickingAPawnAndItsSquareMovesIt) {
  const auto [zoom_w, zoom_h] = GetParam();
  w->SizeWindow(9000 * zoom_w, 8000 * zoom_h);
  settle();
  BoxAnswer started;
  answer_next_box(QMessageBox::Ok, &started);
  w->form.START_Click();
  ASSERT_TRUE(started.seen);
  EXPECT_EQ(started.text, QStringLiteral("先手の番です"));

  const QRectF r = s().pictureRect();
  auto press = [&](int column, int row) {
    const double k = r.width() / 9000.0;  // pixels per twip
    QPointF at(r.left() + (F::cell_x(column) + F::masu_w / 2.0) * k,
               r.top() + (F::cell_y(row) + F::masu_h / 2.0) * k);
    QMouseEvent e(QEvent::MouseButtonPress, at, s().mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&s(), &e);
  };
  press(5, 7);
  press(5, 6);
  settle();
  EXPECT_EQ(w->form.ban[5][6], F::man_hu);
  EXPECT_EQ(w->form.ban[5][7], F::kara);
  QImage shown = s().grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_TRUE(shows_picture(shown, s(), Picture::SITA_HU_0, F::cell_x(5), F::cell_y(6)));
  EXPECT_TRUE(shows_picture(shown, s(), Picture::KARA_MASU, F::cell_x(5), F::cell_y(7)));
}

INSTANTIATE_TEST_SUITE_P(Scales, WindowMouseTest,
                         ::testing::Values(std::pair(1.0, 1.0), std::pair(1.7, 1.7),
                                           std::pair(2.2, 1.3), std::pair(1.1, 2.0)));

// ---- Image controls ------------------------------------------------------------------------

TEST_F(WindowTest, ImagesStartHiddenAndShowAboveThePicture) {
  for (int i = 0; i < static_cast<int>(Image::Count); ++i)
    EXPECT_FALSE(s().imageVisible(static_cast<Image>(i)));
  w->MoveImage(Image::Image1, F::cell_x(3) + 100, F::cell_y(5) - 300);
  w->ShowImage(Image::Image1, true);
  w->Refresh();
  expect_shown(Image::Image1);
  w->ShowImage(Image::Image1, false);
  w->Refresh();
  EXPECT_EQ(s().grab().toImage().convertToFormat(QImage::Format_RGB32),
            s().backing().convertToFormat(QImage::Format_RGB32));
}

TEST_F(WindowTest, TheShakePutsTheWindowBackExactly) {
  w->MoveWindow(1500, 750);
  settle();
  const Placement before = w->GetPlacement();
  QElapsedTimer t;
  t.start();
  w->form.描画_振動();
  EXPECT_GE(t.elapsed(), 300) << "eight steps of 0.04 s";
  settle();
  const Placement after = w->GetPlacement();
  EXPECT_DOUBLE_EQ(after.left, before.left);
  EXPECT_DOUBLE_EQ(after.top, before.top);
}

TEST_F(WindowTest, TheSideToMoveIconShowsInTheGrabbedWindow) {
  BoxAnswer box;
  answer_next_box(QMessageBox::Ok, &box);
  w->form.START_Click();
  settle();
  ASSERT_TRUE(s().imageVisible(Image::gote_man));
  expect_shown(Image::gote_man);
}

// The side-to-move icons stand where the game places them, at every scale, and hide no square,
// no label and no player named by a loaded record: under their opaque pixels lies only the
// green felt, neither the yellow of a label, the white of a name nor the black of their rings.
TEST_F(WindowTest, TheSideToMoveIconsHideNoPieceLabelOrName) {
  show_record_players();
  struct {
    Int mode, side;
    Image icon;
  } icons[] = {{F::mode_man, F::te_gote, Image::sente_man},
               {F::mode_com, F::te_gote, Image::sente_com},
               {F::mode_man, F::te_sente, Image::gote_man}};
  for (double zoom : {1.0, 1.7}) {
    w->SizeWindow(9000 * zoom, 8000 * zoom);
    settle();
    w->form.man_te = F::te_sente;
    w->form.com_te = F::te_gote;
    const QImage& felt = s().backing();
    for (auto [mode, side, icon] : icons) {
      w->form.taikyoku_mode = mode;
      w->form.描画_打手_アイコン(side);
      ASSERT_TRUE(s().imageVisible(icon));
      int on_board = 0, on_text = 0;
      const int seen = for_each_opaque_pixel(s(), icon, [&](QPoint at, QPointF twips, QColor) {
        on_board += twips.x() >= F::cell_x(1) && twips.x() < F::cell_x(10) &&
                    twips.y() >= F::cell_y(1) && twips.y() < F::cell_y(10);
        const QColor under = felt.pixelColor(at);
        on_text += under.green() < 60 || under.red() > 120;
      });
      EXPECT_GT(seen, 0) << image_name(icon);
      EXPECT_EQ(on_board, 0) << image_name(icon) << " at " << zoom;
      EXPECT_EQ(on_text, 0) << image_name(icon) << " at " << zoom;
    }
  }
}

TEST_F(WindowTest, TheTimerRunsTheClockOfAStartedGame) {
  w->form.taikyoku_mode = F::mode_man;
  w->form.teban = F::te_sente;
  w->form.man_te = F::te_sente;
  w->form.com_te = F::te_gote;
  w->form.kaisi_jikoku = static_cast<float>(w->Seconds());
  w->SetTimerEnabled(true);
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 1300) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_GE(w->form.keika_byou, 1.0f);
  EXPECT_GE(w->form.keika_byou_hyouji, 1.0f);
}

// ---- Menus ---------------------------------------------------------------------------------

TEST_F(WindowTest, EveryMenuHasItsNameAndCaption) {
  struct {
    Menu m;
    const char* caption;
  } expected[] = {{Menu::TAIKYOKU, "対局"},     {Menu::MATCH_MAN, "対局(人間)"},
                  {Menu::START, "スタート"},    {Menu::START2, "対局(COM)"},
                  {Menu::SENTE, "先手"},        {Menu::GOTE, "後手"},
                  {Menu::LEVEL, "COM対局ﾚﾍﾞﾙ"}, {Menu::LEVEL2, "LEVEL2"},
                  {Menu::OWARI, "終わり"},      {Menu::STOP, "局面"},
                  {Menu::CANCEL, "最初"},       {Menu::LBEL_UP, "▲"},
                  {Menu::LEBEL_DOWN, "▼"},      {Menu::KIFU, "棋譜"},
                  {Menu::KIFU_WRITE, "書込"},   {Menu::OPTION, "ｵﾌﾟｼｮﾝ"},
                  {Menu::HAIKEI_GA, "背景画"},  {Menu::RENGA, "煉瓦"},
                  {Menu::KEIKA, "経過時間"},    {Menu::VER, "その他"}};
  for (auto& e : expected) {
    QAction* a = w->findChild<QAction*>(QString::fromLatin1(menu_name(e.m)));
    ASSERT_NE(a, nullptr) << menu_name(e.m);
    EXPECT_EQ(a, w->action(e.m));
    EXPECT_EQ(a->text(), QString::fromUtf8(e.caption)) << menu_name(e.m);
  }
  for (int i = 0; i < static_cast<int>(Menu::Count); ++i)
    EXPECT_NE(w->action(static_cast<Menu>(i)), nullptr);
}

TEST_F(WindowTest, EveryCommandIsEnabledUnlessTheGameSaysOtherwise) {
  for (Menu m :
       {Menu::START,  Menu::OWARI,     Menu::TAIKYOKU,   Menu::SENTE,  Menu::GOTE,    Menu::MIDORI,
        Menu::RENGA,  Menu::SIDOU,     Menu::KEIKA,      Menu::BGM,    Menu::VER,     Menu::LEVEL1,
        Menu::LEVEL3, Menu::LBEL_UP,   Menu::LEBEL_DOWN, Menu::CANCEL, Menu::REVERSE, Menu::REPLAY,
        Menu::AFTER,  Menu::KIFU_READ, Menu::KIFU_WRITE})
    EXPECT_TRUE(w->action(m)->isEnabled()) << menu_name(m);
  w->SetEnabled(Menu::START, false);
  EXPECT_FALSE(w->action(Menu::START)->isEnabled());
  w->SetEnabled(Menu::START, true);
  EXPECT_TRUE(w->action(Menu::START)->isEnabled());
}

TEST_F(WindowTest, ChoosingABackgroundFromTheMenuRepaintsAndSavesIt) {
  w->action(Menu::TAKE)->trigger();
  settle();
  EXPECT_TRUE(w->action(Menu::TAKE)->isChecked());
  EXPECT_FALSE(w->action(Menu::MIDORI)->isChecked());
  EXPECT_TRUE(shows_picture(s().backing(), Picture::HAIKEI_TAKE, F::cell_x(-2), F::cell_y(5)));
  QFile saved(QString::fromStdString(w->form.settings_path));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().startsWith("\x94\x77\x8C\x69\x89\xE6=\x92\x7C\r\n"));
}

TEST_F(WindowTest, CheckMarksFollowTheGame) {
  EXPECT_TRUE(w->Checked(Menu::LEVEL3));
  EXPECT_TRUE(w->action(Menu::LEVEL3)->isChecked());
  EXPECT_FALSE(w->Checked(Menu::LEVEL1));
  w->SetChecked(Menu::KEIKA, true);
  EXPECT_TRUE(w->Checked(Menu::KEIKA));
  w->SetChecked(Menu::KEIKA, false);
  EXPECT_FALSE(w->action(Menu::KEIKA)->isChecked());
}

TEST_F(WindowTest, OpeningTheGameMenuHidesTheRecordPanel) {
  w->SetVisible(Control::Dir1, true);
  w->SetVisible(Control::Text1, true);
  QMenu* menu = w->findChild<QMenu*>(QStringLiteral("TAIKYOKU"));
  ASSERT_NE(menu, nullptr);
  emit menu->aboutToShow();
  EXPECT_FALSE(w->control(Control::Dir1)->isVisible());
  EXPECT_FALSE(w->control(Control::Text1)->isVisible());
}

TEST_F(WindowTest, StartAsksTheFirstPlayerToMove) {
  BoxAnswer box;
  answer_next_box(QMessageBox::Ok, &box);
  w->action(Menu::START)->trigger();
  EXPECT_TRUE(box.seen);
  EXPECT_EQ(box.text, QStringLiteral("先手の番です"));
  EXPECT_EQ(w->form.teban, F::te_sente);
}

TEST_F(WindowTest, OwariEndsTheProgram) {
  w->action(Menu::OWARI)->trigger();
  EXPECT_TRUE(w->ended());
}

// ---- Message boxes -------------------------------------------------------------------------

TEST_F(WindowTest, MessageBoxesAnswerAsTheGameExpects) {
  BoxAnswer box;
  answer_next_box(QMessageBox::Ok, &box);
  EXPECT_EQ(w->MsgBox("MANの番です", mb::OKOnly, "対局"), mb::OK);
  EXPECT_EQ(box.title, QStringLiteral("対局"));
  EXPECT_EQ(box.text, QStringLiteral("MANの番です"));
  EXPECT_EQ(box.icon, QMessageBox::NoIcon);
  // Room for the short title beside the title bar's icon and three buttons, each a square
  // about twice the text's height.
  EXPECT_GE(box.width, box.title_width + 4 * 2 * box.title_height);

  answer_next_box(QMessageBox::Yes, &box);
  EXPECT_EQ(w->MsgBox("もう一局?", mb::YesNo + mb::Question, "終局"), mb::Yes);
  EXPECT_EQ(box.icon, QMessageBox::Question);
  answer_next_box(QMessageBox::No, &box);
  EXPECT_EQ(w->MsgBox("もう一局?", mb::YesNo + mb::Exclamation, "終局"), mb::No);
  EXPECT_EQ(box.icon, QMessageBox::Warning);

  answer_next_box(QMessageBox::Ok, &box);
  w->MsgBox("対局途中ではできません\r\r局面→最初にして下さい", mb::OKOnly + mb::Information, "x");
  EXPECT_EQ(box.text, QStringLiteral("対局途中ではできません\n\n局面→最初にして下さい"));
  EXPECT_EQ(box.icon, QMessageBox::Information);
}

// ---- Timer and clock -----------------------------------------------------------------------

TEST_F(WindowTest, TheClockTimerTicksEveryTenthOfASecond) {
  EXPECT_FALSE(w->TimerEnabled());
  w->SetTimerEnabled(true);
  EXPECT_TRUE(w->TimerEnabled());
  EXPECT_EQ(w->timer().interval(), 100);
  w->SetTimerEnabled(false);
  EXPECT_FALSE(w->TimerEnabled());
}

TEST_F(WindowTest, SecondsCountFromMidnight) {
  double want = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
  double got = w->Seconds();
  EXPECT_NEAR(got, want, 0.5);
  EXPECT_GE(got, 0);
  EXPECT_LT(got, 86400);
}

TEST_F(WindowTest, SleepWaits) {
  QElapsedTimer t;
  t.start();
  w->Sleep(0.05);
  EXPECT_GE(t.elapsed(), 45);
}

// ---- Keys and closing ----------------------------------------------------------------------

TEST_F(WindowTest, EscEndsTheProgram) {
  QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(w.get(), &a);
  EXPECT_FALSE(w->ended());
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(w.get(), &esc);
  EXPECT_TRUE(w->ended());
}

TEST_F(WindowTest, KeysTypedIntoTheDialogAreItsOwnButEscEndsTheProgram) {
  w->action(Menu::KIFU_WRITE)->trigger();
  QWidget* name = w->control(Control::Text1);
  ASSERT_TRUE(name->isVisible());
  name->setFocus();
  QTest::keyClicks(name, "kifu");
  EXPECT_EQ(w->Text(Control::Text1), "kifu");
  EXPECT_FALSE(w->ended());
  QTest::keyClick(name, Qt::Key_Escape);
  EXPECT_TRUE(w->ended());
}

TEST_F(WindowTest, ClosingTheWindowEndsTheProgram) {
  w->close();
  EXPECT_TRUE(w->ended());
}

// ---- Erasing --------------------------------------------------------------------------------

// Texts are ringed in black, yet painting over the cells they were printed into gives back the
// very pixels that stood there before, no more and no less: the clocks, and the headers of a
// record that a new game erases.
TEST_F(WindowTest, ErasedTextsLeaveNothingBehind) {
  const QImage before = s().backing().copy();
  show_record_players();
  w->form.描画_棋譜読込み部分消去();
  w->SetChecked(Menu::KEIKA, true);
  for (Int side : {F::te_sente, F::te_gote}) {
    w->form.描画_所有時間(side, 3725);
    w->form.消去_所有時間(side);
  }
  EXPECT_TRUE(s().backing() == before);
}

// ---- Record dialog controls ----------------------------------------------------------------

TEST_F(WindowTest, RecordControlsStartHiddenAtTheirPlaces) {
  for (int i = 0; i < static_cast<int>(Control::Count); ++i) {
    QWidget* c = w->control(static_cast<Control>(i));
    ASSERT_NE(c, nullptr);
    EXPECT_FALSE(c->isVisible()) << control_name(static_cast<Control>(i));
    EXPECT_EQ(c->objectName(), QString::fromLatin1(control_name(static_cast<Control>(i))));
  }
  EXPECT_EQ(w->control(Control::Text2)->geometry(), QRect(64, 160, 153, 18));
  EXPECT_EQ(w->control(Control::Command1)->geometry(), QRect(224, 200, 57, 25));
  EXPECT_EQ(w->control(Control::File1)->geometry(), QRect(16, 152, 169, 62));
  EXPECT_EQ(w->Text(Control::Label1_3), "対 局 名：");
  EXPECT_EQ(w->Text(Control::Label1_0), "ﾌｧｲﾙ名 ：");
  EXPECT_EQ(w->Text(Control::Command1), "RETURN");

  w->SizeWindow(18000, 16000);
  settle();
  EXPECT_EQ(w->control(Control::Text2)->geometry(), QRect(128, 320, 306, 36));
}

TEST_F(WindowTest, RecordControlsShowAndHoldText) {
  w->SetVisible(Control::Text1, true);
  EXPECT_TRUE(w->control(Control::Text1)->isVisible());
  w->SetText(Control::Text1, "名局");
  EXPECT_EQ(w->Text(Control::Text1), "名局");
  EXPECT_EQ(qobject_cast<QLineEdit*>(w->control(Control::Text1))->text(), QStringLiteral("名局"));
  w->SetVisible(Control::Text1, false);
  EXPECT_FALSE(w->control(Control::Text1)->isVisible());
  w->SetText(Control::Drive1, "c:");
  EXPECT_EQ(w->Text(Control::Drive1), "c:");
}

}  // namespace
