#include "ui/ScreenMetrics.h"

ScreenMetrics &ScreenMetrics::shared()
{
    static ScreenMetrics metrics;
    return metrics;
}
