#pragma once

#include "catalogue/Progress.h"

#include <QCoreApplication>
#include <QString>
#include <QUndoCommand>

#include <cstddef>
#include <memory>
#include <vector>

class QUndoStack;

namespace catalogue {
class Cassette;
class Catalogue;
struct Film;
struct FilmRecord;
} // namespace catalogue
namespace exchange {
struct ImportPlan;
}

namespace windows {

// One entry of the catalogue's history as a step of the undo stack: a view of it that names it. The
// change is made through the catalogue's operations, which record it, before the step is pushed; undo()
// and a later redo() ask the history to take it back and make it again (see catalogue::History).
class CatalogueCommand final : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(windows::CatalogueCommand)

public:
    enum class Kind
    {
        CreateCassette,
        RenameCassette,
        ChangeCassetteLength,
        EditCassette,
        DeleteCassette,
        AddFilm,
        InsertFilm,
        EditFilm,
        DeleteFilm,
        Import,
        RestoreBackup
    };

    // subject names what is changed; other, for a rename, the new name.
    CatalogueCommand(catalogue::Catalogue& catalogue, Kind kind, const QString& subject = {},
                     const QString& other = {});
    ~CatalogueCommand() override;
    CatalogueCommand(const CatalogueCommand&) = delete;
    CatalogueCommand& operator=(const CatalogueCommand&) = delete;

    Kind kind() const { return kind_; }
    void setDescription(Kind kind, const QString& subject, const QString& other = {});
    // What it does, in the current language, as "Undo" and "Redo" name it; a "&" in a name is
    // doubled, so that a menu shows it.
    QString description() const;

    // Pushes a command whose change is made, the one entry the history recorded since the command was
    // made: its first redo() does nothing. One that changed nothing is dropped.
    static void push(QUndoStack& stack, std::unique_ptr<CatalogueCommand> command);

    void undo() override;
    void redo() override;

private:
    catalogue::Catalogue& catalogue_;
    // Its entry's index in the history: a step steps only while the history stands where it did.
    std::size_t entry_;
    Kind kind_;
    QString subject_;
    QString other_;
    bool made_ = false;
};

// Keeps the stack in step with the catalogue's history: a cleared history clears the stack.
void followHistory(QUndoStack& stack, catalogue::Catalogue& catalogue);

// The catalogue's operations as steps of the undo stack: each makes its change at once and pushes the
// step that takes it back. A change that changed nothing pushes nothing.
const catalogue::Cassette* createCassette(QUndoStack& stack, catalogue::Catalogue& catalogue,
                                          const QString& name, int length);
// A new name, a new length or both (see Catalogue::renameCassette()). Returns the cassette that holds
// the records afterwards: another one when the new name joined the two.
const catalogue::Cassette* editCassette(QUndoStack& stack, catalogue::Catalogue& catalogue,
                                        const catalogue::Cassette& cassette, const QString& name, int length);
void deleteCassette(QUndoStack& stack, catalogue::Catalogue& catalogue, const catalogue::Cassette& cassette);
// Behind the cassette's last record, or before `before` (see Catalogue::addFilm()); the film's record.
const catalogue::FilmRecord* addFilm(QUndoStack& stack, catalogue::Catalogue& catalogue,
                                     const catalogue::Cassette& cassette, const catalogue::Film& film,
                                     const catalogue::FilmRecord* before = nullptr);
void updateFilm(QUndoStack& stack, catalogue::Catalogue& catalogue, const catalogue::FilmRecord& record,
                const catalogue::Film& film);
void removeFilm(QUndoStack& stack, catalogue::Catalogue& catalogue, const catalogue::FilmRecord& film);
// Everything the plan adds, as one step named after the file it came from.
void applyImport(QUndoStack& stack, catalogue::Catalogue& catalogue, exchange::ImportPlan plan,
                 const QString& fileName, const catalogue::Progress& progress = {});
// Every record gives way to the records of a backup, as one step named after when it was saved.
void restoreBackup(QUndoStack& stack, catalogue::Catalogue& catalogue,
                   std::vector<std::unique_ptr<catalogue::FilmRecord>> records, const QString& saved);

} // namespace windows
