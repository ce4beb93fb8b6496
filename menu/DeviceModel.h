#pragma once
#include <QString>

// The device's model name for the feedback mail: the device tree's model on
// phones and boards, the firmware's product name on PCs. Whatever the files
// hold, the name is one printable line of at most kMaxLength characters;
// empty when neither file names the device.
namespace DeviceModel {
inline constexpr int kMaxLength = 100;
// `root` replaces "/" in the looked-up paths (tests point it at a folder).
QString name(const QString &root = QStringLiteral("/"));
// `raw` as one printable, trimmed line of at most kMaxLength characters.
QString cleaned(const QByteArray &raw);
} // namespace DeviceModel
