#pragma once
#include <QImage>
#include <QString>

// Reads a photo the user picked, safely: whatever the file holds (not a
// picture, truncated, a huge declared size), reading ends quickly with either
// a picture or a refusal, and never holds more than a bounded amount of
// memory. Large JPEGs are decoded scaled down; a JPEG cut short is refused
// (the decoder would fill the rest with grey); the EXIF orientation is applied
// so a portrait photo stands upright.
namespace PhotoLoader {
// Longest side of the picture handed to the crop screen, in pixels.
inline constexpr int kMaxSide = 2048;
// Pictures declaring more pixels than this are refused unless their format
// decodes scaled (JPEG): anything else would have to be decoded whole first.
inline constexpr qint64 kMaxFullDecodePixels = 48'000'000;
// The decoder's own limit, in megabytes.
inline constexpr int kAllocationLimitMb = 256;

struct Result
{
    QImage picture;  // null when refused
    QString problem; // why, for the log
};
Result load(const QString &path);
} // namespace PhotoLoader
