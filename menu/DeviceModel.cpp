#include "menu/DeviceModel.h"

#include <QFile>

namespace {
const char *const kSources[] = {"proc/device-tree/model", "sys/class/dmi/id/product_name"};
constexpr qint64 kMaxRead = 4096;
} // namespace

QString DeviceModel::cleaned(const QByteArray &raw)
{
    QString text = QString::fromUtf8(raw);
    for (QChar &c : text)
        if (!c.isPrint())
            c = QLatin1Char(' ');
    return text.simplified().left(kMaxLength).trimmed();
}

QString DeviceModel::name(const QString &root)
{
    for (const char *source : kSources) {
        QFile file(root + QLatin1Char('/') + QLatin1String(source));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString model = cleaned(file.read(kMaxRead));
        if (!model.isEmpty())
            return model;
    }
    return {};
}
