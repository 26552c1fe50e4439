#include "windows/mainform.h"

#include "catalogue/Archive.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "controls/NumEdit.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/Modal.h"
#include "ui/ReportList.h"
#include "windows/editcas.h"

#include <QCloseEvent>
#include <QDir>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

using catalogue::FilmRecord;
using namespace Qt::StringLiterals;

namespace windows {
namespace {

// Designed widths of the four columns; a column grows when its caption needs more.
constexpr int kColumnWidths[] = {160, 42, 61, 88};

QString number(int n)
{
    return QString::number(n);
}

std::string_view tapeNameBytes(const FilmRecord& r)
{
    const std::size_t length = qMin<std::size_t>(r.tapeName.length, sizeof r.tapeName.chars);
    return {r.tapeName.chars, length};
}

} // namespace

Tmainwin::Tmainwin(catalogue::Catalogue& catalogue, const QString& programDir, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      catalogue_(catalogue)
{
    createControls();
    FormCreate(programDir);
}

Tmainwin::~Tmainwin() = default;

void Tmainwin::createControls()
{
    setObjectName(u"mainwin"_s);
    setWindowTitle(ui::applicationTitle());
    ui::setHelpContext(this, ui::kHelpMainWindow);

    Label1 = new QLabel(this);
    cassettes = new ui::ReportList(this);
    cassettes->setObjectName(u"cassettes"_s);
    Label1->setBuddy(cassettes);
    cassettes->setColumns({u"Kassette"_s, u"Länge"_s, u"Filmanzahl"_s, u"Restzeit"_s},
                          {kColumnWidths[0], kColumnWidths[1], kColumnWidths[2], kColumnWidths[3]});

    auto makeButton = [this](const char16_t* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromUtf16(name));
        button->setAutoDefault(false);
        return button;
    };
    new_ = makeButton(u"new");
    open = makeButton(u"open");
    edit = makeButton(u"edit");
    delete_ = makeButton(u"delete");
    seek = makeButton(u"seek");
    quit = makeButton(u"quit");
    info = makeButton(u"info");

    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);
    tapesPanel = new QLabel(StatusBar);
    filmsPanel = new QLabel(StatusBar);
    tapesPanel->setMinimumWidth(100);
    filmsPanel->setMinimumWidth(50);
    StatusBar->addWidget(tapesPanel);
    StatusBar->addWidget(filmsPanel);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {new_, open, edit, delete_, seek})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(quit);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(cassettes, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(info, 2, 0, Qt::AlignLeft);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* body = new QWidget(this);
    body->setLayout(grid);
    outer->addWidget(body);
    outer->addWidget(StatusBar);
    // The window takes the size its contents need in the current language, and keeps it.
    outer->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(cassettes, new_);
    setTabOrder(new_, open);
    setTabOrder(open, edit);
    setTabOrder(edit, delete_);
    setTabOrder(delete_, seek);
    setTabOrder(seek, quit);
    setTabOrder(quit, info);

    auto connectClick = [this](QPushButton* button, void (Tmainwin::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { ui::guarded(this, [&] { (this->*handler)(); }); });
    };
    connectClick(new_, &Tmainwin::newClick);
    connectClick(open, &Tmainwin::openClick);
    connectClick(edit, &Tmainwin::editClick);
    connectClick(delete_, &Tmainwin::deleteClick);
    connectClick(seek, &Tmainwin::seekClick);
    connectClick(quit, &Tmainwin::quitClick);
    connectClick(info, &Tmainwin::infoClick);
    connect(cassettes, &ui::ReportList::rowDoubleClicked, this,
            [this] { ui::guarded(this, [this] { openClick(); }); });
    // Exit is the window's cancel button.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, quit, &QPushButton::click);

    // Until the first show the window carries the German captions.
    Label1->setText(u"&Videokassetten:"_s);
    new_->setText(u"&Neu"_s);
    open->setText(u"Ö&ffnen"_s);
    edit->setText(u"Be&arbeiten"_s);
    delete_->setText(u"&Löschen"_s);
    seek->setText(u"Film &suchen"_s);
    quit->setText(u"&Beenden"_s);
    info->setText(u"&Info über reelMINDER/32"_s);
    tapesPanel->setText(u"0 Kassetten"_s);
    filmsPanel->setText(u"0 Filme"_s);
    for (QPushButton* button : {open, edit, delete_, seek})
        button->setEnabled(false);
}

void Tmainwin::FormCreate(const QString& programDir)
{
    archivePath_ = catalogue::archivePath(programDir);
    const catalogue::LoadResult loaded = catalogue::loadArchive(catalogue_, archivePath_);
    // The messages of loading come before the language is known, so each holds both languages.
    if (!loaded.readable()) {
        // Going on would write an empty catalogue over an archive that is only out of reach.
        archiveReadable_ = false;
        const QString path = QDir::toNativeSeparators(archivePath_);
        ui::messageBox(
            this,
            u"Das Archiv \"%1\" kann nicht gelesen werden (%2). reelMINDER/32 wird beendet, ohne es "
            u"zu verändern.\r\rThe archive \"%1\" cannot be read (%2). reelMINDER/32 ends without "
            u"changing it."_s.arg(path, loaded.reason),
            u"Archiv nicht lesbar/Archive not readable"_s, ui::MB_ICONERROR);
        return;
    }
    if (!loaded.sizeOk) {
        ui::messageBox(this,
                       u"Die Größe der Archivdatei stimmt nicht. Deswegen könnte ein Filme fehlen.\r\r"
                       u"The size of the Archivefile is not correct. Therefore a film could be missed."_s,
                       u"Archiv defekt/Archive defect"_s, ui::MB_ICONWARNING);
    }
    // Said now, before the user does the work that could not be kept.
    if (const std::optional<QString> problem = catalogue::archiveWriteProblem(archivePath_)) {
        ui::messageBox(
            this,
            u"Änderungen können nicht gespeichert werden: %1.\r\rChanges cannot be saved: %1."_s.arg(
                *problem),
            u"Archiv schreibgeschützt/Archive write-protected"_s, ui::MB_ICONWARNING);
    }
    buildRows();
}

// One pass over the catalogue. A row stands for the first record whose name matches no earlier row
// (letter case ignored); its numbers are those of the records carrying exactly that row's name.
void Tmainwin::buildRows()
{
    struct Tape
    {
        const FilmRecord* first;
        int filmCount = 0;
        qint64 usedHalfMinutes = 0;
    };
    std::vector<Tape> tapes;
    std::unordered_map<std::string_view, std::size_t> tapeByName;
    QHash<QString, int> rowByFoldedName;
    std::vector<std::size_t> rowTapes;

    qint32 filmTotal = 0;
    for (const FilmRecord* r = catalogue_.head(); r; r = r->next) {
        auto [it, isNew] = tapeByName.try_emplace(tapeNameBytes(*r), tapes.size());
        if (isNew) {
            tapes.push_back(Tape{r});
            const QString folded = catalogue::tapeNameText(*r).toCaseFolded();
            if (!rowByFoldedName.contains(folded)) {
                rowByFoldedName.insert(folded, int(rowTapes.size()));
                rowTapes.push_back(it->second);
            }
        }
        if (r->filmLength > 0) {
            Tape& tape = tapes[it->second];
            ++tape.filmCount;
            tape.usedHalfMinutes += qint64(catalogue::timeFactor(*r)) * r->filmLength;
            ++filmTotal;
        }
    }

    QList<QStringList> rows;
    rows.reserve(qsizetype(rowTapes.size()));
    for (std::size_t index : rowTapes) {
        const Tape& tape = tapes[index];
        rows.append({catalogue::tapeNameText(*tape.first), number(tape.first->tapeLength),
                     number(tape.filmCount),
                     number(catalogue::remainingMinutes(tape.first->tapeLength, tape.usedHalfMinutes))});
    }
    cassettes->clearRows();
    cassettes->addRows(rows);
    catalogue_.setFilmTotal(filmTotal);
}

void Tmainwin::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ui::guarded(this, [this] { FormShow(); });
    // Centred once; later shows keep where the user put the window.
    if (!centred_) {
        centred_ = true;
        ui::centreOnScreen(this);
    }
}

void Tmainwin::FormShow()
{
    struct Captions
    {
        const char16_t *label, *tape, *length, *count, *remaining, *newCaption, *openCaption, *editCaption,
            *deleteCaption, *seekCaption, *quitCaption, *infoCaption;
    };
    static constexpr Captions english{u"&Videotapes:", u"Tape",           u"Length",
                                      u"No. of films", u"Remaining Time", u"&New",
                                      u"&Open",        u"&Edit",          u"&Delete",
                                      u"&Search film", u"E&xit",          u"&Info about reelMINDER/32"};
    static constexpr Captions german{u"&Videokassetten:", u"Kassette",    u"Länge",
                                     u"Filmanzahl",       u"Restzeit",    u"&Neu",
                                     u"Ö&ffnen",          u"Be&arbeiten", u"&Löschen",
                                     u"Film &suchen",     u"&Beenden",    u"&Info über reelMINDER/32"};
    const quint8 language = ui::language();
    if (language <= 1) {
        const Captions& c = language == 0 ? english : german;
        Label1->setText(QString::fromUtf16(c.label));
        cassettes->setColumnCaption(0, QString::fromUtf16(c.tape));
        cassettes->setColumnCaption(1, QString::fromUtf16(c.length));
        cassettes->setColumnCaption(2, QString::fromUtf16(c.count));
        cassettes->setColumnCaption(3, QString::fromUtf16(c.remaining));
        new_->setText(QString::fromUtf16(c.newCaption));
        open->setText(QString::fromUtf16(c.openCaption));
        edit->setText(QString::fromUtf16(c.editCaption));
        delete_->setText(QString::fromUtf16(c.deleteCaption));
        seek->setText(QString::fromUtf16(c.seekCaption));
        quit->setText(QString::fromUtf16(c.quitCaption));
        info->setText(QString::fromUtf16(c.infoCaption));
        fitColumns();
    }
    UpdateStatus();
}

// Columns keep their designed widths unless a caption needs more room; the list widens with them, up
// to a limit beyond which it scrolls rather than cutting a long cassette name.
void Tmainwin::fitColumns()
{
    constexpr int kWidestNameColumn = 360;
    const QFontMetrics headerMetrics(cassettes->header()->font());
    const QFontMetrics rowMetrics(cassettes->font());
    const int padding = 2 * headerMetrics.averageCharWidth() + 8;
    int total = 0;
    for (int column = 0; column < 4; ++column) {
        int needed = headerMetrics.horizontalAdvance(cassettes->columnCaption(column)) + padding;
        if (column == 0) {
            for (int row = 0; row < cassettes->rowCount(); ++row)
                needed = qMax(needed, rowMetrics.horizontalAdvance(cassettes->caption(row)) + padding);
        }
        const int width = qMax(kColumnWidths[column], needed);
        cassettes->header()->resizeSection(column, width);
        total += column == 0 ? qMin(width, qMax(kColumnWidths[0], kWidestNameColumn)) : width;
    }
    cassettes->setFixedWidth(total + 2 * cassettes->frameWidth() +
                             cassettes->verticalScrollBar()->sizeHint().width());
}

void Tmainwin::UpdateStatus()
{
    const quint8 language = ui::language();
    const int tapes = cassettes->rowCount();
    if (language == 0)
        tapesPanel->setText(tapes == 1 ? u"1 Tape"_s : number(tapes) + u" Tapes"_s);
    else if (language == 1)
        tapesPanel->setText(tapes == 1 ? u"1 Kassette"_s : number(tapes) + u" Kassetten"_s);
    setFilmPanel(catalogue_.filmTotal());

    const bool any = !catalogue_.isEmpty();
    for (QPushButton* button : {open, edit, delete_, seek})
        button->setEnabled(any);
}

void Tmainwin::setFilmPanel(qint32 filmTotal)
{
    QString text = number(filmTotal) + u" Film"_s;
    if (filmTotal != 1)
        text += ui::language() == 1 ? u'e' : u's';
    filmsPanel->setText(text);
}

void Tmainwin::setRow(int row, const QString& caption, int length, int filmCount, int remaining)
{
    cassettes->setCaption(row, caption);
    cassettes->setSubItem(row, 0, number(length));
    cassettes->setSubItem(row, 1, number(filmCount));
    cassettes->setSubItem(row, 2, number(remaining));
}

void Tmainwin::RefreshCassetteRow(const FilmRecord* r)
{
    if (!r)
        return;
    const QString name = catalogue::tapeNameText(*r);
    const int row = cassettes->findCaption(name);
    const catalogue::TapeSummary summary = catalogue_.cassetteSummary(*r);
    if (row >= 0) {
        setRow(row, name, r->tapeLength, summary.filmCount, summary.remainingMinutes);
        cassettes->viewport()->update();
    }
    UpdateStatus();
}

int Tmainwin::selectedRowOrWarn(const QString& english, const QString& german)
{
    const int row = cassettes->selectedRow();
    if (row < 0) {
        if (ui::language() == 1)
            ui::messageBox(this, german, u"Keine Kassette ausgewählt"_s, ui::MB_ICONWARNING);
        else
            ui::messageBox(this, english, u"No tape selected"_s, ui::MB_ICONWARNING);
    }
    return row;
}

void Tmainwin::newClick()
{
    casprop_->mode = Tcasprop::NewMode;
    if (ui::execModal(casprop_) != QDialog::Accepted)
        return;
    const QString name = casprop_->acceptedName();
    const int length = casprop_->runtime->intValue();

    auto record = catalogue::Catalogue::newRecord();
    catalogue::setText(record->tapeName, name);
    record->tapeLength = quint16(length);
    record->filmLength = 0;
    catalogue_.setCursor(catalogue_.appendRecord(std::move(record)));

    cassettes->addRow(name, {number(length), u"0"_s, number(length)});
    fitColumns();
    UpdateStatus();
}

void Tmainwin::openClick()
{
    const int row = selectedRowOrWarn(u"Please select first the tape that you want to open."_s,
                                      u"Bitte wählen Sie zuerst die Kassette aus, die Sie öffnen wollen."_s);
    if (row < 0)
        return;
    FilmRecord* anchor = catalogue_.findCassette(cassettes->caption(row));
    // A row whose cassette has no record left has nothing to show.
    if (anchor && openFilm_)
        openFilm_(anchor);
}

void Tmainwin::editClick()
{
    const int row =
        selectedRowOrWarn(u"Please select first the tape, that you want to edit."_s,
                          u"Bitte wählen Sie zuerst die Kassette aus, die Sie bearbeiten wollen."_s);
    if (row < 0)
        return;
    const QString oldName = cassettes->caption(row);
    if (!catalogue_.findCassette(oldName))
        return;
    casprop_->mode = Tcasprop::EditMode;
    if (ui::execModal(casprop_) != QDialog::Accepted)
        return;
    const QString newName = casprop_->acceptedName();
    catalogue_.renameCassette(oldName, newName, casprop_->runtime->intValue());
    cassettes->setCaption(row, newName);
    fitColumns();
    RefreshCassetteRow(catalogue_.findCassette(newName));
}

void Tmainwin::deleteClick()
{
    const int row = selectedRowOrWarn(u"Please select first the tape that you want to delete."_s,
                                      u"Bitte wählen Sie zuerst die Kassette aus, die Sie löschen wollen."_s);
    if (row < 0)
        return;
    const QString name = cassettes->caption(row);
    const QChar quote = u'"';
    const int answer =
        ui::language() == 1
            ? ui::messageBox(
                  this, u"Wollen Sie die Videokassette "_s + quote + name + quote + u" wirklich löschen?"_s,
                  u"Löschen einer Videokassette"_s, ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_DEFBUTTON2)
            : ui::messageBox(
                  this, u"Do you really want do delete the Videotape "_s + quote + name + quote + u'?',
                  u"Deleting of a Videotape"_s, ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_DEFBUTTON2);
    if (answer != ui::IDYES)
        return;
    catalogue_.removeCassette(name);
    catalogue_.setFilmTotal(catalogue_.filmTotal() - cassettes->subItem(row, 1).toInt());
    cassettes->deleteRow(row);
    UpdateStatus();
}

void Tmainwin::seekClick()
{
    if (openSearch_)
        openSearch_();
}

void Tmainwin::infoClick()
{
    if (openInfo_)
        openInfo_();
    FormShow();
}

void Tmainwin::quitClick()
{
    close();
}

bool Tmainwin::FormCloseQuery()
{
    const int answer =
        ui::language() == 1
            ? ui::messageBox(this, u"Wollen Sie reelMINDER/32 wirklich beenden?"_s,
                             u"reelMINDER/32 beenden"_s,
                             ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_DEFBUTTON2)
            : ui::messageBox(this, u"Do you really want to exit reelMINDER/32?"_s, u"Exit reelMINDER/32"_s,
                             ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_DEFBUTTON2);
    return answer == ui::IDYES;
}

void Tmainwin::FormClose()
{
    // A declined retry ends the program all the same; only a successful save releases the records,
    // so whatever happens in between, no later save can write a catalogue that lost them.
    const bool saved = catalogue::saveArchive(catalogue_, archivePath_, [this](const QString& reason) {
        const int answer =
            ui::language() == 1
                ? ui::messageBox(
                      this,
                      u"Das Archiv konnte nicht gespeichert werden. Vermutlich ist die Archivdatei "
                      u"(ReelMinder-Archiv.RMA) oder der Datenträger schreibgeschützt.\r\r"
                      u"Wollen Sie versuchen es noch einmal zu speichern?\r\r"_s +
                          reason,
                      u"Archivspeicherung fehlgeschlagen"_s, ui::MB_YESNO | ui::MB_ICONERROR)
                : ui::messageBox(
                      this,
                      u"The Archive could not be saved. The Archivefile (ReelMinder-Archiv.RMA) or the "
                      u"volume is probably write-protected.\r\r"
                      u"Do you want to try to save it again?\r\r"_s +
                          reason,
                      u"Saving of Archive failed"_s, ui::MB_YESNO | ui::MB_ICONERROR);
        return answer == ui::IDYES;
    });
    if (saved)
        cassettes->clearRows();
}

bool Tmainwin::saveForSessionEnd()
{
    if (closing_ || !archiveReadable_)
        return true;
    // The session is ending: no question can be answered any more, and the records stay where
    // they are in case the save fails.
    closing_ = true;
    return catalogue::writeArchive(catalogue_, archivePath_).saved;
}

void Tmainwin::closeEvent(QCloseEvent* event)
{
    // Once the records are saved and released the window may only go.
    if (closing_) {
        event->accept();
        return;
    }
    bool mayClose = false;
    ui::guarded(this, [&] { mayClose = FormCloseQuery(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    if (!ui::guarded(this, [this] { FormClose(); })) {
        event->ignore();
        return;
    }
    closing_ = true;
    event->accept();
}

} // namespace windows
