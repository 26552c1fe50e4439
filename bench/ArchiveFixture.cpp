#include "ArchiveFixture.h"

#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "storage/Archive.h"
#include "storage/SaveTarget.h"

#include <QStringList>

#include <random>

namespace bench {

namespace {

const QStringList kWords = {
    QStringLiteral("Nacht"),      QStringLiteral("Sommer"),   QStringLiteral("River"),
    QStringLiteral("Stadt"),      QStringLiteral("Schatten"), QStringLiteral("Journey"),
    QStringLiteral("K\u00F6nig"), QStringLiteral("Wolf"),     QStringLiteral("Zeit"),
    QStringLiteral("Heart"),      QStringLiteral("Insel"),    QStringLiteral("Stranger"),
    QStringLiteral("Feuer"),      QStringLiteral("Silence"),  QStringLiteral("Br\u00FCcke"),
    QStringLiteral("Winter"),
};
const QStringList kCountries = {QStringLiteral("Deutschland"),         QStringLiteral("USA"),
                                QStringLiteral("Frankreich"),          QStringLiteral("Italien"),
                                QStringLiteral("Gro\u00DFbritannien"), QStringLiteral("\u00D6sterreich")};
const QStringList kGenres = {QStringLiteral("Drama"),           QStringLiteral("Kom\u00F6die"),
                             QStringLiteral("Krimi"),           QStringLiteral("Western"),
                             QStringLiteral("Science-Fiction"), QStringLiteral("Dokumentation")};
const QStringList kNames = {QStringLiteral("Anna Berg"),     QStringLiteral("Jean Moreau"),
                            QStringLiteral("Carl Weiss"),    QStringLiteral("Maria L\u00F3pez"),
                            QStringLiteral("Tom Hardy-Lee"), QStringLiteral("Eva Nordstr\u00F6m"),
                            QStringLiteral("Paul Richter"),  QStringLiteral("Grace Holm")};

class Texts
{
public:
    const QString& any(const QStringList& list)
    {
        return list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(random_)];
    }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // Words from list until about length characters, joined by separator.
    QString run(const QStringList& list, int length, const QString& separator)
    {
        QString out;
        while (out.size() < length)
            out += (out.isEmpty() ? QString() : separator) + any(list);
        return out.left(length);
    }

private:
    std::mt19937 random_{1998};
};

} // namespace

void fillCatalogue(catalogue::Catalogue& catalogue, const FixtureSize& size)
{
    using catalogue::setText;
    Texts texts;
    for (int c = 0; c < size.cassettes; ++c) {
        const QString tape =
            QStringLiteral("Kassette %1 \u2013 %2").arg(c + 1, 5, 10, QChar(u'0')).arg(texts.any(kWords));
        const auto tapeLength = static_cast<quint16>(texts.between(0, 1) ? 240 : 180);
        for (int f = 0; f < size.filmsPerCassette; ++f) {
            auto r = catalogue::Catalogue::newRecord();
            setText(r->tapeName, tape);
            r->tapeLength = tapeLength;
            setText(r->filmName, texts.run(kWords, texts.between(8, 40), QStringLiteral(" ")));
            r->filmLength = static_cast<quint16>(texts.between(20, 150));
            r->year = static_cast<quint16>(texts.between(1930, 2000));
            setText(r->country, texts.any(kCountries));
            setText(r->director, texts.any(kNames));
            setText(r->genre, texts.any(kGenres));
            setText(r->actors, texts.run(kNames, texts.between(60, 400), QStringLiteral("\r\n")));
            setText(r->story, texts.run(kWords, texts.between(100, 600), QStringLiteral(" ")));
            r->longplay = static_cast<quint8>(texts.between(0, 3) == 0);
            r->seen = static_cast<quint8>(texts.between(0, 1));
            catalogue.appendRecord(std::move(r));
        }
    }
}

const catalogue::Cassette* cassetteAt(const catalogue::Catalogue& catalogue, int cassette)
{
    return cassette >= 0 && cassette < int(catalogue.cassettes().size())
               ? catalogue.cassettes()[std::size_t(cassette)]
               : nullptr;
}

bool writeArchiveFixture(const QString& path, const FixtureSize& size)
{
    // A fixture is no save of the user's: it keeps no generation in the user's data folder.
    class WithoutGenerations final : public catalogue::SaveTarget
    {
    public:
        QString generationsRoot() const override { return {}; }
    } target;
    catalogue::Catalogue catalogue;
    fillCatalogue(catalogue, size);
    return catalogue::saveArchive(catalogue, path, {}, target);
}

} // namespace bench
