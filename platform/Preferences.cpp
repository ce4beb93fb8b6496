#include "platform/Preferences.h"

#include "platform/AtomicFile.h"
#include "platform/Paths.h"

#include <QDebug>
#include <QFileInfo>
#include <QStringDecoder>

namespace {
// A preference file holds a few short keys; anything this big is not one.
constexpr qint64 kMaxBytes = 1 << 20;

// Text made of blank lines, comments, [section] headers and key=value lines.
bool readsAsPreferences(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (bytes.contains('\0') || utf8.hasError())
        return false;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        const bool header = trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))
                            && trimmed.count(QLatin1Char('[')) == 1;
        if (!trimmed.isEmpty() && !trimmed.startsWith(QLatin1Char(';')) && !trimmed.startsWith(QLatin1Char('#'))
            && !header && !trimmed.contains(QLatin1Char('=')))
            return false;
    }
    return true;
}

// QSettings saves through a symbolic link into whatever it points at (as root,
// any file): the link gives way to a file of its own with the same contents.
void replaceLink(const QString &path)
{
    if (!QFileInfo(path).isSymLink())
        return;
    const AtomicFile::Read target = AtomicFile::read(path, kMaxBytes);
    const QByteArray bytes = target.status == AtomicFile::Read::Status::Ok ? target.bytes : QByteArray();
    QString error;
    if (AtomicFile::write(path, bytes, &error))
        qWarning().noquote() << "tolvek: the preferences file" << path << "was a link; it is a file of its own now";
    else
        qWarning().noquote() << "tolvek: the preferences file is a link and could not be replaced:" << error;
}

// A file QSettings cannot make sense of is kept aside before anything (the
// first-run defaults, for one) is written over it: a copy when it is damaged,
// the file itself when it is far too big to be read at all. What can still be
// read stays in place, rewritten cleanly so the copy is made only once.
void keepDamageAside(const QString &path)
{
    const AtomicFile::Read file = AtomicFile::read(path, kMaxBytes);
    QString error;
    if (file.status == AtomicFile::Read::Status::TooLarge) {
        const QString aside = AtomicFile::keepAside(path, true, &error);
        qWarning().noquote() << "tolvek: the preferences file is too large;"
                             << (aside.isEmpty() ? error : "kept as " + aside);
        return;
    }
    if (file.status != AtomicFile::Read::Status::Ok)
        return;
    QSettings original(path, QSettings::IniFormat);
    if (readsAsPreferences(file.bytes) && original.status() == QSettings::NoError)
        return;
    const QString aside = AtomicFile::keepAside(path, false, &error);
    if (aside.isEmpty()) {
        qWarning().noquote() << "tolvek: the preferences file is damaged and could not be kept aside:" << error;
        return;
    }
    qWarning().noquote() << "tolvek: the preferences file was damaged; kept a copy as" << aside;
    QVariantMap readable;
    for (const QString &key : original.allKeys())
        readable.insert(key, original.value(key));
    if (!AtomicFile::write(path, QByteArray(), &error))
        return;
    QSettings clean(path, QSettings::IniFormat);
    for (auto it = readable.cbegin(); it != readable.cend(); ++it)
        clean.setValue(it.key(), it.value());
}

QString checkedFile()
{
    const QString path = Paths::preferencesFile();
    replaceLink(path);
    keepDamageAside(path);
    return path;
}
} // namespace

Preferences::Preferences() : settings_(checkedFile(), QSettings::IniFormat) { }

Preferences &Preferences::shared()
{
    static Preferences defaults;
    return defaults;
}

QString Preferences::stringForKey(const QString &key) const { return settings_.value(key).toString(); }

bool Preferences::boolForKey(const QString &key) const { return settings_.value(key).toBool(); }

bool Preferences::hasKey(const QString &key) const { return settings_.contains(key); }

void Preferences::setString(const QString &key, const QString &value) { settings_.setValue(key, value); }

void Preferences::setBool(const QString &key, bool value) { settings_.setValue(key, value); }

void Preferences::remove(const QString &key) { settings_.remove(key); }

void Preferences::synchronize()
{
    replaceLink(settings_.fileName());
    settings_.sync();
}
