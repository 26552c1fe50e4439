#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class QSettings;
class QVariant;

namespace ui {

// The program's per-user settings: organisation "Kestro", application "ReelMinder", group "2.0".
// Opened once at start and kept until the end; the language dialog writes through the same store.
class SettingsStore final
{
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    struct StoredInteger
    {
        enum Kind
        {
            Missing,
            NotInteger,
            Integer
        } kind = Missing;
        qint64 value = 0;
    };

    // Tells apart a missing value, one that is no whole number, and a whole number.
    StoredInteger readInteger(const QString& name) const;

    // Throws ui::Error "Could not set data for '<name>'" (in German "Konnte Daten für '<name>' nicht
    // setzen") when the value cannot be stored.
    void writeInteger(const QString& name, int value);

    // Bytes stored under name; empty when there are none, or something else is stored.
    QByteArray readBytes(const QString& name) const;
    // Stores bytes without a word when they cannot be: for what the program may as well forget, as a
    // window's place. False then.
    bool store(const QString& name, const QByteArray& value);
    bool store(const QString& name, int value);

private:
    void open();
    // Writes value at once; false when the settings could not take it.
    bool write(const QString& name, const QVariant& value);
    std::unique_ptr<QSettings> settings_;
};

// The stored language (value "Language"): a byte some language has. Anything else, and nothing,
// counts as no choice yet.
std::optional<quint8> readLanguage(const SettingsStore& settings);

} // namespace ui
