#include "app/CommandLine.h"

#include "storage/FileSystem.h"
#include "ui/Application.h"
#include "ui/Language.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace app {
namespace {

// The toolkit's own options (QGuiApplication and the X11 platform), which it takes out of the
// arguments when the windows start. Listed so that a desktop launcher passing one is not refused.
void acceptToolkitOptions(QCommandLineParser& parser)
{
    static const char* const withValue[] = {"platform",
                                            "platformpluginpath",
                                            "platformtheme",
                                            "plugin",
                                            "display",
                                            "geometry",
                                            "qwindowgeometry",
                                            "qwindowicon",
                                            "qwindowtitle",
                                            "style",
                                            "stylesheet",
                                            "session",
                                            "name",
                                            "title",
                                            "visual",
                                            "qmljsdebugger"};
    static const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), u"value"_s);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

CommandLine failure(const QString& reason)
{
    const QString program = ui::desktopFileName();
    CommandLine result;
    result.action = CommandLine::Action::Fail;
    result.text = u"%1: %2\n"_s.arg(program, reason) +
                  CommandLine::tr("Try '%1 --help' for more information.").arg(program) + u'\n';
    return result;
}

// True when value came from an argument whose bytes did not survive decoding: such a value holds the
// replacement character where the bad bytes were.
bool isUnrepresentable(const QString& value, const QStringList& unrepresentable)
{
    return value.contains(QChar::ReplacementCharacter) &&
           std::any_of(unrepresentable.begin(), unrepresentable.end(),
                       [&value](const QString& argument) { return argument.endsWith(value); });
}

// A relative name in a folder whose own name holds such bytes cannot be made absolute exactly.
bool inUnrepresentableFolder(const QString& value)
{
    if (QFileInfo(value).isAbsolute())
        return false;
    char folder[4096];
    return ::getcwd(folder, sizeof folder) && !catalogue::isRepresentablePath(QByteArray(folder));
}

QString unrepresentableText(const QString& value)
{
    return CommandLine::tr("The name %1 holds bytes that are no valid text, so that the file cannot be named "
                           "exactly; rename it.")
        .arg(value);
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QStringList& unrepresentable)
{
    QCommandLineParser parser;
    // "-platform offscreen" is the toolkit's spelling; long options may take one dash as well.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        CommandLine::tr("A catalogue of recorded video cassettes and the films on them."));
    const QCommandLineOption help({u"h"_s, u"help"_s}, CommandLine::tr("Shows this help and ends."));
    const QCommandLineOption version({u"v"_s, u"version"_s}, CommandLine::tr("Shows the version and ends."));
    const QCommandLineOption archive(u"archive"_s,
                                     CommandLine::tr("Opens the archive <file> instead of the usual one."),
                                     CommandLine::tr("file"));
    const QCommandLineOption language(
        u"language"_s,
        CommandLine::tr("Shows the program in English (en) or German (de), for this run only."), u"en|de"_s);
    const QCommandLineOption exportCsv(
        u"export-csv"_s,
        CommandLine::tr("Writes the whole catalogue to the CSV file <file> (- for standard output) and ends, "
                        "without a window."),
        CommandLine::tr("file"));
    const QCommandLineOption importCsv(
        u"import-csv"_s,
        CommandLine::tr("Adds the cassettes and films of the CSV file <file> to the archive, tells what it "
                        "added and skipped, and ends, without a window: with status 0 when it took every "
                        "row, 3 when it skipped some, 1 when it added nothing."),
        CommandLine::tr("file"));
    const QCommandLineOption listBackups(
        u"list-backups"_s,
        CommandLine::tr(
            "Lists the backups kept of the archive, newest first: number, time, cassettes and films, "
            "and \"damaged\" where one fails its check; ends with status 0, or 1 when they cannot "
            "be read."));
    const QCommandLineOption restoreBackup(
        u"restore-backup"_s,
        CommandLine::tr(
            "Makes the archive the backup <number> of --list-backups, the archive as it stands kept "
            "as a new backup first, and ends: with status 0 when restored, 1 when not (a damaged "
            "backup, or the archive open in another reelMINDER/32)."),
        CommandLine::tr("number"));
    const QCommandLineOption exportHtml(
        u"export-html"_s,
        CommandLine::tr(
            "Writes the whole catalogue as one web page with a search field to the file <file> (- for "
            "standard output) and ends, without a window."),
        CommandLine::tr("file"));
    parser.addOptions(
        {help, version, archive, language, exportCsv, importCsv, exportHtml, listBackups, restoreBackup});
    parser.addPositionalArgument(CommandLine::tr("file"),
                                 CommandLine::tr("The archive to open, as with --archive."),
                                 CommandLine::tr("[file]"));
    acceptToolkitOptions(parser);

    if (!parser.parse(arguments))
        return failure(parser.errorText());

    CommandLine result;
    // The language before the help, which is printed in it.
    if (parser.isSet(language)) {
        const QString code = parser.values(language).constLast();
        if (code == u"en"_s)
            result.language = ui::kEnglish;
        else if (code == u"de"_s)
            result.language = ui::kGerman;
        else
            return failure(CommandLine::tr("Unknown language '%1': use en or de.").arg(code));
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::ShowHelp;
        result.text = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = ui::applicationTitle() + u'\n';
        return result;
    }

    const QStringList archives = parser.values(archive) + parser.positionalArguments();
    if (archives.size() > 1)
        return failure(CommandLine::tr("Only one archive can be opened: %1.").arg(archives.join(u", "_s)));
    if (!archives.isEmpty()) {
        if (archives.first().isEmpty())
            return failure(CommandLine::tr("The archive's name is empty."));
        if (isUnrepresentable(archives.first(), unrepresentable) || inUnrepresentableFolder(archives.first()))
            return failure(unrepresentableText(archives.first()));
        result.archive = QFileInfo(archives.first()).absoluteFilePath();
        if (!QFileInfo(QFileInfo(result.archive).path()).isDir())
            return failure(CommandLine::tr("The folder of the archive %1 does not exist.")
                               .arg(QDir::toNativeSeparators(result.archive)));
    }
    if (parser.isSet(exportCsv) && parser.isSet(importCsv))
        return failure(CommandLine::tr("Export and import cannot be done in one run."));
    if (parser.isSet(exportHtml) && (parser.isSet(exportCsv) || parser.isSet(importCsv)))
        return failure(CommandLine::tr("The web page is written in a run of its own, without a CSV file."));
    const int commands = int(parser.isSet(exportCsv)) + int(parser.isSet(importCsv)) +
                         int(parser.isSet(exportHtml)) + int(parser.isSet(listBackups)) +
                         int(parser.isSet(restoreBackup));
    if (commands > 1)
        return failure(
            CommandLine::tr("Only one of --export-csv, --import-csv, --export-html, --list-backups "
                            "and --restore-backup can be done in one run."));
    if (parser.isSet(listBackups)) {
        result.action = CommandLine::Action::ListBackups;
        return result;
    }
    if (parser.isSet(restoreBackup)) {
        const QString number = parser.values(restoreBackup).constLast();
        bool ok = false;
        result.backupNumber = number.toInt(&ok);
        if (!ok || result.backupNumber < 1)
            return failure(
                CommandLine::tr("The backup's number must be a whole number from 1 on: %1.").arg(number));
        result.action = CommandLine::Action::RestoreBackup;
        return result;
    }
    if (parser.isSet(importCsv)) {
        result.action = CommandLine::Action::ImportCsv;
        result.importSource = parser.values(importCsv).constLast();
        if (result.importSource.isEmpty())
            return failure(CommandLine::tr("The CSV file's name is empty."));
        if (isUnrepresentable(result.importSource, unrepresentable) ||
            inUnrepresentableFolder(result.importSource))
            return failure(unrepresentableText(result.importSource));
    }
    if (parser.isSet(exportCsv)) {
        result.action = CommandLine::Action::ExportCsv;
        result.exportTarget = parser.values(exportCsv).constLast();
        if (result.exportTarget.isEmpty())
            return failure(CommandLine::tr("The CSV file's name is empty."));
        if (result.exportTarget != u"-"_s && (isUnrepresentable(result.exportTarget, unrepresentable) ||
                                              inUnrepresentableFolder(result.exportTarget)))
            return failure(unrepresentableText(result.exportTarget));
    }
    if (parser.isSet(exportHtml)) {
        result.action = CommandLine::Action::ExportHtml;
        result.exportTarget = parser.values(exportHtml).constLast();
        if (result.exportTarget.isEmpty())
            return failure(CommandLine::tr("The web page's name is empty."));
        if (result.exportTarget != u"-"_s && (isUnrepresentable(result.exportTarget, unrepresentable) ||
                                              inUnrepresentableFolder(result.exportTarget)))
            return failure(unrepresentableText(result.exportTarget));
    }
    return result;
}

} // namespace app
