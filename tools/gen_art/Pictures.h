// What gen_art draws: every picture and image the window names, each with its drawing.
#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace art {

struct Drawing {
  QString file;  // base name in the pictures folder
  bool opaque;   // pictures are opaque; images keep their transparency
  std::function<QImage()> draw;
};

// One drawing for every picture and image of shell/PictureList.h, in its order.
std::vector<Drawing> everyPicture();

// The two sets of pieces: kanji, as everyPicture() has them, or international (a symbol and
// the moves), under the same file names. The pieces in the order of the list.
enum class PieceSet { Kanji, International };
std::vector<Drawing> pieceDrawings(PieceSet set);

}  // namespace art
