// The game's texts in the player's language. The Japanese texts the game shows are the keys of
// a Qt catalogue (app/translations/luminak_en.ts, built into the program); a text that is not a
// key, such as a record's title, a player's name or a path, is shown as it is.
#pragma once

#include <QString>
#include <string>

namespace translation {

// The catalogue's context, shared by every text of the game.
inline constexpr const char* kContext = "Luminak";
// The chosen language as the settings keep it: follow the system, or one of the two.
inline const QString kFollowSystem;
inline const QString kJapanese = QStringLiteral("ja");
inline const QString kEnglish = QStringLiteral("en");

// The built-in catalogue of English texts.
QString english_catalogue();
// "ja" or "en" for a chosen language; the system's own for kFollowSystem (Japanese where the
// system speaks it, English elsewhere).
QString resolve(const QString& chosen);
// Shows the game in `chosen` from now on (installs or removes the English catalogue).
void use(const QString& chosen);
bool english();

// One whole text looked up exactly.
QString text(const QString& key);
QString text(const std::string& key);
// A message of several lines: each line looked up alone with its surrounding spaces kept, a
// numbered reason ("… (12行目)") by its pattern; other lines unchanged.
QString message(const std::string& text);

}  // namespace translation
