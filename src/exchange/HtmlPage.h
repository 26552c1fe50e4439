#pragma once

#include "catalogue/Progress.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace catalogue {
class Catalogue;
}

namespace exchange {

// The whole catalogue as one web page to carry on a phone or to print: a single UTF-8 file with its
// style and script inside, which needs no network and no other file. Every tape with its length and
// the time left on it, every film with its counter range, year, director, actors, genre and its
// long-play and black-and-white marks, the tapes in catalogue order; a search field filters the films
// as one types. The captions are in the current language; languageCode ("en", "de") is the page's
// lang. The films travel as JSON inside the page, each text once however many films share it (a
// household's actors come back film after film), and the script shows them as text only: nothing of
// the catalogue is ever read as markup.
QByteArray htmlPage(const catalogue::Catalogue& catalogue, const QString& languageCode);
// The same, telling progress cassette by cassette; nothing when progress was told to stop.
std::optional<QByteArray> htmlPage(const catalogue::Catalogue& catalogue, const QString& languageCode,
                                   const catalogue::Progress& progress);

// Writes the page to a file at path, replaced only once every byte is on the disk: a cancelled or
// failed write leaves the file as it was. The files of the catalogue's archive are refused.
catalogue::WriteOutcome writeHtmlPage(const QString& path, const catalogue::Catalogue& catalogue,
                                      const QString& languageCode, const catalogue::Progress& progress = {});

// text as a JSON string, quotes included, that cannot end the <script> element holding it: < > & and
// the line and paragraph separators (line ends to older scripts) are written as \u escapes.
QByteArray scriptJsonString(QStringView text);
// text with & < > " ' as character references: for HTML text and attribute values.
QString htmlEscaped(QStringView text);

} // namespace exchange
