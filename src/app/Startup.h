#pragma once

#include <QString>

#include <array>
#include <memory>
#include <optional>

class QUndoStack;

namespace catalogue {
class Cassette;
struct FilmRecord;
} // namespace catalogue
namespace ui {
class SettingsStore;
class ToolWindow;
} // namespace ui
namespace windows {
class FilmWindow;
class SearchDialog;
struct GenreCombos;
class MainWindow;
class CassetteDialog;
class FindSpaceWindow;
class TapeMapWindow;
class DuplicatesWindow;
class BackupsWindow;
class StatisticsWindow;
class LabelDialog;
} // namespace windows

namespace app {

class ArchiveSession;
class SessionEnd;
class AboutDialog;
class LanguageDialog;

// Brings the program up in its fixed order: settings, the archive (locked and read), the main
// window with its rows, the other windows, the language (asked for when none is stored) and the
// genre lists; and wires the windows together. Destroying it closes the settings. When the archive
// is in use by another copy or cannot be read, start-up stops after saying so, and run() ends the
// program without a window.
class Startup final
{
public:
    // archivePath is the archive to open. A language given here is used for this run instead of
    // the stored one, and the user is not asked for one.
    explicit Startup(const QString& archivePath, std::optional<quint8> language = std::nullopt);
    ~Startup();
    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;

    // Shows the main window and runs the message loop until it is closed; the exit status.
    int run();

    // False when start-up stopped: the archive is in use or unreadable.
    bool ready() const { return mainWindow_ != nullptr && languageDialog_ != nullptr; }

    ui::SettingsStore& settings() const { return *settings_; }
    ArchiveSession& session() const { return *session_; }
    QUndoStack& undoStack() const { return *undoStack_; }
    windows::MainWindow& mainWindow() const { return *mainWindow_; }

private:
    void openFilmWindow(const catalogue::Cassette* cassette, const catalogue::FilmRecord* film);
    void createTools();
    void closeTools();
    std::array<ui::ToolWindow*, 6> tools() const;
    void readLanguage(std::optional<quint8> language);
    windows::GenreCombos genreCombos() const;

    std::unique_ptr<ui::SettingsStore> settings_;
    std::unique_ptr<ArchiveSession> session_;
    // Every change of the run, for undo and redo; the windows push onto it.
    std::unique_ptr<QUndoStack> undoStack_;
    std::unique_ptr<windows::MainWindow> mainWindow_;
    // Owned by the main window as Qt children.
    windows::FilmWindow* filmWindow_ = nullptr;
    windows::SearchDialog* searchDialog_ = nullptr;
    windows::CassetteDialog* cassetteDialog_ = nullptr;
    AboutDialog* aboutDialog_ = nullptr;
    LanguageDialog* languageDialog_ = nullptr;
    SessionEnd* sessionEnd_ = nullptr;
    // Windows of their own, without an owner, so that the main window may come in front of them; they
    // go before the main window and the catalogue they show.
    std::unique_ptr<windows::FindSpaceWindow> findSpaceWindow_;
    std::unique_ptr<windows::TapeMapWindow> tapeMapWindow_;
    std::unique_ptr<windows::DuplicatesWindow> duplicatesWindow_;
    std::unique_ptr<windows::StatisticsWindow> statisticsWindow_;
    std::unique_ptr<windows::LabelDialog> labelDialog_;
    std::unique_ptr<windows::BackupsWindow> backupsWindow_;
};

} // namespace app
