// The small pictures shown over the board: whose turn it is, the side-to-move marker, and the
// spell's star.
#pragma once

#include <QImage>

namespace art {

enum class Player { computer, person };

// The side to move: a robot or a person on a round badge, in the upper side's violet or the
// lower side's blue, placed in its transparent picture where it hides nothing.
QImage sideIcon(bool upper, Player who);
// The side-to-move marker beside the board: a sorcerer's hat in the side's colours.
QImage hatIcon(bool upper);
// The spell's star, burning over the target square's upper-left part.
QImage starIcon();

}  // namespace art
