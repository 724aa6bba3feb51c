// The game's plies beside the board, as Japanese players write them: numbered, the ply that
// led to the position shown highlighted and in view. A click on a ply asks for its position;
// a review puts its marks (悪手, 疑問手, with LEVEL4's better turn) beside the plies.
#pragma once

#include <QListWidget>
#include <string>
#include <vector>

class MoveListPanel : public QListWidget {
  Q_OBJECT

 public:
  struct Mark {
    long ply = 0;          // 1 for the first ply
    bool blunder = false;  // 悪手; otherwise 疑問手
    std::string better;    // LEVEL4's turn instead
  };

  explicit MoveListPanel(QWidget* parent = nullptr);

  // Ply 1 first; `current` plies lead to the position shown (0: the start).
  void showPlies(const std::vector<std::string>& plies, long current);
  void setMarks(const std::vector<Mark>& marks);
  long current() const { return current_; }
  // The row's text as shown: its number, the ply and any mark.
  QString plyText(long ply) const;

 signals:
  // The position after `ply` plies is wanted.
  void plyChosen(long ply);

 private:
  void rebuild();

  std::vector<std::string> plies_;
  std::vector<Mark> marks_;
  long current_ = 0;
};
