// A sheet of both sets of pieces at the window's smallest, usual and largest sizes, to look at.
#pragma once

#include <QImage>
#include <vector>

namespace art {

// Each set's pieces (as drawn, three times the 100 % size) in rows of one side each, the kanji
// set above the international one, at 100 %, 60 % and 200 %.
QImage pieceSheet(const std::vector<QImage>& kanji, const std::vector<QImage>& international);

}  // namespace art
