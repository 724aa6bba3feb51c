// Where the game's files are, found from the folder of its executable. In the build folder, or
// a copy of it, the pictures and sounds are in assets/ and the sound library beside the
// executable. An install puts the executable in games/, the pictures and sounds in
// share/luminak-shogi/ and the sound library in lib/luminak-shogi/ of one prefix, wherever that
// prefix is.
#pragma once

#include <QString>
#include <QStringList>

struct GameFiles {
  QString folder;          // the executable's
  QString assets;          // holds pictures/ and sounds/
  QStringList searched;    // the picture folders looked for, in order
  QString sound_library;   // may be missing: the game then plays silently
  bool installed = false;  // laid out under a prefix rather than in one folder

  static GameFiles find(const QString& executable_folder);

  QString pictures() const { return assets + "/pictures"; }
  QString sounds() const { return assets + "/sounds"; }
  // The settings file: beside a game kept in one writable folder, else in the player's
  // configuration folder, which is made when missing.
  QString settings_path() const;
};

// What the player is told when a picture or image the game names cannot be loaded: which file,
// and where it was looked for. Empty when every one loads.
QString missing_picture_message(const GameFiles& files);

// Shows that message in a box. False when a picture is missing: the game cannot be played.
bool check_pictures(const GameFiles& files);
