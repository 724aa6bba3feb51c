// The form's drawing surface: the 9000 x 8000 twip form, scaled to fit the widget and
// centred, keeps what was drawn. A window of another shape shows what the game drew beyond
// the form, and past that the game's outermost background tile repeated to the window's edges.
// The image controls float above it; the record dialog's controls are children placed in twips.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "app/DisplayList.h"
#include "app/PictureStore.h"
#include "shell/Window.h"

class QPainter;

class Surface : public QWidget {
  Q_OBJECT

 public:
  static constexpr double kWidth = 9000;  // the form, twips
  static constexpr double kHeight = 8000;
  static constexpr double kTwipsPerPixel = 15;  // at 100 %

  explicit Surface(PictureStore& store, QWidget* parent = nullptr);
  ~Surface() override;

  // Drawing, in twips. Everything stays until drawn over; a new background colour clears.
  void setBackColour(int qbcolor);
  QColor backColour() const { return back_; }
  void paintPicture(Picture p, double x, double y);
  void drawBox(double x1, double y1, double x2, double y2, int qbcolor);
  void printText(double x, double y, const QString& text, double size, bool bold, int qbcolor);

  // Image controls.
  void moveImage(Image i, double left, double top);
  void showImage(Image i, bool visible);
  bool imageVisible(Image i) const { return sprites_[index(i)].visible; }
  QPointF imagePosition(Image i) const;

  // Paints the whole surface now.
  void refresh();
  // Paints now whatever changed since the last paint.
  void flush();

  QPointF toTwips(QPointF logical) const;
  QRectF toLogical(const QRectF& twips) const;
  // Logical pixels per 15 twips: 1 at 100 %.
  double scale() const { return scale_; }
  // Where the form lies in the widget, logical pixels.
  QRectF pictureRect() const;

  // The whole widget at its device resolution, without the image controls.
  const QImage& backing();
  std::size_t displayListSize() const { return list_.size(); }
  void compact();
  // Replays the display list into a fresh image, as a change of size does.
  void rerender();

  // Keeps a child control at a twip rectangle with its font scaled along.
  void placeChild(QWidget* widget, const QRectF& twips, double font_pt);

 signals:
  // Button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; position in twips.
  void mouseDown(int button, int shift, double x, double y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  struct Sprite {
    double left = 0, top = 0;
    bool visible = false;
  };
  struct Child {
    QWidget* widget;
    QRectF twips;
    double font_pt;
  };
  // The picture that the game tiles beyond the form, and the corner of one of its tiles.
  struct OuterTile {
    int picture = -1;  // none: the background colour
    double x = 0, y = 0, w = 0, h = 0;
  };
  static std::size_t index(Image i) { return static_cast<std::size_t>(i); }

  void layoutSurface();
  void layoutChildren();
  QSize deviceSize() const;
  bool current() const;
  void render();
  void noteOuterTile(const DrawOp& op);
  void fillBeyondTheGrid();
  void add(DrawOp op);
  QRect draw(const DrawOp& op);
  QPainter& painter();
  void endPainter();
  void markDirty(const QRect& device);
  void postDirty();
  QPoint devicePoint(double x, double y) const;
  QRect deviceRect(double x1, double y1, double x2, double y2) const;
  QRect spriteRect(Image i);
  QRectF logicalOf(const QRect& device) const;

  PictureStore& store_;
  DisplayList list_;
  QImage backing_;
  std::unique_ptr<QPainter> painter_;
  QColor back_;
  double scale_ = 1;       // logical px per 15 twips
  double dpr_ = 1;         // device px per logical px
  double k_ = 1 / 15.0;    // device px per twip
  QPoint origin_;          // device px of the form's top-left corner in the widget
  double rendered_k_ = 0;  // k_ and origin_ of backing_'s contents
  QPoint rendered_origin_;
  bool stale_ = false;  // the outer tile changed: everything is drawn afresh
  OuterTile outer_;
  QRect dirty_;  // device px of the widget not painted yet
  bool posted_ = false;
  std::array<Sprite, static_cast<std::size_t>(Image::Count)> sprites_;
  std::vector<Child> children_;
};
