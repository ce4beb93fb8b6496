#include "ui/ColorHex.h"

QColor colorWithHex(quint32 hex, qreal alpha)
{
    QColor color((hex >> 16) & 0xff, (hex >> 8) & 0xff, hex & 0xff);
    color.setAlphaF(alpha);
    return color;
}
