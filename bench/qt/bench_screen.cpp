// The window's drawing speed: a full redraw of the screen, and start-up to the first frame.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QObject>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "app/GameWindow.h"

namespace {

// The source tree's assets, or LUMINAK_TEST_ASSETS when set.
QString assets() {
  QString dir = qEnvironmentVariable("LUMINAK_TEST_ASSETS");
  return dir.isEmpty() ? QStringLiteral(LUMINAK_SOURCE_ASSETS) : dir;
}

// Counts the paints of a widget.
struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

std::unique_ptr<GameWindow> shown_window() {
  auto w = std::make_unique<GameWindow>(assets());
  w->form.Form_Load();
  w->show();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  return w;
}

// 画面_再描画 onto the surface at 100 %: every picture, box and text drawn into the image.
void BM_FullRedraw(benchmark::State& state) {
  auto w = shown_window();
  for (auto _ : state) w->form.画面_再描画();
  state.counters["display_list"] = static_cast<double>(w->surface()->displayListSize());
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

// The same, then shown on the window at once.
void BM_FullRedrawShown(benchmark::State& state) {
  auto w = shown_window();
  for (auto _ : state) {
    w->form.画面_再描画();
    w->Refresh();
  }
}
BENCHMARK(BM_FullRedrawShown)->Unit(benchmark::kMillisecond);

// Replaying the display list after a change of size, at 200 %.
void BM_RerenderAtTwiceTheSize(benchmark::State& state) {
  auto w = shown_window();
  w->SizeWindow(18000, 16000);
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  for (auto _ : state) w->surface()->rerender();
}
BENCHMARK(BM_RerenderAtTwiceTheSize)->Unit(benchmark::kMillisecond);

// From nothing to the first painted frame: the window, Form_Load, show and the first paint.
void BM_StartUpToFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    auto w = std::make_unique<GameWindow>(assets());
    PaintCounter counter;
    w->surface()->installEventFilter(&counter);
    w->form.Form_Load();
    w->show();
    while (counter.paints == 0) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    state.PauseTiming();
    w->surface()->removeEventFilter(&counter);
    w.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(20);

// The computer's turn as the player waits for it: from the press that ends the player's move
// to the end of the turn's effects, LEVEL4 thinking 1 s, music on (its pictures and the shake),
// with shorter effects off (0) and on (1). Message boxes are answered at once.
void BM_ComputersTurnFromThePress(benchmark::State& state) {
  auto w = shown_window();
  w->form.ensyutu_tansyuku = state.range(0) != 0;
  w->SetChecked(Menu::BGM, true);
  w->form.LEVEL4_Click();
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      box->button(box->standardButtons().testFlag(QMessageBox::Yes) ? QMessageBox::Yes
                                                                    : QMessageBox::Ok)
          ->click();
  });
  answer.start(1);
  auto press = [&](int column, int row) {
    const QPointF at = w->surface()
                           ->toLogical(QRectF(Form1::cell_x(column), Form1::cell_y(row),
                                              Form1::masu_w, Form1::masu_h))
                           .center();
    QMouseEvent e(QEvent::MouseButtonPress, at, w->surface()->mapToGlobal(at), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->surface(), &e);
  };
  for (auto _ : state) {
    state.PauseTiming();
    w->form.CANCEL_Click();  // a new game, the player to move first
    w->form.SENTE_Click();
    press(7, 7);
    state.ResumeTiming();
    press(7, 6);  // the computer's whole turn runs inside this press
    if (w->form.tesuu != 2) state.SkipWithError("the computer did not answer the move");
  }
}
BENCHMARK(BM_ComputersTurnFromThePress)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  QApplication app(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
