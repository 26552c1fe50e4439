#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

namespace testsupport {

// Points the per-user settings (native and INI format) at a fresh temporary folder for one test, so
// that nothing reaches the real home folder. Afterwards the settings keep pointing at the removed
// folder rather than falling back to the real ones.
class TempSettings final
{
public:
    TempSettings();
    TempSettings(const TempSettings&) = delete;
    TempSettings& operator=(const TempSettings&) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    // <path>/Kestro/ReelMinder.conf, whether it exists or not.
    QString settingsFile() const;

    // Replaces the settings file with text, e.g. "[2.0]\nLanguage=abc\n".
    bool writeRaw(const QByteArray& text) const;
    QByteArray readRaw() const;

    // A value of the program's group "2.0" as a fresh QSettings reads it from the file.
    QVariant storedValue(const QString& name) const;

private:
    QTemporaryDir dir_;
};

} // namespace testsupport
