// The title plate, VexaSHOGI: the game's name in gold on violet lacquer in a gold frame. Its
// lacquer and gold serve the game's icon too.
#pragma once

#include <QImage>
#include <QLinearGradient>

#include "Noise.h"

namespace art {

constexpr int kTitleW = 516;  // 2580 twips
constexpr int kTitleH = 120;  // 600 twips

// Deep violet lacquer, lightest a little above the middle: broad swirls `lac`, fine grain `fine`.
QImage lacquer(int w, int h, const TileNoise& lac, const TileNoise& fine);
// The frame's gold leaf, bright at the top and bottom, from y = top to y = bottom.
QLinearGradient goldLeaf(double top, double bottom);

QImage titlePlate();

}  // namespace art
