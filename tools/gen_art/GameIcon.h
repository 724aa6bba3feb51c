// The desktop's icon of the game.
#pragma once

#include <QImage>

namespace art {

// The sizes, in pixels, it is written at.
constexpr int kGameIconSizes[] = {48, 128, 256};

// A boxwood piece bearing 将 in the spell's violet aura, before a glowing magic circle, on the
// title plate's lacquer in a gold frame. Drawn once large; scale it down to each size.
QImage gameIcon();

}  // namespace art
