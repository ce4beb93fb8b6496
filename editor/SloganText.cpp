#include "editor/SloganText.h"

#include <QTextBoundaryFinder>

SloganText::Cleaned SloganText::clean(const QString &text)
{
    Cleaned result;
    result.text = text;
    for (QChar &c : result.text) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    }
    if (result.text.size() <= kMaxLength)
        return result;
    // The last grapheme boundary within the limit: no half emoji, no lone accent.
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, result.text);
    boundaries.setPosition(kMaxLength);
    const qsizetype cut = boundaries.isAtBoundary() ? kMaxLength : boundaries.toPreviousBoundary();
    result.text.truncate(qMax<qsizetype>(cut, 0));
    result.shortened = true;
    return result;
}
