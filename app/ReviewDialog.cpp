#include "app/ReviewDialog.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QListWidget>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/Translation.h"

namespace {
constexpr int kShownScore = 3000;  // the graph's range; beyond is a won game
constexpr int kPlyRole = Qt::UserRole;
constexpr int kWidth = 640, kHeight = 480;
}  // namespace

ReviewDialog::ReviewDialog(QWidget* parent)
    : QDialog(parent),
      chart_(new QChart),
      view_(new QChartView(chart_, this)),
      series_(new QLineSeries),
      marks_(new QListWidget(this)) {
  setObjectName(QStringLiteral("ReviewDialog"));
  setWindowTitle(translation::text(QStringLiteral("解析")));
  chart_->legend()->hide();
  chart_->addSeries(series_);
  auto* plies = new QValueAxis;
  plies->setTitleText(translation::text(QStringLiteral("手数")));
  plies->setLabelFormat(QStringLiteral("%d"));
  auto* score = new QValueAxis;
  score->setTitleText(translation::text(QStringLiteral("形勢（下の対局者から）")));
  score->setRange(-kShownScore, kShownScore);
  chart_->addAxis(plies, Qt::AlignBottom);
  chart_->addAxis(score, Qt::AlignLeft);
  series_->attachAxis(plies);
  series_->attachAxis(score);
  view_->setRenderHint(QPainter::Antialiasing);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 3);
  layout->addWidget(marks_, 1);
  resize(kWidth, kHeight);
  connect(series_, &QLineSeries::clicked, this,
          [this](const QPointF& at) { emit plyChosen(std::lround(at.x())); });
  connect(marks_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit plyChosen(item->data(kPlyRole).toLongLong()); });
}

void ReviewDialog::showReview(const std::vector<int>& scores, const std::vector<Entry>& marks) {
  QList<QPointF> points;
  for (std::size_t n = 0; n < scores.size(); ++n)
    points << QPointF(static_cast<double>(n), std::clamp(scores[n], -kShownScore, kShownScore));
  series_->replace(points);
  if (auto* axis = qobject_cast<QValueAxis*>(chart_->axes(Qt::Horizontal).value(0)))
    axis->setRange(0, std::max<double>(1, static_cast<double>(scores.size()) - 1));
  marks_->clear();
  for (const Entry& e : marks) {
    auto* item = new QListWidgetItem(e.text, marks_);
    item->setData(kPlyRole, static_cast<qlonglong>(e.ply));
  }
}
