#include "app/PictureStore.h"

#include <utility>

PictureStore::PictureStore(QString assets_dir) : dir_(std::move(assets_dir)) {}

PictureStore::Entry& PictureStore::load(Entry& e, const char* file) {
  if (e.loaded) return e;
  e.loaded = true;
  QImage img(dir_ + "/pictures/" + QString::fromUtf8(file) + ".png");
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

const QImage& PictureStore::picture(Picture p) {
  return load(pictures_[static_cast<std::size_t>(p)], picture_file(p)).image;
}

const QImage& PictureStore::image(Image i) {
  return load(images_[static_cast<std::size_t>(i)], image_file(i)).image;
}

bool PictureStore::opaque(Picture p) {
  return load(pictures_[static_cast<std::size_t>(p)], picture_file(p)).opaque;
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
