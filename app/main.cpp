// Vexa ルミナーク将棋: the desktop game.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <memory>

#include "app/GameWindow.h"
#include "shell/DynamicSound.h"

namespace {

// The settings file stands beside the game; where that folder is not writable (a system-wide
// install), in the player's own configuration folder.
QString settings_path() {
  const QString name = QStringLiteral("Vexaルミナーク将棋.ini");
  const QString beside = QCoreApplication::applicationDirPath();
  if (QFileInfo(beside).isWritable()) return beside + "/" + name;
  const QString own = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(own);
  return own + "/" + name;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString folder = QCoreApplication::applicationDirPath();
  // The sound library and the pictures and sounds stand beside the game.
  DynamicSound sound((folder + "/").toStdString() + DynamicSound::kFileName);
  auto window = std::make_unique<GameWindow>(folder + "/assets");
  window->form.ds = &sound;
  window->form.sound_folder = (folder + "/assets/sounds").toStdString();
  window->form.settings_path = settings_path().toStdString();
  window->form.Form_Load();
  if (window->ended()) return 0;
  window->show();
  return app.exec();
}
