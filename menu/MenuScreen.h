#pragma once
#include "ui/ScreenController.h"

#include <QLocale>
#include <QStringList>

// The side menu: the logo, the entries Home, Skin, Share and "More +", the
// secondary entries (back, About, Rate) that swap in for them, and the
// feedback block. Home, Skin and About change the content and close the
// menu; Share and More leave it open.
class MenuScreen : public ScreenController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made in C++")
    Q_PROPERTY(QStringList entries READ entries CONSTANT)
    Q_PROPERTY(QStringList entryNames READ entryNames CONSTANT)
    Q_PROPERTY(QStringList moreEntries READ moreEntries CONSTANT)
    Q_PROPERTY(QStringList moreEntryNames READ moreEntryNames CONSTANT)
    Q_PROPERTY(bool showingMore READ showingMore NOTIFY showingMoreChanged)
    Q_PROPERTY(int swapDurationMs READ swapDurationMs CONSTANT)
    Q_PROPERTY(QString logoUrl READ logoUrl CONSTANT)
    Q_PROPERTY(QString feedbackPictureUrl READ feedbackPictureUrl CONSTANT)
    Q_PROPERTY(QString feedbackTitle READ feedbackTitle CONSTANT)
    Q_PROPERTY(QString creditLine READ creditLine CONSTANT)
public:
    enum Entry { Home, Skin, Share, More };
    enum MoreEntry { Back, About, Rate };
    Q_ENUM(Entry)
    Q_ENUM(MoreEntry)
    static constexpr int kSwapDurationMs = 400;

    explicit MenuScreen(const QLocale &locale = QLocale(), QObject *parent = nullptr);

    // The titles shown, and the names a screen reader says.
    QStringList entries() const;
    QStringList entryNames() const;
    QStringList moreEntries() const;
    QStringList moreEntryNames() const;
    bool showingMore() const { return showingMore_; }
    int swapDurationMs() const { return kSwapDurationMs; }
    QString logoUrl() const;
    QString feedbackPictureUrl() const;
    QString feedbackTitle() const { return QStringLiteral("Suggestion & Feedback"); }
    QString creditLine() const;

    Q_INVOKABLE void chooseEntry(int entry);
    Q_INVOKABLE void chooseMoreEntry(int entry);
    Q_INVOKABLE void feedback();

    // Tells the user which program is missing when nothing opened a link.
    static void sayWhatIsMissing(const QString &message);

Q_SIGNALS:
    void showingMoreChanged();

private:
    void setShowingMore(bool more);
    void showContent(int topLevel);

    QLocale locale_;
    bool showingMore_ = false;
};
