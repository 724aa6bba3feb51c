// Vexa ルミナーク将棋: the desktop game.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "app/AnalyseCommand.h"
#include "app/EndSignals.h"
#include "app/FirstFrame.h"
#include "app/GameFiles.h"
#include "app/GameWindow.h"
#include "kifu/kif_command.h"
#include "shell/DynamicSound.h"

int main(int argc, char** argv) {
  // The analysis needs no window, nor a display to open one on.
  if (wants_analysis(argc, argv)) return analyse_command(argc, argv, std::cout, std::cerr);
  // So do the record conversions: --to-kif IN.棋譜 OUT.kif[u], --from-kif IN.kif[u] OUT.棋譜.
  if (argc == 4 && std::string(argv[1]) == "--to-kif")
    return kif_command_to_kif(argv[2], argv[3], std::cerr);
  if (argc == 4 && std::string(argv[1]) == "--from-kif")
    return kif_command_from_kif(argv[2], argv[3], std::cerr);
  QApplication app(argc, argv);
  // The player's configuration folder is named after it.
  QCoreApplication::setApplicationName(QStringLiteral("luminak-shogi"));
  // The desktop shows the window with its menu entry's name and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("luminak-shogi"));
  QCommandLineParser args;
  args.addHelpOption();
  const QCommandLineOption first_frame(
      QStringLiteral("first-frame"),
      QStringLiteral("Start, save the first frame to <file> (PNG), report what was loaded, end."),
      QStringLiteral("file"));
  args.addOption(first_frame);
  args.process(app);
  std::optional<BoxReporter> boxes;
  if (args.isSet(first_frame)) boxes.emplace();

  const GameFiles files = GameFiles::find(QCoreApplication::applicationDirPath());
  if (!check_pictures(files)) return 1;
  EndSignals ending;  // caught before the sound library starts SDL
  DynamicSound sound(files.sound_library.toStdString());
  auto window = std::make_unique<GameWindow>(files.assets);
  window->form.ds = &sound;
  window->form.sound_folder = files.sounds().toStdString();
  window->form.settings_path = files.settings_path().toStdString();
  window->useSettings(AppSettings::default_file());
  window->applyLanguage();
  // The game has freed its sounds and every file it writes is whole: it stops where it is.
  window->setEndInsideWork([] {
    std::fflush(nullptr);
    std::_Exit(0);
  });
  QObject::connect(&ending, &EndSignals::asked, window.get(), &GameWindow::unload);
  window->load();
  if (window->ended()) return 0;
  window->show();
  if (boxes) return save_first_frame(*window, files, args.value(first_frame), *boxes);
  return app.exec();
}
