#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "exchange/HtmlPage.h"
#include "support/Records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace catalogue;
using namespace Qt::StringLiterals;
using testsupport::appendRecord;
using testsupport::makeRecord;

// The catalogue as a web page: texts that cannot leave their place, and what the page says of a tape.
class TestHtmlPage final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void escaping_data();
    void escaping();
    void tape_data();
    void tape();
};

void TestHtmlPage::escaping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("html");
    QTest::newRow("plain") << u"Der dritte Mann"_s << QByteArray(R"("Der dritte Mann")")
                           << u"Der dritte Mann"_s;
    QTest::newRow("script") << u"</script><script>alert(1)</script>"_s
                            << QByteArray(
                                   R"("\u003c/script\u003e\u003cscript\u003ealert(1)\u003c/script\u003e")")
                            << u"&lt;/script&gt;&lt;script&gt;alert(1)&lt;/script&gt;"_s;
    QTest::newRow("quotes and ampersand")
        << u"Tom & \"Jerry\" 's \\"_s << QByteArray(R"("Tom \u0026 \"Jerry\" 's \\")")
        << u"Tom &amp; &quot;Jerry&quot; &#39;s \\"_s;
    QTest::newRow("comment opener") << u"<!--"_s << QByteArray(R"("\u003c!--")") << u"&lt;!--"_s;
    QTest::newRow("line breaks and controls")
        << u"a\r\nb\tc\u0001\u007f"_s << QByteArray(R"("a\r\nb\tc\u0001)") + "\x7f\""
        << u"a\r\nb\tc\u0001\u007f"_s;
    QTest::newRow("line and paragraph separators")
        << u"a\u2028b\u2029"_s << QByteArray(R"("a\u2028b\u2029")") << u"a\u2028b\u2029"_s;
    QTest::newRow("umlauts as UTF-8") << u"Größe €"_s
                                      << QByteArray("\"Gr\xC3\xB6\xC3\x9F"
                                                    "e \xE2\x82\xAC\"")
                                      << u"Größe €"_s;
}

void TestHtmlPage::escaping()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, json);
    QFETCH(QString, html);
    QCOMPARE(exchange::scriptJsonString(text), json);
    QCOMPARE(exchange::htmlEscaped(text), html);
    // What the page's script reads back is the text itself.
    QCOMPARE(QJsonDocument::fromJson('[' + json + ']').array().at(0).toString(), text);
}

namespace {

// The page's data block: the one place the catalogue's texts stand.
QJsonDocument dataOf(const QByteArray& page)
{
    const QByteArray opening = R"(<script type="application/json" id="catalogue">)";
    const qsizetype start = page.indexOf(opening) + opening.size();
    return QJsonDocument::fromJson(page.mid(start, page.indexOf("</script>", start) - start));
}

// A tape of the data with its texts in place of their indices: [name, length, left,
// [title, year, director, genre, marks, counter range, actor...]...].
QJsonArray tapeAt(const QJsonDocument& data, qsizetype index)
{
    const QJsonArray texts = data[u"text"_s].toArray();
    QJsonArray tape = data[u"tapes"_s].toArray().at(index).toArray();
    tape[0] = texts.at(tape[0].toInt());
    for (qsizetype f = 3; f < tape.size(); ++f) {
        QJsonArray film = tape[f].toArray();
        for (const qsizetype field : {0, 2, 3})
            film[field] = texts.at(film[field].toInt());
        for (qsizetype actor = 6; actor < film.size(); ++actor)
            film[actor] = texts.at(film[actor].toInt());
        tape[f] = film;
    }
    return tape;
}

} // namespace

void TestHtmlPage::tape_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<quint8>("longplay");
    QTest::addColumn<quint8>("blackWhite");
    QTest::addColumn<QString>("actors");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("films one after the other")
        << u"Der dritte Mann"_s << quint8(0) << quint8(0) << u"Joseph Cotten\r\nOrson Welles"_s
        << QByteArray(R"(["Krimis",180,20,["Der dritte Mann",1949,"Carol Reed","Thriller",0,"00:00-01:44",
            "Joseph Cotten","Orson Welles"],["Second",1949,"Carol Reed","Thriller",0,"01:44-02:40"]])");
    QTest::newRow("long-play takes half, the counter all")
        << u"M"_s << quint8(1) << quint8(1) << QString()
        << QByteArray(R"(["Krimis",180,72,["M",1949,"Carol Reed","Thriller",3,"00:00-01:44"],
            ["Second",1949,"Carol Reed","Thriller",0,"01:44-02:40"]])");
    QTest::newRow("script as a title, lone breaks and blanks in the actors")
        << u"<script>alert(1)</script>"_s << quint8(0) << quint8(0) << u" Anna Berg \r\rPaul Richter\n"_s
        << QByteArray(R"(["Krimis",180,20,["<script>alert(1)</script>",1949,"Carol Reed","Thriller",0,
            "00:00-01:44","Anna Berg","Paul Richter"],["Second",1949,"Carol Reed","Thriller",0,"01:44-02:40"]])");
}

void TestHtmlPage::tape()
{
    QFETCH(QString, title);
    QFETCH(quint8, longplay);
    QFETCH(quint8, blackWhite);
    QFETCH(QString, actors);
    QFETCH(QByteArray, expected);
    Catalogue catalogue;
    FilmRecord film = makeRecord(u"Krimis"_s, 180, title, 104, longplay);
    film.blackWhite = blackWhite;
    setText(film.actors, actors);
    FilmRecord second = makeRecord(u"Krimis"_s, 180, u"Second"_s, 56);
    for (FilmRecord* r : {&film, &second}) {
        r->year = 1949;
        setText(r->director, u"Carol Reed"_s);
        setText(r->genre, u"Thriller"_s);
    }
    appendRecord(catalogue, film);
    appendRecord(catalogue, second);
    appendRecord(catalogue, makeRecord(u"Leer"_s, 240));

    const QByteArray page = exchange::htmlPage(catalogue, u"de"_s);
    QVERIFY(page.startsWith("<!DOCTYPE html>\n<html lang=\"de\">"));
    // The data block and the script end where they should, whatever the titles hold.
    QCOMPARE(page.count("</script>"), 2);
    QVERIFY(!page.contains("http:") && !page.contains("https:"));
    const QJsonDocument data = dataOf(page);
    QCOMPARE(tapeAt(data, 0), QJsonDocument::fromJson(expected).array());
    QCOMPARE(tapeAt(data, 1), QJsonArray({u"Leer"_s, 240, 240}));
}

QTEST_GUILESS_MAIN(TestHtmlPage)
#include "tst_htmlpage.moc"
