#pragma once
#include <QString>

// Where people find the app and write to its makers.
namespace ProjectLinks {
inline const QString kProjectPage = QStringLiteral("https://tolvek.org/alarm");
inline const QString kSupportAddress = QStringLiteral("support@tolvek.org");
} // namespace ProjectLinks
