#include "windows/undo/CatalogueCommands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "exchange/CsvImport.h"

#include <QUndoStack>

#include <optional>

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
    : catalogue_(catalogue), kind_(kind), subject_(subject), other_(other)
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
    }
    return {};
}

void CatalogueCommand::push(QUndoStack& stack, std::unique_ptr<CatalogueCommand> command)
{
    if (command->change_.isEmpty())
        return;
    command->made_ = true;
    stack.push(command.release());
}

void CatalogueCommand::undo()
{
    // An import takes back or brings again thousands of records: the lists answer once.
    std::optional<catalogue::Catalogue::Batch> batch;
    if (kind_ == Kind::Import)
        batch.emplace(catalogue_);
    catalogue_.revert(change_);
}

void CatalogueCommand::redo()
{
    if (made_) {
        made_ = false;
        return;
    }
    std::optional<catalogue::Catalogue::Batch> batch;
    if (kind_ == Kind::Import)
        batch.emplace(catalogue_);
    catalogue_.reapply(change_);
}

catalogue::Cassette* createCassette(QUndoStack& stack, catalogue::Catalogue& catalogue, const QString& name,
                                    int length)
{
    using Kind = CatalogueCommand::Kind;
    auto command =
        std::make_unique<CatalogueCommand>(catalogue, Kind::CreateCassette, catalogue::storedTapeName(name));
    catalogue::Cassette* const cassette = catalogue.createCassette(name, length, &command->change());
    CatalogueCommand::push(stack, std::move(command));
    return cassette;
}

void editCassette(QUndoStack& stack, catalogue::Catalogue& catalogue, catalogue::Cassette& cassette,
                  const QString& name, int length)
{
    using Kind = CatalogueCommand::Kind;
    const QString oldName = cassette.name();
    const int oldLength = cassette.length();
    auto command = std::make_unique<CatalogueCommand>(catalogue, Kind::EditCassette);
    catalogue.renameCassette(cassette, name, length, &command->change());
    // Named after what the user changed: the name, else the length.
    if (cassette.name() != oldName)
        command->setDescription(Kind::RenameCassette, oldName, cassette.name());
    else
        command->setDescription(
            cassette.length() != oldLength ? Kind::ChangeCassetteLength : Kind::EditCassette, oldName);
    CatalogueCommand::push(stack, std::move(command));
}

void deleteCassette(QUndoStack& stack, catalogue::Catalogue& catalogue, catalogue::Cassette& cassette)
{
    auto command = std::make_unique<CatalogueCommand>(catalogue, CatalogueCommand::Kind::DeleteCassette,
                                                      cassette.name());
    catalogue.removeCassette(cassette, &command->change());
    CatalogueCommand::push(stack, std::move(command));
}

catalogue::FilmRecord* addFilm(QUndoStack& stack, catalogue::Catalogue& catalogue,
                               catalogue::Cassette& cassette, const catalogue::FilmRecord& fields,
                               const catalogue::FilmRecord* before)
{
    using Kind = CatalogueCommand::Kind;
    auto command = std::make_unique<CatalogueCommand>(catalogue, before ? Kind::InsertFilm : Kind::AddFilm,
                                                      catalogue::text(fields.filmName));
    catalogue::FilmRecord* const film = catalogue.addFilm(cassette, fields, before, &command->change());
    CatalogueCommand::push(stack, std::move(command));
    return film;
}

void updateFilm(QUndoStack& stack, catalogue::Catalogue& catalogue, catalogue::FilmRecord& film,
                const catalogue::FilmRecord& fields)
{
    // Named as the user knew it before the change.
    auto command = std::make_unique<CatalogueCommand>(catalogue, CatalogueCommand::Kind::EditFilm,
                                                      catalogue::text(film.filmName));
    catalogue.updateFilm(film, fields, &command->change());
    CatalogueCommand::push(stack, std::move(command));
}

void removeFilm(QUndoStack& stack, catalogue::Catalogue& catalogue, catalogue::FilmRecord& film)
{
    auto command = std::make_unique<CatalogueCommand>(catalogue, CatalogueCommand::Kind::DeleteFilm,
                                                      catalogue::text(film.filmName));
    catalogue.removeFilm(film, &command->change());
    CatalogueCommand::push(stack, std::move(command));
}

void applyImport(QUndoStack& stack, catalogue::Catalogue& catalogue, exchange::ImportPlan plan,
                 const QString& fileName, const catalogue::Progress& progress)
{
    auto command = std::make_unique<CatalogueCommand>(catalogue, CatalogueCommand::Kind::Import, fileName);
    exchange::applyImport(catalogue, std::move(plan), &command->change(), progress);
    CatalogueCommand::push(stack, std::move(command));
}

} // namespace windows
