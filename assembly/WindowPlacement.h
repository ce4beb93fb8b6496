#pragma once
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// Where the app's window opens on a screen. On a phone (asked for, or a
// screen narrower than it is tall) it fills the screen. On a desktop it opens
// at the size the user left it, or else at the largest size with the phone's
// proportions that fits the screen's free area, decorations included; either
// way never larger than that area. All sizes in points (logical pixels).
struct WindowPlacement
{
    bool fullScreen = false;
    QRect geometry; // the window's content, when not full screen

    // `fullScreenAsked`: TOLVEK_FULLSCREEN=1 (true), =0 (false), unset (nothing).
    static WindowPlacement choose(QSize design, QSize screen, const QRect &available, const QMargins &frame,
                                  QSize remembered, std::optional<bool> fullScreenAsked);
    // The smallest size the window may be resized to: half the design.
    static QSize minimumSize(QSize design);

    // The stored form of a remembered size ("216x384"); an invalid size for anything else.
    static QString sizeToText(QSize size);
    static QSize sizeFromText(const QString &text);
};
