#include "app/Surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "app/Palette.h"

namespace {
constexpr double kTwipsPerPoint = 20;
// Twips around a box or a text that its pen, glyph overhang and rounding may reach.
constexpr double kMargin = 90;
// Logical pixels per 15 twips below which the surface is not shrunk.
constexpr double kMinScale = 0.5;
const char* const kFontFamily = "Noto Sans CJK JP";
// The top of the text's em box lies this far above its baseline, in ems.
constexpr double kEmAscent = 0.88;
// Coloured texts are ringed in black, this wide in ems, so they read on every background.
constexpr double kOutlineEm = 0.07;
constexpr int kOutlineColour = 0;
const QPointF kRing[] = {{1, 0},  {0.7, 0.7},   {0, 1},  {-0.7, 0.7},
                         {-1, 0}, {-0.7, -0.7}, {0, -1}, {0.7, -0.7}};
const QRectF kForm(0, 0, Surface::kWidth, Surface::kHeight);

int px(double v) {
  return static_cast<int>(std::floor(v + 0.5));
}

QFont text_font(bool bold) {
  QFont f;
  f.setFamilies({QString::fromLatin1(kFontFamily)});
  f.setBold(bold);
  return f;
}

// Width of a text in twips, for its bounds.
double text_width(const QString& text, double size, bool bold) {
  static std::map<std::pair<int, bool>, QFontMetricsF> metrics;
  int em = std::max(1, px(size * kTwipsPerPoint));
  auto key = std::make_pair(em, bold);
  auto it = metrics.find(key);
  if (it == metrics.end()) {
    QFont f = text_font(bold);
    f.setPixelSize(em);
    it = metrics.emplace(key, QFontMetricsF(f)).first;
  }
  return it->second.horizontalAdvance(text);
}
}  // namespace

Surface::Surface(PictureStore& store, QWidget* parent)
    : QWidget(parent), store_(store), back_(qb_color(15)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(px(kWidth / kTwipsPerPixel * kMinScale), px(kHeight / kTwipsPerPixel * kMinScale));
  layoutSurface();
}

Surface::~Surface() {
  endPainter();
}

// ---- Geometry --------------------------------------------------------------------------------

void Surface::layoutSurface() {
  const double w = width(), h = height();
  // Half a pixel of slack in height: 8000 twips are 533 1/3 pixels at 100 %.
  scale_ = std::max(kMinScale,
                    std::min(w * kTwipsPerPixel / kWidth, (h + 0.5) * kTwipsPerPixel / kHeight));
  dpr_ = devicePixelRatioF();
  k_ = scale_ * dpr_ / kTwipsPerPixel;
  const int iw = std::max(1, px(kWidth * k_)), ih = std::max(1, px(kHeight * k_));
  origin_ = QPoint(std::max(0, px((w * dpr_ - iw) / 2)), std::max(0, px((h * dpr_ - ih) / 2)));
}

QSize Surface::deviceSize() const {
  return QSize(std::max(1, px(width() * dpr_)), std::max(1, px(height() * dpr_)));
}

bool Surface::current() const {
  return !backing_.isNull() && !stale_ && rendered_k_ == k_ && rendered_origin_ == origin_ &&
         backing_.size() == deviceSize();
}

QPointF Surface::toTwips(QPointF logical) const {
  return QPointF((logical.x() - origin_.x() / dpr_) * kTwipsPerPixel / scale_,
                 (logical.y() - origin_.y() / dpr_) * kTwipsPerPixel / scale_);
}

QRectF Surface::toLogical(const QRectF& twips) const {
  const double f = scale_ / kTwipsPerPixel;
  return QRectF(origin_.x() / dpr_ + twips.x() * f, origin_.y() / dpr_ + twips.y() * f,
                twips.width() * f, twips.height() * f);
}

QRectF Surface::pictureRect() const {
  return QRectF(origin_.x() / dpr_, origin_.y() / dpr_, px(kWidth * k_) / dpr_,
                px(kHeight * k_) / dpr_);
}

QPoint Surface::devicePoint(double x, double y) const {
  return origin_ + QPoint(px(x * k_), px(y * k_));
}

QRect Surface::deviceRect(double x1, double y1, double x2, double y2) const {
  return QRect(devicePoint(x1, y1), devicePoint(x2, y2) - QPoint(1, 1));
}

QRectF Surface::logicalOf(const QRect& device) const {
  return QRectF(device.x() / dpr_, device.y() / dpr_, device.width() / dpr_,
                device.height() / dpr_);
}

QRect Surface::spriteRect(Image i) {
  const Sprite& s = sprites_[index(i)];
  Size size = image_size(i);
  return deviceRect(s.left, s.top, s.left + size.w, s.top + size.h);
}

// ---- The display list and the backing image ------------------------------------------------

QPainter& Surface::painter() {
  if (!painter_) painter_ = std::make_unique<QPainter>(&backing_);
  return *painter_;
}

void Surface::endPainter() {
  painter_.reset();
}

void Surface::render() {
  endPainter();
  const QSize size = deviceSize();
  if (backing_.size() != size) backing_ = QImage(size, QImage::Format_RGB32);
  if (rendered_k_ != k_) store_.clearScaled();
  rendered_k_ = k_;
  rendered_origin_ = origin_;
  stale_ = false;
  backing_.fill(back_);
  fillBeyondTheGrid();
  for (const DrawOp& op : list_.ops()) draw(op);
  endPainter();
  markDirty(backing_.rect());
}

// An opaque picture wholly outside the form is a tile of the game's background.
void Surface::noteOuterTile(const DrawOp& op) {
  if (op.kind != DrawOp::Picture || !op.opaque || op.bounds.intersects(kForm)) return;
  const double w = op.x2 - op.x1, h = op.y2 - op.y1;
  // Any tile of the same grid gives the same corner.
  OuterTile tile{op.picture, op.x1 - w * std::floor(op.x1 / w), op.y1 - h * std::floor(op.y1 / h),
                 w, h};
  if (tile.picture == outer_.picture && tile.x == outer_.x && tile.y == outer_.y &&
      tile.w == outer_.w && tile.h == outer_.h)
    return;
  outer_ = tile;
  stale_ = true;
  markDirty(QRect(QPoint(0, 0), deviceSize()));
}

// Past what the game drew, its background goes on in the same rhythm to the window's edges.
// The tiles under the form are left out: the game paints all of it.
void Surface::fillBeyondTheGrid() {
  if (outer_.picture < 0) return;
  const Picture p = static_cast<Picture>(outer_.picture);
  const QRect form = deviceRect(0, 0, kWidth, kHeight);
  const double left = -origin_.x() / k_, top = -origin_.y() / k_;
  const double right = left + backing_.width() / k_, bottom = top + backing_.height() / k_;
  const double n0 = std::floor((left - outer_.x) / outer_.w);
  const double m0 = std::floor((top - outer_.y) / outer_.h);
  for (double x = outer_.x + n0 * outer_.w; x < right; x += outer_.w)
    for (double y = outer_.y + m0 * outer_.h; y < bottom; y += outer_.h) {
      const QRect d = deviceRect(x, y, x + outer_.w, y + outer_.h);
      if (d.isEmpty() || form.contains(d)) continue;
      painter().drawImage(d.topLeft(), store_.scaledPicture(p, d.width(), d.height()));
    }
}

const QImage& Surface::backing() {
  layoutSurface();
  if (!current()) render();
  endPainter();
  return backing_;
}

void Surface::compact() {
  list_.compact();
}

void Surface::rerender() {
  layoutSurface();
  render();
}

void Surface::add(DrawOp op) {
  noteOuterTile(op);
  if (current()) markDirty(draw(op));
  list_.add(std::move(op));
}

QRect Surface::draw(const DrawOp& op) {
  switch (op.kind) {
    case DrawOp::Picture: {
      QRect d = deviceRect(op.x1, op.y1, op.x2, op.y2);
      if (d.isEmpty()) return {};
      painter().drawImage(d.topLeft(), store_.scaledPicture(static_cast<Picture>(op.picture),
                                                            d.width(), d.height()));
      return d;
    }
    case DrawOp::Box: {
      const QPoint a = devicePoint(std::min(op.x1, op.x2), std::min(op.y1, op.y2));
      const QPoint b = devicePoint(std::max(op.x1, op.x2), std::max(op.y1, op.y2));
      const int x1 = a.x(), y1 = a.y(), x2 = b.x(), y2 = b.y();
      int w = std::max(1, px(kTwipsPerPixel * k_));
      QColor c = qb_color(op.colour);
      QPainter& p = painter();
      p.fillRect(x1, y1, x2 - x1 + w, w, c);
      p.fillRect(x1, y2, x2 - x1 + w, w, c);
      p.fillRect(x1, y1, w, y2 - y1 + w, c);
      p.fillRect(x2, y1, w, y2 - y1 + w, c);
      return QRect(x1, y1, x2 - x1 + w, y2 - y1 + w);
    }
    case DrawOp::Text: {
      double em = op.size * kTwipsPerPoint * k_;
      if (em <= 0 || op.text.isEmpty()) return {};
      QFont f = text_font(op.bold);
      f.setPointSizeF(em * 72.0 / backing_.logicalDpiY());
      QPainter& p = painter();
      const QPointF at = QPointF(origin_) + QPointF(op.x1 * k_, op.y1 * k_ + kEmAscent * em);
      p.setFont(f);
      // Nothing of a text, its ring included, lies left of or above its corner: painting the
      // cells it was printed into erases all of it.
      p.setClipRect(QRect(devicePoint(op.x1, op.y1), backing_.size()));
      if (op.colour != kOutlineColour) {
        p.setPen(qb_color(kOutlineColour));
        const double r = std::max(1.0, kOutlineEm * em);
        for (const QPointF& d : kRing) p.drawText(at + d * r, op.text);
      }
      p.setPen(qb_color(op.colour));
      p.drawText(at, op.text);
      p.setClipping(false);
      const QRectF& b = op.bounds;
      return deviceRect(b.left(), b.top(), b.right(), b.bottom());
    }
  }
  return {};
}

void Surface::setBackColour(int qbcolor) {
  back_ = qb_color(qbcolor);
  list_.clear();
  outer_ = OuterTile();
  if (current()) {
    endPainter();
    backing_.fill(back_);
  }
  update();
}

void Surface::paintPicture(Picture p, double x, double y) {
  if (store_.picture(p).isNull()) return;  // no file: nothing to draw
  Size size = picture_size(p);
  DrawOp op;
  op.kind = DrawOp::Picture;
  op.picture = static_cast<int>(p);
  op.opaque = store_.opaque(p);
  op.x1 = x;
  op.y1 = y;
  op.x2 = x + size.w;
  op.y2 = y + size.h;
  op.bounds = QRectF(QPointF(x, y), QPointF(op.x2, op.y2));
  add(std::move(op));
}

void Surface::drawBox(double x1, double y1, double x2, double y2, int qbcolor) {
  DrawOp op;
  op.kind = DrawOp::Box;
  op.colour = qbcolor;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.bounds = QRectF(QPointF(std::min(x1, x2) - kMargin, std::min(y1, y2) - kMargin),
                     QPointF(std::max(x1, x2) + kMargin, std::max(y1, y2) + kMargin));
  add(std::move(op));
}

void Surface::printText(double x, double y, const QString& text, double size, bool bold,
                        int qbcolor) {
  if (text.isEmpty() || size <= 0) return;
  DrawOp op;
  op.kind = DrawOp::Text;
  op.colour = qbcolor;
  op.bold = bold;
  op.x1 = x;
  op.y1 = y;
  op.size = size;
  op.text = text;
  double em = size * kTwipsPerPoint;
  op.bounds = QRectF(x - kMargin, y - kMargin, text_width(text, size, bold) * 1.25 + 2 * kMargin,
                     em * 1.6 + 2 * kMargin);
  add(std::move(op));
}

// ---- Image controls --------------------------------------------------------------------------

QPointF Surface::imagePosition(Image i) const {
  return QPointF(sprites_[index(i)].left, sprites_[index(i)].top);
}

void Surface::moveImage(Image i, double left, double top) {
  Sprite& s = sprites_[index(i)];
  if (s.left == left && s.top == top) return;
  if (s.visible) markDirty(spriteRect(i));
  s.left = left;
  s.top = top;
  if (s.visible) markDirty(spriteRect(i));
}

void Surface::showImage(Image i, bool visible) {
  Sprite& s = sprites_[index(i)];
  if (s.visible == visible) return;
  s.visible = visible;
  markDirty(spriteRect(i));
}

// ---- Painting --------------------------------------------------------------------------------

void Surface::markDirty(const QRect& device) {
  QRect d = device & QRect(QPoint(0, 0), backing_.size());
  if (d.isEmpty()) return;
  dirty_ |= d;
  if (!posted_) {
    posted_ = true;
    QMetaObject::invokeMethod(this, &Surface::postDirty, Qt::QueuedConnection);
  }
}

void Surface::postDirty() {
  posted_ = false;
  if (!dirty_.isEmpty()) update(logicalOf(dirty_).toAlignedRect());
}

void Surface::flush() {
  if (dirty_.isEmpty()) return;
  endPainter();
  repaint(logicalOf(dirty_).toAlignedRect());
}

void Surface::refresh() {
  endPainter();
  repaint();
}

void Surface::paintEvent(QPaintEvent* event) {
  layoutSurface();
  if (!current()) render();
  endPainter();
  if (event->rect().contains(logicalOf(dirty_).toAlignedRect())) dirty_ = QRect();

  QPainter p(this);
  p.drawImage(logicalOf(backing_.rect()), backing_, QRectF(backing_.rect()));

  p.setClipRect(event->rect());
  for (int i = 0; i < static_cast<int>(Image::Count); ++i) {
    Image image = static_cast<Image>(i);
    if (!sprites_[index(image)].visible || store_.image(image).isNull()) continue;
    QRect d = spriteRect(image);
    if (d.isEmpty()) continue;
    const QImage& img = store_.scaledImage(image, d.width(), d.height());
    p.drawImage(logicalOf(d), img, QRectF(img.rect()));
  }
}

void Surface::resizeEvent(QResizeEvent*) {
  layoutSurface();
  layoutChildren();
}

void Surface::mousePressEvent(QMouseEvent* event) {
  int button = 0;
  switch (event->button()) {
    case Qt::LeftButton:
      button = 1;
      break;
    case Qt::RightButton:
      button = 2;
      break;
    case Qt::MiddleButton:
      button = 4;
      break;
    default:
      return;
  }
  int shift = 0;
  Qt::KeyboardModifiers m = event->modifiers();
  if (m & Qt::ShiftModifier) shift |= 1;
  if (m & Qt::ControlModifier) shift |= 2;
  if (m & Qt::AltModifier) shift |= 4;
  QPointF t = toTwips(event->position());
  emit mouseDown(button, shift, t.x(), t.y());
}

// ---- Child controls --------------------------------------------------------------------------

void Surface::placeChild(QWidget* widget, const QRectF& twips, double font_pt) {
  children_.push_back({widget, twips, font_pt});
  layoutChildren();
}

void Surface::layoutChildren() {
  for (const Child& c : children_) {
    c.widget->setGeometry(toLogical(c.twips).toRect());
    QFont f = c.widget->font();
    f.setPixelSize(std::max(1, px(c.font_pt * kTwipsPerPoint * scale_ / kTwipsPerPixel)));
    c.widget->setFont(f);
  }
}
