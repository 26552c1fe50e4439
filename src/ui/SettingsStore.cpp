#include "ui/SettingsStore.h"

#include "ui/Application.h"
#include "ui/ErrorGuard.h"
#include "ui/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaType>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include <limits>

namespace ui {

namespace {

// A whole number as text: optional sign, then digits only, within qint64.
bool parseInteger(const QString& text, qint64& value)
{
    if (text.isEmpty()) {
        return false;
    }
    const qsizetype start = (text.front() == QLatin1Char('-') || text.front() == QLatin1Char('+')) ? 1 : 0;
    if (start == text.size()) {
        return false;
    }
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9')) {
            return false;
        }
    }
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok;
}

} // namespace

SettingsStore::SettingsStore()
{
    open();
}

SettingsStore::~SettingsStore() = default;

// QSettings reads its files as it is made, and would wait for ever on a FIFO in a file's place.
// The files it reads: the program's own and the organisation's, in the user's and the system's
// configuration folders.
bool settingsFilesArePlain()
{
    const QStringList names = {ui::organisationName() + u'/' + ui::applicationName() +
                                   QStringLiteral(".conf"),
                               ui::organisationName() + QStringLiteral(".conf")};
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        for (const QString& name : names) {
            const QFileInfo file(folder + u'/' + name);
            if (file.exists() && !file.isFile())
                return false;
        }
    }
    return true;
}

void SettingsStore::open()
{
    // Drop the old object first: the new one must not share its pending, failed changes' status.
    settings_.reset();
    // Without usable files the program runs with nothing stored: it asks for the language, and
    // storing it reports the failure.
    if (!settingsFilesArePlain())
        return;
    settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            ui::organisationName(), ui::applicationName());
    settings_->beginGroup(QStringLiteral("2.0"));
}

SettingsStore::StoredInteger SettingsStore::readInteger(const QString& name) const
{
    if (!settings_)
        return {};
    const QVariant stored = settings_->value(name);
    if (!stored.isValid()) {
        return {};
    }
    StoredInteger result{StoredInteger::NotInteger, 0};
    switch (stored.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        result = {StoredInteger::Integer, stored.toLongLong()};
        break;
    case QMetaType::ULongLong:
        if (stored.toULongLong() <= static_cast<quint64>(std::numeric_limits<qint64>::max())) {
            result = {StoredInteger::Integer, stored.toLongLong()};
        }
        break;
    case QMetaType::QString: {
        // The conf file keeps no types: an integer comes back as its decimal text.
        qint64 value = 0;
        if (parseInteger(stored.toString(), value)) {
            result = {StoredInteger::Integer, value};
        }
        break;
    }
    default:
        break;
    }
    return result;
}

bool SettingsStore::write(const QString& name, const QVariant& value)
{
    // QSettings keeps its first error for good; a fresh object lets this write be judged on its own.
    if (!settings_ || settings_->status() != QSettings::NoError) {
        open();
    }
    if (settings_) {
        settings_->setValue(name, value);
        settings_->sync();
    }
    return settings_ && settings_->status() != QSettings::AccessError;
}

void SettingsStore::writeInteger(const QString& name, int value)
{
    if (!write(name, value)) {
        throw Error(
            QCoreApplication::translate("ui::SettingsStore", "Could not set data for '%1'").arg(name));
    }
}

QByteArray SettingsStore::readBytes(const QString& name) const
{
    if (!settings_)
        return {};
    const QVariant stored = settings_->value(name);
    return stored.typeId() == QMetaType::QByteArray ? stored.toByteArray() : QByteArray();
}

bool SettingsStore::store(const QString& name, const QByteArray& value)
{
    return write(name, value);
}

bool SettingsStore::store(const QString& name, int value)
{
    return write(name, value);
}

std::optional<quint8> readLanguage(const SettingsStore& settings)
{
    const SettingsStore::StoredInteger stored = settings.readInteger(QStringLiteral("Language"));
    if (stored.kind == SettingsStore::StoredInteger::Integer && stored.value >= 0 && stored.value <= 255 &&
        isLanguage(quint8(stored.value)))
        return quint8(stored.value);
    return std::nullopt;
}

} // namespace ui
