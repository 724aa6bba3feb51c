// The sixteen colours of the QuickBASIC palette, by index.
#pragma once

#include <QColor>

QColor qb_color(int index);
