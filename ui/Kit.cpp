#include "ui/Kit.h"

#include "ui/ColorHex.h"
#include "ui/Pictures.h"
#include "ui/ScreenMetrics.h"
#include "ui/UiSetup.h"

bool Kit::isTall() const { return ScreenMetrics::shared().isTall(); }

QString Kit::lightFontFamily() const { return QLatin1String(UiSetup::kLightFontFamily); }

QColor Kit::brandColor() const { return ::colorWithHex(kBrandColor); }

QString Kit::pictureUrl(const QString &name) const { return Pictures::url(name); }

QString Kit::backgroundPictureUrl(const QString &name) const
{
    return Pictures::url(Pictures::backgroundName(name, isTall()));
}

QColor Kit::colorWithHex(int hex, qreal alpha) const { return ::colorWithHex(quint32(hex), alpha); }
