// The magic circle of the spell scenes, the title plate and the game's icon.
#pragma once

#include <QColor>
#include <QPainter>
#include <QString>

namespace art {

// The runes that ring the circles.
const QString& runes();

// A magic circle of radius r round the origin, in colour c with lines lw wide: rings, ticks, a
// band of `ringRunes` and a star of `points` points inside.
void magicCircle(QPainter& p, double r, const QColor& c, double lw, const QString& ringRunes,
                 int points);

}  // namespace art
