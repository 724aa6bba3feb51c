// Vexa ルミナーク将棋: the desktop game.
#include <QApplication>
#include <memory>

#include "app/GameWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  auto window = std::make_unique<GameWindow>(QCoreApplication::applicationDirPath() + "/assets");
  window->form.Form_Load();
  if (window->ended()) return 0;
  window->show();
  return app.exec();
}
