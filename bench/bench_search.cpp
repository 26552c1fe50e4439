// Times searches over a large catalogue: the matching alone (FilmMatcher over every record) and a
// whole run of the search dialog, until the hits are rows of its list. Three searches: no criteria
// (every film a hit), a title piece with few hits, and all eight text criteria at once.
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "catalogue/FilmSearch.h"
#include "ui/MessageBox.h"
#include "ui/ReportList.h"
#include "windows/core/SearchDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using bench::elapsedMs;
using bench::median;

constexpr bench::FixtureSize kSize{10000, 10};

struct Search
{
    const char* name;
    QStringList texts; // title, country, director, actors, genre, story; empty asks nothing
};

void enter(const windows::SearchDialog& dialog, const QStringList& texts)
{
    const char* const fields[] = {"titleEdit", "countryEdit", "directorEdit", "actorsEdit", "storyEdit"};
    const int textOf[] = {0, 1, 2, 3, 5};
    for (int i = 0; i < 5; ++i)
        dialog.findChild<QLineEdit*>(QString::fromLatin1(fields[i]))->setText(texts.value(textOf[i]));
    dialog.genreCombo()->setEditText(texts.value(4));
}

} // namespace

int main(int argc, char** argv)
{
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    const int rounds = bench::roundsFrom(app.arguments());

    catalogue::Catalogue catalogue;
    bench::fillCatalogue(catalogue, kSize);
    windows::SearchDialog dialog(catalogue);
    dialog.show();
    ui::setMessageBoxHandler([](const ui::MessageBoxCall&) { return QMessageBox::Ok; });

    const Search searches[] = {
        {"no criteria", {}},
        {"title piece", {QStringLiteral("winter sommer nacht")}},
        {"eight texts",
         {QStringLiteral("nacht"), QStringLiteral("deutsch"), QStringLiteral("anna"),
          QStringLiteral("berg;carl"), QStringLiteral("dram"), QStringLiteral("zeit")}},
    };
    std::printf("catalogue of %d films\n\n%-12s %8s %14s %18s   (medians of %d rounds)\n",
                kSize.cassettes * kSize.filmsPerCassette, "search", "hits", "matching(ms)", "rows listed(ms)",
                rounds);
    for (const Search& search : searches) {
        std::vector<double> matching;
        std::vector<double> listing;
        qsizetype hits = 0;
        for (int round = 0; round < rounds; ++round) {
            dialog.reset();
            enter(dialog, search.texts);
            QElapsedTimer timer;
            timer.start();
            const catalogue::FilmMatcher matcher(dialog.criteria());
            qsizetype found = 0;
            for (const catalogue::FilmRecord* r = catalogue.head(); r; r = r->next)
                found += matcher.matches(*r) ? 1 : 0;
            matching.push_back(elapsedMs(timer));

            timer.start();
            hits = dialog.search();
            listing.push_back(elapsedMs(timer));
            if (hits != found || dialog.resultList()->rowCount() != hits) {
                std::printf("mismatch: %lld hits, %lld matched\n", static_cast<long long>(hits),
                            static_cast<long long>(found));
                return 1;
            }
        }
        std::printf("%-12s %8lld %14.2f %18.2f\n", search.name, static_cast<long long>(hits),
                    median(matching), median(listing));
    }
    return 0;
}
