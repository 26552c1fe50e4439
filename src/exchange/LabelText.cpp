#include "exchange/LabelText.h"

#include "catalogue/Cassette.h"
#include "catalogue/FilmRules.h"

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace exchange {
namespace {

const QString kEllipsis = u"\u2026"_s;
const QString kTitleSeparator = u" \u00B7 "_s;

class FaceTexts final
{
    Q_DECLARE_TR_FUNCTIONS(exchange::LabelDocument)

public:
    static QString pastTapeEnd()
    {
        return tr("%1 (past end)", "a face label's film title, the film running past the end of the tape");
    }
};

} // namespace

QString elideText(const QString& text, double width, const TextWidth& measure)
{
    // A damaged record may hold line breaks or tabs in a one-line field.
    const QString plain = text.simplified();
    if (measure(plain) <= width)
        return plain;
    if (measure(kEllipsis) > width)
        return {};
    // The longest beginning that fits beside the "…": widths grow with the characters taken.
    qsizetype fits = 0;
    qsizetype tooLong = plain.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (measure(plain.left(middle).trimmed() + kEllipsis) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    return plain.left(fits).trimmed() + kEllipsis;
}

SpineText spineText(const SheetCassette& cassette, double width, double gap, const TextWidth& nameWidth,
                    const TextWidth& titleWidth)
{
    SpineText spine;
    spine.name = elideText(cassette.name, width, nameWidth);
    if (spine.name != cassette.name.simplified())
        return spine;
    QStringList titles;
    for (const SheetFilm& film : cassette.films) {
        if (const QString title = film.title.simplified(); !title.isEmpty())
            titles.append(title);
    }
    const double left = width - nameWidth(spine.name) - gap;
    if (!titles.isEmpty() && left > 0)
        spine.titles = elideText(titles.join(kTitleSeparator), left, titleWidth);
    return spine;
}

FaceText faceText(const SheetCassette& cassette, int maxLines, double nameWidth, double titleWidth,
                  const TextWidth& nameMeasure, const TextWidth& titleMeasure)
{
    FaceText face;
    face.name = elideText(cassette.name, nameWidth, nameMeasure);
    const int films = int(cassette.films.size());
    const int shown = films <= maxLines ? films : std::max(0, maxLines - 1);
    face.hiddenFilms = films - shown;
    face.lines.reserve(std::size_t(shown));
    const qint64 tapeEnd = 2 * qint64{cassette.length};
    qint64 tape = 0;
    for (int i = 0; i < shown; ++i) {
        const SheetFilm& film = cassette.films[std::size_t(i)];
        tape += catalogue::tapeHalfMinutes(film.length, film.longPlay);
        QString title;
        if (tape <= tapeEnd) {
            title = elideText(film.title, titleWidth, titleMeasure);
        } else {
            const QString marked = FaceTexts::pastTapeEnd();
            const QString cut =
                elideText(film.title, titleWidth - titleMeasure(marked.arg(QString())), titleMeasure);
            // Not even a cut title fits beside the mark: the mark alone.
            title = cut.isEmpty() ? marked.arg(QString()).trimmed() : marked.arg(cut);
        }
        face.lines.push_back({catalogue::counterRange(film.startMinutes, film.length), title});
    }
    return face;
}

} // namespace exchange
