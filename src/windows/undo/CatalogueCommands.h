#pragma once

#include "catalogue/Change.h"
#include "catalogue/Progress.h"

#include <QCoreApplication>
#include <QString>
#include <QUndoCommand>

#include <memory>

class QUndoStack;

namespace catalogue {
class Cassette;
class Catalogue;
struct FilmRecord;
} // namespace catalogue
namespace exchange {
struct ImportPlan;
}

namespace windows {

// One change of the catalogue as a step of the undo stack. The change is made through the catalogue's
// operations, recorded in change(), before the step is pushed; undo() and a later redo() take it back
// and make it again on the very same records (see catalogue::Change).
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
        Import
    };

    // subject names what is changed; other, for a rename, the new name.
    CatalogueCommand(catalogue::Catalogue& catalogue, Kind kind, const QString& subject = {},
                     const QString& other = {});
    ~CatalogueCommand() override;
    CatalogueCommand(const CatalogueCommand&) = delete;
    CatalogueCommand& operator=(const CatalogueCommand&) = delete;

    catalogue::Change& change() { return change_; }
    Kind kind() const { return kind_; }
    void setDescription(Kind kind, const QString& subject, const QString& other = {});
    // What it does, in the current language, as "Undo" and "Redo" name it; a "&" in a name is
    // doubled, so that a menu shows it.
    QString description() const;

    // Pushes a command whose change is made: its first redo() does nothing. One that changed nothing
    // is dropped.
    static void push(QUndoStack& stack, std::unique_ptr<CatalogueCommand> command);

    void undo() override;
    void redo() override;

private:
    catalogue::Catalogue& catalogue_;
    catalogue::Change change_;
    Kind kind_;
    QString subject_;
    QString other_;
    bool made_ = false;
};

// The catalogue's operations as steps of the undo stack: each makes its change at once and pushes the
// step that takes it back. A change that changed nothing pushes nothing.
catalogue::Cassette* createCassette(QUndoStack& stack, catalogue::Catalogue& catalogue, const QString& name,
                                    int length);
// A new name, a new length or both (see Catalogue::renameCassette()).
void editCassette(QUndoStack& stack, catalogue::Catalogue& catalogue, catalogue::Cassette& cassette,
                  const QString& name, int length);
void deleteCassette(QUndoStack& stack, catalogue::Catalogue& catalogue, catalogue::Cassette& cassette);
// Behind the cassette's last record, or before `before` (see Catalogue::addFilm()); the film's record.
catalogue::FilmRecord* addFilm(QUndoStack& stack, catalogue::Catalogue& catalogue,
                               catalogue::Cassette& cassette, const catalogue::FilmRecord& fields,
                               const catalogue::FilmRecord* before = nullptr);
void updateFilm(QUndoStack& stack, catalogue::Catalogue& catalogue, catalogue::FilmRecord& film,
                const catalogue::FilmRecord& fields);
void removeFilm(QUndoStack& stack, catalogue::Catalogue& catalogue, catalogue::FilmRecord& film);
// Everything the plan adds, as one step named after the file it came from.
void applyImport(QUndoStack& stack, catalogue::Catalogue& catalogue, exchange::ImportPlan plan,
                 const QString& fileName, const catalogue::Progress& progress = {});

} // namespace windows
