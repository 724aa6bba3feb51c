#include "app/PictureStore.h"

#include <iterator>
#include <utility>

namespace {

#define LUMINAK_NOT_A_PIECE(name) false,
#define LUMINAK_A_PIECE(...) true,
constexpr bool kShowsPiece[] = {
    LUMINAK_PICTURES(LUMINAK_NOT_A_PIECE, LUMINAK_A_PIECE, LUMINAK_A_PIECE)};
#undef LUMINAK_NOT_A_PIECE
#undef LUMINAK_A_PIECE
static_assert(std::size(kShowsPiece) == static_cast<std::size_t>(Picture::Count));

// The international set's folder, under the pictures' own.
constexpr char kInternationalFolder[] = "/pictures/intl/";

}  // namespace

PictureStore::PictureStore(QString assets_dir) : dir_(std::move(assets_dir)) {}

bool PictureStore::showsPiece(Picture p) {
  return kShowsPiece[static_cast<std::size_t>(p)];
}

void PictureStore::setPieceSet(PieceSet set) {
  if (set == set_) return;
  set_ = set;
  for (std::size_t i = 0; i < pictures_.size(); ++i)
    if (kShowsPiece[i]) pictures_[i] = Entry{};
  clearScaled();
}

PictureStore::Entry& PictureStore::load(Entry& e, const char* file, bool piece) {
  if (e.loaded) return e;
  e.loaded = true;
  const QString name = QString::fromUtf8(file) + ".png";
  QImage img;
  if (piece && set_ == PieceSet::International) img.load(dir_ + kInternationalFolder + name);
  if (img.isNull()) img.load(dir_ + "/pictures/" + name);
  if (img.isNull()) return e;
  e.opaque = !img.hasAlphaChannel();
  if (!e.opaque) {
    img = img.convertToFormat(QImage::Format_ARGB32);
    e.opaque = true;
    for (int y = 0; e.opaque && y < img.height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
      for (int x = 0; x < img.width(); ++x)
        if (qAlpha(line[x]) != 255) {
          e.opaque = false;
          break;
        }
    }
  }
  e.image =
      img.convertToFormat(e.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  return e;
}

PictureStore::Entry& PictureStore::loadPicture(Picture p) {
  return load(pictures_[static_cast<std::size_t>(p)], picture_file(p), showsPiece(p));
}

const QImage& PictureStore::picture(Picture p) {
  return loadPicture(p).image;
}

const QImage& PictureStore::image(Image i) {
  return load(images_[static_cast<std::size_t>(i)], image_file(i)).image;
}

bool PictureStore::opaque(Picture p) {
  return loadPicture(p).opaque;
}

const QImage& PictureStore::scaled(int index, const QImage& source, int w, int h) {
  std::uint64_t key = (static_cast<std::uint64_t>(index) << 48) |
                      (static_cast<std::uint64_t>(w) << 24) | static_cast<std::uint64_t>(h);
  auto it = scaled_.find(key);
  if (it != scaled_.end()) return it->second;
  QImage img = source.size() == QSize(w, h)
                   ? source
                   : source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return scaled_.emplace(key, std::move(img)).first->second;
}

const QImage& PictureStore::scaledPicture(Picture p, int w, int h) {
  return scaled(static_cast<int>(p), picture(p), w, h);
}

const QImage& PictureStore::scaledImage(Image i, int w, int h) {
  return scaled(1000 + static_cast<int>(i), image(i), w, h);
}
