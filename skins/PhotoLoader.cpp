#include "skins/PhotoLoader.h"

#include <QFile>
#include <QImageReader>

namespace {
// A whole JPEG ends with its end-of-image marker (0xFF 0xD9), perhaps with some padding after it.
bool endsLikeAWholeJpeg(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    file.seek(std::max<qint64>(0, file.size() - 1024));
    return file.readAll().contains("\xFF\xD9");
}
} // namespace

PhotoLoader::Result PhotoLoader::load(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(kAllocationLimitMb);
    if (!reader.canRead())
        return {{}, QStringLiteral("not a picture: %1").arg(reader.errorString())};
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.isEmpty())
        return {{}, QStringLiteral("no picture size")};
    const qint64 pixels = qint64(declared.width()) * declared.height();
    const bool decodesScaled = reader.format() == "jpeg";
    if (decodesScaled && !endsLikeAWholeJpeg(path))
        return {{}, QStringLiteral("the JPEG is cut short")};
    if (pixels > kMaxFullDecodePixels && !decodesScaled)
        return {{}, QStringLiteral("too large: %1 x %2").arg(declared.width()).arg(declared.height())};
    if (std::max(declared.width(), declared.height()) > kMaxSide)
        reader.setScaledSize(declared.scaled(kMaxSide, kMaxSide, Qt::KeepAspectRatio));
    QImage picture = reader.read();
    if (picture.isNull())
        return {{}, QStringLiteral("cannot be decoded: %1").arg(reader.errorString())};
    return {picture.convertToFormat(QImage::Format_RGB32), {}};
}
