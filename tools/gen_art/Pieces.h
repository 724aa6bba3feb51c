// The board square and the pieces on it, and the parts of a piece that the game's icon shares.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTransform>
#include <cstdint>

#include "Paint.h"

namespace art {

// Kaya board: warm yellow wood with straight grain running along the files. The grain repeats
// with the square, so neighbouring squares join up.
QImage boardWood();

// Boxwood face of a piece: pale yellow with fine straight grain and a soft light from the
// upper left.
QImage boxwoodFace(uint64_t seed, int w = kCellW, int h = kCellH);

struct PieceArt {
  double w = 0, h = 0;   // tile size in pixels
  QString glyphs;        // one or two kanji, top to bottom
  QPainterPath symbols;  // when not empty, drawn instead of the kanji (point up)
  bool red = false;
  bool upper = false;  // the upper side's: turned round
  bool sealed = false;
  uint64_t seed = 1;
};

// The kanji of a piece, in the piece's own coordinates (point up).
QPainterPath pieceInk(const PieceArt& a);

// The pentagon of a piece placed by t, with its bevel: outline and face, corners rounded.
struct PieceCut {
  QPolygonF outer, inner;
  QPainterPath outerPath, innerPath;
};
struct Bevel {
  double width, outerRound, innerRound;
};
PieceCut cutPiece(const PieceArt& a, const QTransform& t, const Bevel& bevel);
// The piece's shape in black on a transparent w x h layer, for shadows and auras.
QImage silhouette(const PieceCut& cut, int w, int h);
// The wood of the piece: the chamfered edge and the boxwood face, lit from the upper left.
void pieceWood(QPainter& p, const PieceArt& a, const PieceCut& cut, const QImage& face);
// The kanji lacquered in: black, or red for a promoted face.
void lacquerInk(QPainter& p, const QPainterPath& ink, bool red);

// A piece standing on the board square.
QImage drawPiece(const QImage& board, const PieceArt& a);

}  // namespace art
