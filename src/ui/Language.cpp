#include "ui/Language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QScopeGuard>
#include <QString>
#include <QTranslator>

#include <iterator>

namespace ui {

namespace {

// Indexed by the language byte. Another language needs its translation file (listed in this
// folder's CMakeLists.txt), a row here and a choice in the language dialog.
struct LanguageFiles
{
    const char* translation;
    // Qt's own texts (the file and print dialogs, the command line's headings); none for English,
    // the language Qt is written in.
    const char* qtTranslation;
};
constexpr LanguageFiles kLanguages[] = {
    {"reelminder_en", nullptr},
    {"reelminder_de", "qtbase_de"},
};
constexpr std::size_t kLanguageCount = std::size(kLanguages);

quint8 currentLanguage = kEnglish;
QPointer<QTranslator> installedTranslator;
QPointer<QTranslator> installedQtTranslator;

// Loaded on first use from the resources; owned by the application, so none outlives it.
QTranslator* translatorOf(quint8 language)
{
    static QPointer<QTranslator> loaded[kLanguageCount];
    QCoreApplication* const application = QCoreApplication::instance();
    if (!isLanguage(language) || application == nullptr) {
        return nullptr;
    }
    QPointer<QTranslator>& translator = loaded[language];
    if (translator.isNull()) {
        translator = new QTranslator(application);
        if (!translator->load(QLatin1String(kLanguages[language].translation), QStringLiteral(":/i18n"))) {
            qWarning("The translation %s is missing", kLanguages[language].translation);
        }
    }
    return translator;
}

// Qt's translation of a language, from Qt's own folder; none where that is not installed, and Qt's
// dialogs then speak English.
QTranslator* qtTranslatorOf(quint8 language)
{
    static QPointer<QTranslator> loaded[kLanguageCount];
    QCoreApplication* const application = QCoreApplication::instance();
    if (!isLanguage(language) || kLanguages[language].qtTranslation == nullptr || application == nullptr) {
        return nullptr;
    }
    QPointer<QTranslator>& translator = loaded[language];
    if (translator.isNull()) {
        translator = new QTranslator(application);
        if (!translator->load(QLatin1String(kLanguages[language].qtTranslation),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            qWarning("Qt's translation %s is missing", kLanguages[language].qtTranslation);
        }
    }
    return translator;
}

// At most one translator of the program's is installed: a text the current language leaves untranslated must
// fall back to its English source, never to another language.
void install(QTranslator* translator, QPointer<QTranslator>& installed = installedTranslator)
{
    if (translator == installed) {
        return;
    }
    if (!installed.isNull()) {
        QCoreApplication::removeTranslator(installed);
    }
    if (translator != nullptr) {
        QCoreApplication::installTranslator(translator);
    }
    installed = translator;
}

// Keeps the application from telling the windows about a translator that is only borrowed.
class LanguageChangeMute final : public QObject
{
public:
    LanguageChangeMute() { QCoreApplication::instance()->installEventFilter(this); }
    ~LanguageChangeMute() override { QCoreApplication::instance()->removeEventFilter(this); }
    Q_DISABLE_COPY_MOVE(LanguageChangeMute)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange;
    }
};

} // namespace

quint8 language()
{
    return currentLanguage;
}

void setLanguage(quint8 language)
{
    currentLanguage = language;
    if (!isLanguage(language)) {
        return;
    }
    install(translatorOf(language));
    install(qtTranslatorOf(language), installedQtTranslator);
    // Qt posts the change to every window; delivered now, whoever switched the language finds each
    // window in it as soon as this returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

bool isLanguage(quint8 language)
{
    return language < kLanguageCount;
}

QLocale localeOf(quint8 language)
{
    return language == kGerman ? QLocale(QLocale::German, QLocale::Germany)
                               : QLocale(QLocale::English, QLocale::UnitedStates);
}

const QTranslator* translator(quint8 language)
{
    return translatorOf(language);
}

void withLanguage(quint8 language, const std::function<void()>& apply)
{
    QTranslator* const borrowed = translatorOf(language);
    if (borrowed == nullptr) {
        apply();
        return;
    }
    const LanguageChangeMute mute;
    const QPointer<QTranslator> previous = installedTranslator;
    install(borrowed);
    const auto restore = qScopeGuard([&previous] { install(previous); });
    apply();
}

} // namespace ui
