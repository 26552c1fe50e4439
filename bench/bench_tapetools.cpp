// Times the tape tools over 100,000 films: the find-space list made anew for a key stroke (the fits
// alone, and until the window has drawn them), the duplicate groups (alone, and as the window's rows),
// and the tape map's first paint and a scroll step. Windows are shown on the offscreen platform and
// drawn before a timer stops.
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/DuplicateFilms.h"
#include "catalogue/SpaceFinder.h"
#include "controls/NumEdit.h"
#include "ui/ReportList.h"
#include "windows/models/DuplicatesModel.h"
#include "windows/tools/DuplicatesWindow.h"
#include "windows/tools/FindSpaceWindow.h"
#include "windows/tools/TapeMapView.h"
#include "windows/tools/TapeMapWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using bench::elapsedMs;
using bench::median;

constexpr bench::FixtureSize kSize{10000, 10};

// Lengths as a user types them, one key stroke after another.
const QStringList kKeyStrokes = {QStringLiteral("9"),  QStringLiteral("95"), QStringLiteral("9"),
                                 QStringLiteral("1"),  QStringLiteral("12"), QStringLiteral("120"),
                                 QStringLiteral("12"), QStringLiteral("1"),  QStringLiteral("4"),
                                 QStringLiteral("45")};

void settle()
{
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    const int rounds = bench::roundsFrom(app.arguments());

    catalogue::Catalogue catalogue;
    bench::fillCatalogue(catalogue, kSize);
    // The fixture's tapes are filled beyond their ends; longer tapes leave from nothing to four hours
    // free on most, and some still over-full, so that a question lists thousands of them.
    for (int i = 0; i < kSize.cassettes; ++i) {
        const catalogue::Cassette& cassette = *bench::cassetteAt(catalogue, i);
        const auto used = int(cassette.usedHalfMinutes() / 2);
        catalogue.renameCassette(cassette, cassette.name(), used + (i * 37) % 300 - 50);
    }
    std::printf("catalogue of %d cassettes x %d films, medians of %d rounds (ms)\n\n", kSize.cassettes,
                kSize.filmsPerCassette, rounds);

    // Find space: one key stroke is one question.
    {
        catalogue::SpaceFinder finder(catalogue);
        windows::FindSpaceWindow window(catalogue);
        window.show();
        settle();
        auto* edit = window.findChild<controls::NumEdit*>(QStringLiteral("lengthEdit"));
        std::vector<double> fits;
        std::vector<double> strokes;
        std::size_t listed = 0;
        for (int round = 0; round < rounds; ++round) {
            for (const QString& typed : kKeyStrokes) {
                QElapsedTimer timer;
                timer.start();
                listed = finder.fits(typed.toInt(), false).size();
                fits.push_back(elapsedMs(timer));

                timer.start();
                edit->setText(typed);
                settle();
                strokes.push_back(elapsedMs(timer));
                if (window.fitList()->rowCount() != int(listed)) {
                    std::printf("find space: %d rows, %zu fits\n", window.fitList()->rowCount(), listed);
                    return 1;
                }
            }
        }
        std::printf("find space, fits of one question        %8.2f\n", median(fits));
        std::printf("find space, key stroke until drawn      %8.2f   (%zu tapes listed last)\n",
                    median(strokes), listed);
    }

    // Duplicates: the groups alone, and the window showing them.
    {
        std::vector<double> groups;
        std::vector<double> shown;
        std::size_t found = 0;
        windows::DuplicatesWindow window(catalogue);
        for (int round = 0; round < rounds; ++round) {
            QElapsedTimer timer;
            timer.start();
            found = catalogue::findDuplicates(catalogue).size();
            groups.push_back(elapsedMs(timer));

            timer.start();
            window.show();
            settle();
            shown.push_back(elapsedMs(timer));
            if (window.model()->groupCount() != int(found)) {
                std::printf("duplicates: %d groups shown, %zu found\n", window.model()->groupCount(), found);
                return 1;
            }
            window.hide();
            settle();
        }
        std::printf("duplicate groups                        %8.2f   (%zu groups)\n", median(groups), found);
        std::printf("duplicates window shown and drawn       %8.2f\n", median(shown));
    }

    // Tape map: from nothing to the first rows drawn, then scrolling by the wheel and by pages.
    {
        std::vector<double> firstPaints;
        std::vector<double> wheelSteps;
        std::vector<double> pageSteps;
        for (int round = 0; round < rounds; ++round) {
            QElapsedTimer timer;
            timer.start();
            auto window = std::make_unique<windows::TapeMapWindow>(catalogue);
            window->resize(900, 700);
            window->show();
            settle();
            firstPaints.push_back(elapsedMs(timer));
            windows::TapeMapView* map = window->map();
            if (map->rowCount() != kSize.cassettes) {
                std::printf("tape map: %d rows\n", map->rowCount());
                return 1;
            }
            QScrollBar* bar = map->verticalScrollBar();
            for (int step = 0; step < 20; ++step) {
                timer.start();
                bar->setValue(bar->value() + 3 * bar->singleStep());
                settle();
                wheelSteps.push_back(elapsedMs(timer));
                timer.start();
                bar->setValue(bar->value() + bar->pageStep());
                settle();
                pageSteps.push_back(elapsedMs(timer));
            }
        }
        std::printf("tape map, first paint                   %8.2f\n", median(firstPaints));
        std::printf("tape map, wheel step (3 lines)          %8.2f\n", median(wheelSteps));
        std::printf("tape map, page step                     %8.2f\n", median(pageSteps));
    }
    return 0;
}
