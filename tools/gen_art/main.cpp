// gen_art draws every picture of the game and writes them as PNG files into the folder given
// first on the command line, and the game's icon for the desktop into the second.
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <cstdio>

#include "GameIcon.h"
#include "Paint.h"
#include "Pictures.h"

namespace {

bool save(const QImage& img, const QString& dir, const QString& name, bool opaque) {
  const QImage out = img.convertToFormat(opaque ? QImage::Format_RGB888 : QImage::Format_ARGB32);
  const QString file = dir + "/" + name + ".png";
  if (!out.save(file, "PNG")) {
    std::fprintf(stderr, "gen_art: cannot write %s\n", qPrintable(file));
    return false;
  }
  return true;
}

// The kanji's font, from the Debian package fonts-noto-cjk.
void loadSerifFont() {
  QFontDatabase::addApplicationFont(
      QStringLiteral("/usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc"));
  const QString found = QFontInfo(art::serifFont(40)).family();
  if (found != art::serifFamily())
    std::fprintf(stderr, "gen_art: warning: %s not found, the kanji use %s\n",
                 qPrintable(art::serifFamily()), qPrintable(found));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() < 3) {
    std::fprintf(stderr, "usage: gen_art PICTURES_FOLDER ICONS_FOLDER\n");
    return 2;
  }
  const QString pictures = args.at(1), icons = args.at(2);
  for (const QString& folder : {pictures, icons})
    if (!QDir().mkpath(folder)) {
      std::fprintf(stderr, "gen_art: cannot create %s\n", qPrintable(folder));
      return 1;
    }
  loadSerifFont();

  bool ok = true;
  const std::vector<art::Drawing> drawings = art::everyPicture();
  for (const art::Drawing& d : drawings) ok = save(d.draw(), pictures, d.file, d.opaque) && ok;
  std::printf("gen_art: %zu pictures written to %s\n", drawings.size(), qPrintable(pictures));

  const QImage icon = art::gameIcon();
  for (int size : art::kGameIconSizes)
    ok = save(icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), icons,
              QStringLiteral("luminak-shogi-%1").arg(size), false) &&
         ok;
  std::printf("gen_art: the game's icon written to %s\n", qPrintable(icons));
  return ok ? 0 : 1;
}
