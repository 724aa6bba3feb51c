// gen_art draws every picture of the game and writes them as PNG files into the folder given
// first on the command line, the international pieces into its folder intl, and the game's icon
// for the desktop into the second. With --sheet FILE it also writes a sheet of both sets of
// pieces at three sizes, to look at.
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <cstdio>

#include "GameIcon.h"
#include "Paint.h"
#include "Pictures.h"
#include "Sheet.h"

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
  const bool withSheet = args.size() == 5 && args.at(3) == QStringLiteral("--sheet");
  if (args.size() != 3 && !withSheet) {
    std::fprintf(stderr, "usage: gen_art PICTURES_FOLDER ICONS_FOLDER [--sheet FILE]\n");
    return 2;
  }
  const QString pictures = args.at(1), icons = args.at(2);
  const QString international = pictures + QStringLiteral("/intl");
  for (const QString& folder : {pictures, international, icons})
    if (!QDir().mkpath(folder)) {
      std::fprintf(stderr, "gen_art: cannot create %s\n", qPrintable(folder));
      return 1;
    }
  loadSerifFont();

  bool ok = true;
  const std::vector<art::Drawing> drawings = art::everyPicture();
  for (const art::Drawing& d : drawings) ok = save(d.draw(), pictures, d.file, d.opaque) && ok;
  std::printf("gen_art: %zu pictures written to %s\n", drawings.size(), qPrintable(pictures));

  std::vector<QImage> kanjiPieces, intlPieces;
  for (const art::Drawing& d : art::pieceDrawings(art::PieceSet::International)) {
    intlPieces.push_back(d.draw());
    ok = save(intlPieces.back(), international, d.file, d.opaque) && ok;
  }
  std::printf("gen_art: %zu pieces written to %s\n", intlPieces.size(), qPrintable(international));
  if (withSheet) {
    for (const art::Drawing& d : art::pieceDrawings(art::PieceSet::Kanji))
      kanjiPieces.push_back(d.draw());
    ok = art::pieceSheet(kanjiPieces, intlPieces).save(args.at(4), "PNG") && ok;
    std::printf("gen_art: the sheet of pieces written to %s\n", qPrintable(args.at(4)));
  }

  const QImage icon = art::gameIcon();
  for (int size : art::kGameIconSizes)
    ok = save(icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), icons,
              QStringLiteral("luminak-shogi-%1").arg(size), false) &&
         ok;
  std::printf("gen_art: the game's icon written to %s\n", qPrintable(icons));
  return ok ? 0 : 1;
}
