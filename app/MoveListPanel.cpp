#include "app/MoveListPanel.h"

#include <algorithm>

#include "app/Translation.h"

namespace {
constexpr int kPlyRole = Qt::UserRole;
constexpr int kNumberWidth = 4;
const QString kStart = QStringLiteral("開始局面");
struct MarkLook {
  const char* word;
  QColor colour;
};
const MarkLook kDubious{"疑問手", QColor(200, 120, 0)}, kBlunder{"悪手", QColor(200, 30, 30)};
const MarkLook& look(const MoveListPanel::Mark& m) {
  return m.blunder ? kBlunder : kDubious;
}
}  // namespace

MoveListPanel::MoveListPanel(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("MoveListPanel"));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit plyChosen(item->data(kPlyRole).toLongLong()); });
}

void MoveListPanel::showPlies(const std::vector<std::string>& plies, long current) {
  if (plies != plies_) {
    // Marks belong to the plies they were made for.
    if (plies.size() < plies_.size() || !std::equal(plies_.begin(), plies_.end(), plies.begin()))
      marks_.clear();
    plies_ = plies;
    rebuild();
  }
  current_ = std::clamp<long>(current, 0, static_cast<long>(plies_.size()));
  setCurrentRow(static_cast<int>(current_));
  scrollToItem(item(static_cast<int>(current_)));
}

void MoveListPanel::setMarks(const std::vector<Mark>& marks) {
  marks_ = marks;
  rebuild();
  setCurrentRow(static_cast<int>(current_));
}

QString MoveListPanel::plyText(long ply) const {
  if (ply <= 0) return translation::text(kStart);
  if (ply > static_cast<long>(plies_.size())) return {};
  QString text = QStringLiteral("%1 %2")
                     .arg(ply, kNumberWidth)
                     .arg(QString::fromStdString(plies_[static_cast<std::size_t>(ply - 1)]));
  for (const Mark& m : marks_)
    if (m.ply == ply)
      text += QStringLiteral("　%1 → %2")
                  .arg(translation::text(QString::fromUtf8(look(m).word)),
                       QString::fromStdString(m.better));
  return text;
}

void MoveListPanel::rebuild() {
  clear();
  for (long ply = 0; ply <= static_cast<long>(plies_.size()); ++ply) {
    auto* row = new QListWidgetItem(plyText(ply), this);
    row->setData(kPlyRole, static_cast<qlonglong>(ply));
    for (const Mark& m : marks_)
      if (m.ply == ply) row->setForeground(look(m).colour);
  }
}
