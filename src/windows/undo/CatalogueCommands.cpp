#include "windows/undo/CatalogueCommands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Film.h"
#include "catalogue/RecordText.h"
#include "exchange/CsvImport.h"

#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace windows {

namespace {

// Names longer than this are cut in a menu entry.
constexpr qsizetype kShownName = 40;

QString shown(const QString& name)
{
    QString text = name.size() > kShownName ? name.left(kShownName - 1) + u'\u2026' : name;
    return text.replace(u'&', u"&&"_s);
}

} // namespace

CatalogueCommand::CatalogueCommand(catalogue::Catalogue& catalogue, Kind kind, const QString& subject,
                                   const QString& other)
    : catalogue_(catalogue), entry_(catalogue.history().index()), kind_(kind), subject_(subject),
      other_(other)
{}

CatalogueCommand::~CatalogueCommand() = default;

void CatalogueCommand::setDescription(Kind kind, const QString& subject, const QString& other)
{
    kind_ = kind;
    subject_ = subject;
    other_ = other;
}

QString CatalogueCommand::description() const
{
    const QString subject = shown(subject_);
    switch (kind_) {
    case Kind::CreateCassette:
        return tr("create cassette \"%1\"").arg(subject);
    case Kind::RenameCassette:
        return tr("rename cassette \"%1\" to \"%2\"").arg(subject, shown(other_));
    case Kind::ChangeCassetteLength:
        return tr("change length of cassette \"%1\"").arg(subject);
    case Kind::EditCassette:
        return tr("edit cassette \"%1\"").arg(subject);
    case Kind::DeleteCassette:
        return tr("delete cassette \"%1\"").arg(subject);
    case Kind::AddFilm:
        return tr("add film \"%1\"").arg(subject);
    case Kind::InsertFilm:
        return tr("insert film \"%1\"").arg(subject);
    case Kind::EditFilm:
        return tr("edit film \"%1\"").arg(subject);
    case Kind::DeleteFilm:
        return tr("delete film \"%1\"").arg(subject);
    case Kind::Import:
        return tr("import of \"%1\"").arg(subject);
    case Kind::RestoreBackup:
        return tr("restore backup of %1").arg(subject);
    }
    return {};
}

void CatalogueCommand::push(QUndoStack& stack, std::unique_ptr<CatalogueCommand> command)
{
    if (command->catalogue_.history().index() != command->entry_ + 1)
        return;
    command->made_ = true;
    stack.push(command.release());
}

void CatalogueCommand::undo()
{
    catalogue::History& history = catalogue_.history();
    if (history.index() == entry_ + 1)
        history.undo();
}

void CatalogueCommand::redo()
{
    if (made_) {
        made_ = false;
        return;
    }
    catalogue::History& history = catalogue_.history();
    if (history.index() == entry_)
        history.redo();
}

void followHistory(QUndoStack& stack, catalogue::Catalogue& catalogue)
{
    QObject::connect(&catalogue, &catalogue::Catalogue::historyCleared, &stack, &QUndoStack::clear);
}

const catalogue::Cassette* createCassette(QUndoStack& stack, catalogue::Catalogue& catalogue,
                                          const QString& name, int length)
{
    using Kind = CatalogueCommand::Kind;
    auto command =
        std::make_unique<CatalogueCommand>(catalogue, Kind::CreateCassette, catalogue::storedTapeName(name));
    const catalogue::Cassette* const cassette = catalogue.createCassette(name, length);
    CatalogueCommand::push(stack, std::move(command));
    return cassette;
}

const catalogue::Cassette* editCassette(QUndoStack& stack, catalogue::Catalogue& catalogue,
                                        const catalogue::Cassette& cassette, const QString& name, int length)
{
    using Kind = CatalogueCommand::Kind;
    const QString oldName = cassette.name();
    const int oldLength = cassette.length();
    auto command = std::make_unique<CatalogueCommand>(catalogue, Kind::EditCassette);
    const catalogue::Cassette* const edited = catalogue.renameCassette(cassette, name, length);
    // Named after what the user changed: the name, else the length.
    if (edited->name() != oldName)
        command->setDescription(Kind::RenameCassette, oldName, edited->name());
    else
        command->setDescription(
            edited->length() != oldLength ? Kind::ChangeCassetteLength : Kind::EditCassette, oldName);
    CatalogueCommand::push(stack, std::move(command));
    return edited;
}

void deleteCassette(QUndoStack& stack, catalogue::Catalogue& catalogue, const catalogue::Cassette& cassette)
{
    auto command = std::make_unique<CatalogueCommand>(catalogue, CatalogueCommand::Kind::DeleteCassette,
                                                      cassette.name());
    catalogue.removeCassette(cassette);
    CatalogueCommand::push(stack, std::move(command));
}

const catalogue::FilmRecord* addFilm(QUndoStack& stack, catalogue::Catalogue& catalogue,
                                     const catalogue::Cassette& cassette, const catalogue::Film& film,
                                     const catalogue::FilmRecord* before)
{
    using Kind = CatalogueCommand::Kind;
    // Named as stored: cut to its field.
    auto command = std::make_unique<CatalogueCommand>(catalogue, before ? Kind::InsertFilm : Kind::AddFilm,
                                                      catalogue::text(catalogue::filmFields(film).filmName));
    const catalogue::FilmRecord* const added = catalogue.addFilm(cassette, film, before);
    CatalogueCommand::push(stack, std::move(command));
    return added;
}

void updateFilm(QUndoStack& stack, catalogue::Catalogue& catalogue, const catalogue::FilmRecord& record,
                const catalogue::Film& film)
{
    // Named as the user knew it before the change.
    auto command = std::make_unique<CatalogueCommand>(catalogue, CatalogueCommand::Kind::EditFilm,
                                                      catalogue::text(record.filmName));
    catalogue.updateFilm(record, film);
    CatalogueCommand::push(stack, std::move(command));
}

void removeFilm(QUndoStack& stack, catalogue::Catalogue& catalogue, const catalogue::FilmRecord& film)
{
    auto command = std::make_unique<CatalogueCommand>(catalogue, CatalogueCommand::Kind::DeleteFilm,
                                                      catalogue::text(film.filmName));
    catalogue.removeFilm(film);
    CatalogueCommand::push(stack, std::move(command));
}

void applyImport(QUndoStack& stack, catalogue::Catalogue& catalogue, exchange::ImportPlan plan,
                 const QString& fileName, const catalogue::Progress& progress)
{
    auto command = std::make_unique<CatalogueCommand>(catalogue, CatalogueCommand::Kind::Import, fileName);
    exchange::applyImport(catalogue, std::move(plan), progress);
    CatalogueCommand::push(stack, std::move(command));
}

void restoreBackup(QUndoStack& stack, catalogue::Catalogue& catalogue,
                   std::vector<std::unique_ptr<catalogue::FilmRecord>> records, const QString& saved)
{
    auto command =
        std::make_unique<CatalogueCommand>(catalogue, CatalogueCommand::Kind::RestoreBackup, saved);
    catalogue.replaceRecords(std::move(records));
    CatalogueCommand::push(stack, std::move(command));
}

} // namespace windows
