// The bitmaps behind the pictures and image controls, read once from the assets folder, and
// their copies scaled to the sizes the surface needs.
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <unordered_map>

#include "shell/Window.h"

class PictureStore {
 public:
  explicit PictureStore(QString assets_dir);

  const QString& dir() const { return dir_; }
  // Null when the file is missing or unreadable; such a picture draws nothing.
  const QImage& picture(Picture p);
  const QImage& image(Image i);
  // True when every pixel of the picture is opaque.
  bool opaque(Picture p);

  // The bitmap scaled smoothly to w x h pixels; kept until clearScaled().
  const QImage& scaledPicture(Picture p, int w, int h);
  const QImage& scaledImage(Image i, int w, int h);
  void clearScaled() { scaled_.clear(); }

 private:
  struct Entry {
    bool loaded = false;
    bool opaque = false;
    QImage image;
  };
  Entry& load(Entry& e, const char* file);
  const QImage& scaled(int index, const QImage& source, int w, int h);

  QString dir_;
  std::array<Entry, static_cast<std::size_t>(Picture::Count)> pictures_;
  std::array<Entry, static_cast<std::size_t>(Image::Count)> images_;
  std::unordered_map<std::uint64_t, QImage> scaled_;
};
