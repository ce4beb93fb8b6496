#include "assembly/WindowPlacement.h"

#include <QRegularExpression>

WindowPlacement WindowPlacement::choose(QSize design, QSize screen, const QRect &available, const QMargins &frame,
                                        QSize remembered, std::optional<bool> fullScreenAsked)
{
    WindowPlacement placement;
    placement.fullScreen = fullScreenAsked.value_or(screen.width() < screen.height());
    if (placement.fullScreen)
        return placement;

    const QSize room = available.size().shrunkBy(frame).expandedTo(QSize(1, 1));
    QSize size = remembered.isValid() && !remembered.isEmpty() ? remembered : design.scaled(room, Qt::KeepAspectRatio);
    size = size.boundedTo(room).expandedTo(minimumSize(design).boundedTo(room));
    // Centred across, at the top of the free area (its title bar just below any panel).
    const QPoint topLeft(available.left() + frame.left() + (room.width() - size.width()) / 2,
                         available.top() + frame.top());
    placement.geometry = QRect(topLeft, size);
    return placement;
}

QSize WindowPlacement::minimumSize(QSize design) { return design / 2; }

QString WindowPlacement::sizeToText(QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

QSize WindowPlacement::sizeFromText(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    return size.isEmpty() ? QSize() : size;
}
