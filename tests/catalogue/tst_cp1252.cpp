#include "catalogue/Cp1252.h"
#include "catalogue/FilmRecord.h"
#include "catalogue/RecordText.h"

#include <QSet>
#include <QTest>

using namespace catalogue;

class TestCp1252 final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyByte_decodesToItsOwnCharacterAndBack();
    void characters_encodeToTheirBytes_data();
    void characters_encodeToTheirBytes();
    void unmappableCharacters_becomeOneQuestionMarkEach_data();
    void unmappableCharacters_becomeOneQuestionMarkEach();
    void storedTexts_areCutToTheFieldCapacity_data();
    void storedTexts_areCutToTheFieldCapacity();
    void shorterValue_clearsTheRestOfTheField();
    void storedTapeName_isTheTextAStoredNameReadsBack_data();
    void storedTapeName_isTheTextAStoredNameReadsBack();
};

void TestCp1252::everyByte_decodesToItsOwnCharacterAndBack()
{
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = static_cast<char>(b);
    const QString text = cp1252::decode(all.constData(), all.size());
    QCOMPARE(text.size(), 256);
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
    bool exact = false;
    QCOMPARE(cp1252::encode(text, &exact), all);
    QVERIFY(exact);
}

void TestCp1252::characters_encodeToTheirBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("byte");
    QTest::newRow("euro sign") << QStringLiteral("\u20AC") << 0x80;
    QTest::newRow("low quote") << QStringLiteral("\u201A") << 0x82;
    QTest::newRow("OE ligature") << QStringLiteral("\u0152") << 0x8C;
    QTest::newRow("en dash") << QStringLiteral("\u2013") << 0x96;
    QTest::newRow("trade mark") << QStringLiteral("\u2122") << 0x99;
    QTest::newRow("Y diaeresis") << QStringLiteral("\u0178") << 0x9F;
    QTest::newRow("undefined 0x81 kept") << QStringLiteral("\u0081") << 0x81;
    QTest::newRow("undefined 0x9D kept") << QStringLiteral("\u009D") << 0x9D;
    QTest::newRow("no-break space") << QStringLiteral("\u00A0") << 0xA0;
    QTest::newRow("sharp s") << QStringLiteral("\u00DF") << 0xDF;
    QTest::newRow("y diaeresis") << QStringLiteral("\u00FF") << 0xFF;
}

void TestCp1252::characters_encodeToTheirBytes()
{
    QFETCH(QString, text);
    QFETCH(int, byte);
    bool exact = false;
    QCOMPARE(cp1252::encode(text, &exact), QByteArray(1, static_cast<char>(byte)));
    QVERIFY(exact);
    const char b = static_cast<char>(byte);
    QCOMPARE(cp1252::decode(&b, 1), text);
}

void TestCp1252::unmappableCharacters_becomeOneQuestionMarkEach_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exact");
    QTest::newRow("question mark itself") << QStringLiteral("a?") << QByteArray("a?") << true;
    QTest::newRow("A macron") << QStringLiteral("\u0100x") << QByteArray("?x") << false;
    QTest::newRow("C1 control the euro sign stands in for")
        << QStringLiteral("\u0080") << QByteArray("?") << false;
    QTest::newRow("CJK") << QStringLiteral("\u6620\u753B") << QByteArray("??") << false;
    QTest::newRow("surrogate pair") << QStringLiteral("a\U0001F3AC\u00E9") << QByteArray("a?\xE9") << false;
    QTest::newRow("lone high surrogate") << QString(QChar(0xD83C)) + u'b' << QByteArray("?b") << false;
    QTest::newRow("lone low surrogate") << QString(QChar(0xDFAC)) << QByteArray("?") << false;
}

void TestCp1252::unmappableCharacters_becomeOneQuestionMarkEach()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exact);
    bool wasExact = !exact;
    QCOMPARE(cp1252::encode(text, &wasExact), bytes);
    QCOMPARE(wasExact, exact);
}

void TestCp1252::storedTexts_areCutToTheFieldCapacity_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("stored");
    const QString fifty(50, u'n');
    const QString seventy(70, u't');
    const QString fourHundred(400, u'a');
    QTest::newRow("tape name at capacity") << "tapeName" << fifty << fifty;
    QTest::newRow("tape name too long") << "tapeName" << fifty + QStringLiteral("xyz") << fifty;
    QTest::newRow("pair at the cut counts once")
        << "tapeName" << QString(49, u'n') + QStringLiteral("\U0001F3ACz") << QString(49, u'n') + u'?';
    QTest::newRow("film name too long") << "filmName" << seventy + u'!' << seventy;
    QTest::newRow("actors at capacity") << "actors" << fourHundred << fourHundred;
    QTest::newRow("actors too long") << "actors" << fourHundred + QStringLiteral("\r\n") << fourHundred;
    QTest::newRow("story too long") << "story" << QString(650, u's') << QString(600, u's');
}

void TestCp1252::storedTexts_areCutToTheFieldCapacity()
{
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(QString, stored);
    FilmRecord r{};
    // Marks the byte after each field, so a write beyond its end shows.
    r.reserved1 = 0x5A;
    r.reserved2 = 0x5A;
    r.story[0] = 'S';
    r.longplay = 0x5A;
    QString back;
    if (field == u"tapeName") {
        setText(r.tapeName, input);
        back = text(r.tapeName);
    } else if (field == u"filmName") {
        setText(r.filmName, input);
        back = text(r.filmName);
    } else if (field == u"actors") {
        setText(r.actors, input);
        back = text(r.actors);
        QCOMPARE(r.actors[400], '\0');
    } else {
        setText(r.story, input);
        back = text(r.story);
        QCOMPARE(r.story[600], '\0');
    }
    QCOMPARE(back, stored);
    QCOMPARE(r.reserved1, quint8{0x5A});
    QCOMPARE(r.reserved2, quint8{0x5A});
    QCOMPARE(r.longplay, quint8{0x5A});
    if (field != u"story")
        QCOMPARE(r.story[0], 'S');
}

void TestCp1252::shorterValue_clearsTheRestOfTheField()
{
    FilmRecord r{};
    setText(r.filmName, QStringLiteral("A rather long title"));
    setText(r.filmName, QStringLiteral("Up"));
    QCOMPARE(r.filmName.length, quint8{2});
    QCOMPARE(QByteArray(r.filmName.chars, sizeof r.filmName.chars), QByteArray("Up").leftJustified(70, '\0'));
    setText(r.actors, QStringLiteral("Cast list, long"));
    setText(r.actors, QStringLiteral("Cast"));
    QCOMPARE(QByteArray(r.actors, sizeof r.actors), QByteArray("Cast").leftJustified(401, '\0'));
}

void TestCp1252::storedTapeName_isTheTextAStoredNameReadsBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain") << QStringLiteral("Sommer 98") << QStringLiteral("Sommer 98");
    QTest::newRow("euro and umlaut") << QStringLiteral("\u20AC-K\u00E4se")
                                     << QStringLiteral("\u20AC-K\u00E4se");
    QTest::newRow("unmappable") << QStringLiteral("Film \u0100") << QStringLiteral("Film ?");
    QTest::newRow("too long") << QString(55, u'k') << QString(50, u'k');
}

void TestCp1252::storedTapeName_isTheTextAStoredNameReadsBack()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QCOMPARE(storedTapeName(name), stored);
    FilmRecord r{};
    setText(r.tapeName, name);
    QCOMPARE(tapeNameText(r), stored);
}

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
