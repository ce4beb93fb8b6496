#pragma once
#include <QImage>
#include <QString>

// The user's own skin: the cropped photo, stored as a JPEG in the data folder
// (SkinCatalogue names the file for each screen height).
namespace CustomSkin {
// Width of the stored picture in pixels; its height follows the screen's shape.
inline constexpr int kOutputWidth = 640;
inline constexpr int kTallOutputHeight = 1136, kOutputHeight = 960;
inline constexpr int kJpegQuality = 100;

QSize outputSize(bool tall);
// Writes `picture` to the custom skin file: a new file in full or, on any
// failure, the previous one untouched. False with `*error` set when it failed.
bool save(const QImage &picture, bool tall, QString *error);
} // namespace CustomSkin
