// What has been drawn on the surface, in twips, oldest first. Replaying it at any scale gives
// the picture the game painted; operations hidden by later ones are pruned as it grows.
#pragma once

#include <QRectF>
#include <QString>
#include <cstddef>
#include <vector>

struct DrawOp {
  enum Kind { Picture, Box, Text };
  Kind kind = Picture;
  bool opaque = false;  // a picture that hides everything inside its rectangle
  bool bold = false;
  int picture = 0;
  int colour = 0;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // picture: rectangle; box: corners; text: x1, y1
  double size = 0;                        // text size, points
  QRectF bounds;  // every twip the operation may touch, at any scale of the surface
  QString text;
};

class DisplayList {
 public:
  static constexpr std::size_t kMinLimit = 3000;

  void clear();
  // Appends; prunes hidden operations once the list has grown past its limit.
  void add(DrawOp op);
  // Drops every operation that nothing of can be seen any more: covered entirely by later
  // opaque pictures, or a box drawn again later with the same corners. What lies beyond the
  // form stays: a wider window shows it.
  void compact();

  const std::vector<DrawOp>& ops() const { return ops_; }
  std::size_t size() const { return ops_.size(); }

 private:
  std::vector<DrawOp> ops_;
  std::size_t limit_ = kMinLimit;
};
