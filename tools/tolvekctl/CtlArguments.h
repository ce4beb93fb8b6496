#pragma once
#include "tools/tolvekctl/AlarmOptionText.h"

#include <QStringList>

// The tool's command line: COMMAND [ID] [options].
struct CtlArguments
{
    QString command;
    QString identifier; // edit, delete, on, off
    AlarmChanges changes;
    bool json = false;
    bool help = false;
    bool version = false;
    QString error; // set when the command line is not understood

    static CtlArguments parse(const QStringList &arguments);
    static QString usage();
};
