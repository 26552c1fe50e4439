#include "app/AppIcon.h"
#include "app/ArchiveLocation.h"
#include "app/BackupCommands.h"
#include "app/CommandLine.h"
#include "app/CsvCommands.h"
#include "app/Startup.h"
#include "storage/FileSystem.h"
#include "ui/Application.h"
#include "ui/ErrorGuard.h"
#include "ui/Language.h"
#include "ui/SettingsStore.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The arguments that do not convert to text and back unchanged; see parseCommandLine().
QStringList unrepresentableArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        if (!catalogue::isRepresentablePath(QByteArray(argv[i])))
            arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// Help, version, errors, the exports, the CSV import and the backups: in the language asked for, else
// the stored one, else the system's, without opening a display.
int answerOnTerminal(int argc, char* argv[], const app::CommandLine& first)
{
    QCoreApplication core(argc, argv);
    ui::nameApplication();
    std::optional<quint8> language = first.language;
    if (!language)
        language = ui::readLanguage(ui::SettingsStore());
    ui::setLanguage(
        language.value_or(QLocale::system().language() == QLocale::German ? ui::kGerman : ui::kEnglish));
    const auto archive = [&first] {
        return first.archive.isEmpty() ? app::defaultArchivePath() : first.archive;
    };
    if (first.action == app::CommandLine::Action::ExportCsv)
        return app::exportCsv(archive(), first.exportTarget);
    if (first.action == app::CommandLine::Action::ExportHtml)
        return app::exportHtml(archive(), first.exportTarget);
    if (first.action == app::CommandLine::Action::ImportCsv)
        return app::importCsv(archive(), first.importSource);
    if (first.action == app::CommandLine::Action::ListBackups)
        return app::listBackups(archive());
    if (first.action == app::CommandLine::Action::RestoreBackup)
        return app::restoreBackup(archive(), first.backupNumber);
    if (first.action == app::CommandLine::Action::ExportTellico)
        return app::exportTellico(archive(), first.exportTarget);
    if (first.action == app::CommandLine::Action::ImportTellico)
        return app::importTellico(archive(), first.importSource);
    const app::CommandLine translated =
        app::parseCommandLine(QCoreApplication::arguments(), unrepresentableArguments(argc, argv));
    const bool failed = translated.action == app::CommandLine::Action::Fail;
    const QByteArray text = translated.text.toLocal8Bit();
    std::fwrite(text.constData(), 1, std::size_t(text.size()), failed ? stderr : stdout);
    return failed ? app::kUsageError : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const app::CommandLine commandLine =
        app::parseCommandLine(argumentsOf(argc, argv), unrepresentableArguments(argc, argv));
    if (commandLine.action != app::CommandLine::Action::Run)
        return answerOnTerminal(argc, argv, commandLine);

    QApplication application(argc, argv);
    ui::nameApplication();
    QApplication::setWindowIcon(app::appIcon());

    int exitCode = 1;
    ui::guarded(nullptr, [&] {
        const QString archive =
            commandLine.archive.isEmpty() ? app::defaultArchivePath() : commandLine.archive;
        app::Startup startup(archive, commandLine.language);
        exitCode = startup.run();
    });
    return exitCode;
}
