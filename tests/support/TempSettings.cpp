#include "support/TempSettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryFile>

namespace testsupport {

TempSettings::TempSettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    // The settings store looks at its files before it opens them, where the desktop keeps them.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(dir_.filePath(QStringLiteral("system"))));
}

QString TempSettings::settingsFile() const
{
    return dir_.filePath(QStringLiteral("Kestro/ReelMinder.conf"));
}

bool TempSettings::writeRaw(const QByteArray& text) const
{
    if (!QDir(dir_.path()).mkpath(QStringLiteral("Kestro"))) {
        return false;
    }
    QFile file(settingsFile());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

QByteArray TempSettings::readRaw() const
{
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QVariant TempSettings::storedValue(const QString& name) const
{
    // Read a copy under a new name: QSettings shares one cache per file within the process, and
    // that cache may hold changes that never reached the disk.
    QTemporaryFile copy(dir_.filePath(QStringLiteral("check-XXXXXX.conf")));
    if (!copy.open() || copy.write(readRaw()) < 0 || !copy.flush()) {
        return {};
    }
    const QSettings settings(copy.fileName(), QSettings::IniFormat);
    return settings.value(QStringLiteral("2.0/") + name);
}

} // namespace testsupport
