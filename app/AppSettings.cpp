#include "app/AppSettings.h"

#include <QDir>
#include <QStandardPaths>

#include "engine/Strength.h"

namespace {

struct Entry {
  AppOption option;
  const char* key;
  QVariant fallback;
};
const Entry kOptions[] = {
    {AppOption::ShortEffects, "effects/shorter", false},
    {AppOption::MoveList, "view/moveList", false},
    {AppOption::Score, "view/score", false},
    {AppOption::ReviewSeconds, "review/seconds", 0.2},  // LEVEL4's time a position
    {AppOption::Folder, "files/folder", QString()},     // the record folder last used
    {AppOption::Strength, "level4/strength", engine::kStrongest},
    {AppOption::Language, "view/language", QString()},  // "" follows the system, "ja", "en"
    {AppOption::Pieces, "view/pieces", QStringLiteral("kanji")},  // or "international"
};
static_assert(std::size(kOptions) == static_cast<std::size_t>(AppOption::Count));

const Entry& entry(AppOption o) {
  return kOptions[static_cast<int>(o)];
}

}  // namespace

AppSettings::AppSettings(const QString& file) {
  if (!file.isEmpty()) file_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
  for (const Entry& e : kOptions) {
    const QVariant saved = file_ ? file_->value(QString::fromLatin1(e.key)) : QVariant();
    values_[static_cast<int>(e.option)] =
        saved.isValid() && saved.canConvert(e.fallback.metaType()) ? saved : e.fallback;
    values_[static_cast<int>(e.option)].convert(e.fallback.metaType());
  }
}

QVariant AppSettings::value(AppOption o) const {
  return values_[static_cast<int>(o)];
}

void AppSettings::set(AppOption o, const QVariant& v) {
  values_[static_cast<int>(o)] = v;
  if (!file_) return;
  file_->setValue(QString::fromLatin1(entry(o).key), v);
  file_->sync();
}

void AppSettings::save() {
  if (!file_) return;
  for (const Entry& e : kOptions)
    file_->setValue(QString::fromLatin1(e.key), values_[static_cast<int>(e.option)]);
  file_->sync();
}

QString AppSettings::default_file() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(folder);
  return folder + QStringLiteral("/luminak-shogi.conf");
}
