// The five background tiles of the options menu: green felt, tatami, bamboo, space and brick.
// Each repeats without a seam, one board square in size.
#pragma once

#include <QImage>

namespace art {

QImage feltTile();
QImage tatamiTile();
QImage bambooTile();
QImage spaceTile();
QImage brickTile();

}  // namespace art
