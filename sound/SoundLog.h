#pragma once
#include <QLoggingCategory>

// Messages of the sound subsystem ("tolvek.sound").
Q_DECLARE_LOGGING_CATEGORY(lcSound)
