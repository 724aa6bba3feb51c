// The review of a game: LEVEL4's score after every ply as a graph (the lower side's view, the
// plies across), and the list of the plies it marks, with its better turn. A click on the graph
// or on a mark asks for that position.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QChart;
class QChartView;
class QListWidget;
class QLineSeries;

class ReviewDialog : public QDialog {
  Q_OBJECT

 public:
  struct Entry {
    long ply;      // the mark's ply
    QString text;  // as the list shows it
  };

  explicit ReviewDialog(QWidget* parent = nullptr);

  // scores[n]: the position after n plies, as a number from the lower side's view.
  void showReview(const std::vector<int>& scores, const std::vector<Entry>& marks);
  QLineSeries* series() const { return series_; }
  QListWidget* marks() const { return marks_; }

 signals:
  void plyChosen(long ply);

 private:
  QChart* chart_;
  QChartView* view_;
  QLineSeries* series_;
  QListWidget* marks_;
};
