// Compares the pictures of two folders, file by file: the committed ones and a fresh drawing.
//
//   picdiff COMMITTED_FOLDER DRAWN_FOLDER
//
// A pixel differs when one of its premultiplied channels differs by more than kFuzz; a picture
// differs when more than kTolerance of its pixels do, when its size has changed, or when only one
// folder has it. Prints one line for each picture that differs and exits 1 if any did.
#include <QDir>
#include <QImage>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// gen_art draws the same pixels on every run, whatever the processor's vector units; what
// another machine may change is how fonts and antialiasing shade the edges. Kanji outlines
// moved by a twentieth of a pixel change a few edge pixels by up to 8 levels; moved by a
// seventh of a pixel, about one pixel in a hundred by more.
constexpr int kFuzz = 8;               // levels of 255
constexpr double kTolerance = 0.0005;  // share of a picture's pixels: 1 in 2000

int channelDifference(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

QImage load(const QDir& dir, const QString& name) {
  return QImage(dir.filePath(name)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Empty when the two are alike within the tolerance, else what differs.
QString difference(const QImage& committed, const QImage& drawn) {
  if (committed.isNull() || drawn.isNull()) return QStringLiteral("cannot be read");
  if (committed.size() != drawn.size())
    return QStringLiteral("is %1 x %2 pixels, drawn %3 x %4")
        .arg(committed.width())
        .arg(committed.height())
        .arg(drawn.width())
        .arg(drawn.height());
  long differing = 0;
  int largest = 0;
  for (int y = 0; y < committed.height(); ++y) {
    const QRgb* a = reinterpret_cast<const QRgb*>(committed.constScanLine(y));
    const QRgb* b = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
    for (int x = 0; x < committed.width(); ++x) {
      const int d = channelDifference(a[x], b[x]);
      largest = std::max(largest, d);
      if (d > kFuzz) ++differing;
    }
  }
  const long pixels = static_cast<long>(committed.width()) * committed.height();
  if (differing <= kTolerance * pixels) return {};
  return QStringLiteral("%1 of %2 pixels differ by more than %3, by up to %4")
      .arg(differing)
      .arg(pixels)
      .arg(kFuzz)
      .arg(largest);
}

QSet<QString> pngs(const QDir& dir) {
  const QStringList names = dir.entryList({QStringLiteral("*.png")}, QDir::Files);
  return QSet<QString>(names.begin(), names.end());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: picdiff COMMITTED_FOLDER DRAWN_FOLDER\n");
    return 2;
  }
  const QDir committed(QString::fromLocal8Bit(argv[1])), drawn(QString::fromLocal8Bit(argv[2]));
  const QSet<QString> committedNames = pngs(committed), drawnNames = pngs(drawn);
  QStringList all = (committedNames | drawnNames).values();
  all.sort();
  int differing = 0;
  for (const QString& name : all) {
    QString what;
    if (!drawnNames.contains(name))
      what = QStringLiteral("is no longer drawn");
    else if (!committedNames.contains(name))
      what = QStringLiteral("is drawn but not committed");
    else
      what = difference(load(committed, name), load(drawn, name));
    if (what.isEmpty()) continue;
    std::printf("picdiff: %s: %s\n", qPrintable(committed.filePath(name)), qPrintable(what));
    ++differing;
  }
  if (all.isEmpty()) {
    std::printf("picdiff: no pictures in %s\n", qPrintable(committed.path()));
    return 1;
  }
  std::printf("picdiff: %lld pictures in %s, %d differ\n", static_cast<long long>(all.size()),
              qPrintable(committed.path()), differing);
  return differing == 0 ? 0 : 1;
}
