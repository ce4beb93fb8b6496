#pragma once
#include <QColor>

// A 24-bit 0xRRGGBB number as a colour, opaque unless an alpha is given.
QColor colorWithHex(quint32 hex, qreal alpha = 1.0);
