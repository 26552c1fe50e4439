#include "ui/Language.h"

#include <QCoreApplication>
#include <QTest>

using namespace Qt::StringLiterals;

// Qt's own dialogs follow the program's language, and leave it again.
class TestLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void qtTexts_followLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("preview");
        QTest::newRow("de") << int(ui::kGerman) << u"Druckvorschau"_s;
        QTest::newRow("en after de") << int(ui::kEnglish) << u"Print Preview"_s;
    }
    void qtTexts_followLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, preview);
        ui::setLanguage(quint8(language));
        QCOMPARE(QCoreApplication::translate("QPrintPreviewDialog", "Print Preview"), preview);
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
