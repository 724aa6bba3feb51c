// The bitmaps behind the pictures and image controls, read once from the assets folder, and
// their copies scaled to the sizes the surface needs. The pieces come in two sets: kanji
// (pictures/) and international (pictures/intl/, the same file names).
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <unordered_map>

#include "shell/Window.h"

enum class PieceSet { Kanji, International };

class PictureStore {
 public:
  explicit PictureStore(QString assets_dir);

  const QString& dir() const { return dir_; }
  // The pieces' pictures are read again from the set's folder; a piece the international set
  // lacks is shown by its kanji picture.
  void setPieceSet(PieceSet set);
  PieceSet pieceSet() const { return set_; }
  // True for the pictures of a piece, which the sets replace.
  static bool showsPiece(Picture p);

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
  Entry& load(Entry& e, const char* file, bool piece = false);
  Entry& loadPicture(Picture p);
  const QImage& scaled(int index, const QImage& source, int w, int h);

  QString dir_;
  PieceSet set_ = PieceSet::Kanji;
  std::array<Entry, static_cast<std::size_t>(Picture::Count)> pictures_;
  std::array<Entry, static_cast<std::size_t>(Image::Count)> images_;
  std::unordered_map<std::uint64_t, QImage> scaled_;
};
