#include "app/HintOverlay.h"

#include <QEvent>
#include <QPainter>

#include "app/Surface.h"

namespace {
const QColor kTurnColour(0, 220, 255);   // a cyan no picture of the game uses
const QColor kSealColour(255, 80, 220);  // the spell's magenta
const QColor kBand(0, 0, 0, 170);
constexpr double kPenTwips = 45;                // the outline's width
const QRectF kTextBand(1050, 7300, 6900, 420);  // under the board and its badges, twips
constexpr double kTextPt = 11;
}  // namespace

HintOverlay::HintOverlay(Surface* surface) : QWidget(surface), surface_(surface) {
  setObjectName(QStringLiteral("HintOverlay"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  surface->installEventFilter(this);
  setGeometry(surface->rect());
  hide();
}

void HintOverlay::showHint(const std::vector<QRectF>& turn, const QRectF& seal,
                           const QString& text) {
  turn_ = turn;
  seal_ = seal;
  text_ = text;
  setGeometry(surface_->rect());
  show();
  raise();
  update();
}

void HintOverlay::clear() {
  text_.clear();
  turn_.clear();
  hide();
}

bool HintOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == surface_ && event->type() == QEvent::Resize) setGeometry(surface_->rect());
  return false;
}

void HintOverlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double pen = kPenTwips * surface_->scale() / Surface::kTwipsPerPixel;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kTurnColour, pen));
  for (const QRectF& cell : turn_)
    p.drawRect(surface_->toLogical(cell).adjusted(pen, pen, -pen, -pen));
  if (!seal_.isEmpty()) {
    p.setPen(QPen(kSealColour, pen));
    p.drawEllipse(surface_->toLogical(seal_).adjusted(pen, pen, -pen, -pen));
  }
  const QRectF band = surface_->toLogical(kTextBand);
  p.setPen(Qt::NoPen);
  p.setBrush(kBand);
  p.drawRoundedRect(band, pen * 2, pen * 2);
  QFont font = p.font();
  font.setPointSizeF(kTextPt * surface_->scale());
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(band, Qt::AlignCenter, text_);
}
