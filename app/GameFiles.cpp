#include "app/GameFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "app/PictureStore.h"
#include "shell/DynamicSound.h"

namespace {

const QString kSettingsFile = QStringLiteral("Vexaルミナーク将棋.ini");
const QString kTitle = QStringLiteral("Vexa ルミナーク将棋");

// The layouts the game may stand in, tried in this order: paths from the executable's folder.
struct Layout {
  const char* assets;
  const char* library;
  bool installed;
};
constexpr Layout kLayouts[] = {
    {"assets", ".", false},
    {LUMINAK_DATA_FROM_BIN, LUMINAK_LIB_FROM_BIN, true},
};

QString under(const QString& folder, const char* path) {
  return QDir::cleanPath(folder + "/" + QString::fromUtf8(path));
}

// The file name of the first picture or image that does not load, and whether it is there.
struct Missing {
  QString file;
  bool exists = false;
};
Missing first_missing(const GameFiles& files) {
  PictureStore store(files.assets);
  auto check = [&](const char* name, bool loaded) {
    const QString file = QString::fromUtf8(name) + ".png";
    return loaded ? Missing{} : Missing{file, QFileInfo::exists(files.pictures() + "/" + file)};
  };
  for (int p = 0; p < static_cast<int>(Picture::Count); ++p) {
    const Picture picture = static_cast<Picture>(p);
    if (Missing m = check(picture_file(picture), !store.picture(picture).isNull());
        !m.file.isEmpty())
      return m;
  }
  for (int i = 0; i < static_cast<int>(Image::Count); ++i) {
    const Image image = static_cast<Image>(i);
    if (Missing m = check(image_file(image), !store.image(image).isNull()); !m.file.isEmpty())
      return m;
  }
  return {};
}

}  // namespace

GameFiles GameFiles::find(const QString& executable_folder) {
  GameFiles files;
  files.folder = QDir::cleanPath(executable_folder);
  const Layout* chosen = nullptr;
  for (const Layout& l : kLayouts) {
    files.searched << under(files.folder, l.assets) + "/pictures";
    if (chosen == nullptr && QFileInfo(files.searched.last()).isDir()) chosen = &l;
  }
  if (chosen == nullptr) chosen = &kLayouts[0];
  files.assets = under(files.folder, chosen->assets);
  files.sound_library = under(files.folder, chosen->library) + "/" + DynamicSound::kFileName;
  files.installed = chosen->installed;
  return files;
}

QString GameFiles::settings_path() const {
  if (!installed && QFileInfo(folder).isWritable()) return folder + "/" + kSettingsFile;
  const QString own = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(own);
  return own + "/" + kSettingsFile;
}

QString missing_picture_message(const GameFiles& files) {
  const Missing m = first_missing(files);
  if (m.file.isEmpty()) return {};
  QString text = m.exists ? QStringLiteral("ゲームの絵「%1」が読み込めません。")
                          : QStringLiteral("ゲームの絵「%1」が見つかりません。");
  text = text.arg(m.file) + QStringLiteral("\n\n探したフォルダ：\n");
  for (const QString& folder : files.searched) text += QStringLiteral("　") + folder + "\n";
  return text + QStringLiteral("\nゲームをインストールし直してください。終了します。");
}

bool check_pictures(const GameFiles& files) {
  const QString message = missing_picture_message(files);
  if (message.isEmpty()) return true;
  QMessageBox::critical(nullptr, kTitle, message);
  return false;
}
