// The window's own options, kept apart from the game's settings file (whose bytes stay as the
// game writes them): shorter effects, the panels, the folder last used, and so on. One table
// names each option and its value when nothing was saved.
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

enum class AppOption {
  ShortEffects,
  MoveList,
  Score,
  ReviewSeconds,
  Folder,
  Strength,
  Language,
  Pieces,
  Count
};

class AppSettings {
 public:
  // Kept in `file` (an INI file); without one, for this run only.
  explicit AppSettings(const QString& file = {});

  QVariant value(AppOption o) const;
  bool flag(AppOption o) const { return value(o).toBool(); }
  // Written through at once: a game ended by a signal keeps what was chosen.
  void set(AppOption o, const QVariant& v);
  // Every option written out, chosen or not.
  void save();

  // The player's configuration folder's file ("luminak-shogi.conf").
  static QString default_file();

 private:
  std::unique_ptr<QSettings> file_;
  QVariant values_[static_cast<int>(AppOption::Count)];
};
