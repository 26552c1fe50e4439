#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace app {

// What the command line asks for. Parsing needs no display, so help, version and errors work on a
// terminal without one.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action
    {
        Run,           // open the windows
        ShowHelp,      // print text to standard output, end with status 0
        ShowVersion,   // print text to standard output, end with status 0
        ExportCsv,     // write the catalogue as CSV to exportTarget, without a window
        ImportCsv,     // add the films of the CSV file importSource to the archive, without a window
        ListBackups,   // print the archive's generations, without a window
        RestoreBackup, // make the archive its generation backupNumber, without a window
        ExportHtml,    // write the catalogue as one web page to exportTarget, without a window
        Fail,          // print text to standard error, end with status 2
    };

    Action action = Action::Run;
    // An archive named on the command line, absolute; empty for the usual one.
    QString archive;
    // A language for this run only; never stored.
    std::optional<quint8> language;
    // With ExportCsv and ExportHtml: the file to write, "-" for standard output.
    QString exportTarget;
    // With ImportCsv: the file to read.
    QString importSource;
    // With RestoreBackup: the generation's number as ListBackups shows it, 1 for the newest.
    int backupNumber = 0;
    // The help, the version line or the error, ready to print.
    QString text;
};

inline constexpr int kUsageError = 2;

// arguments includes the program itself, as QCoreApplication::arguments() has it. Options the
// toolkit itself reads (-platform, -display, -style, ...) are accepted and left to it. The texts are
// in the language installed at the time of the call. unrepresentable holds the arguments whose bytes
// are not valid text in the system's encoding: no file can be opened by such a name, so a file named
// by one is refused instead of another file of a similar name being read or written.
CommandLine parseCommandLine(const QStringList& arguments, const QStringList& unrepresentable = {});

} // namespace app
