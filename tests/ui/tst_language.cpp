#include "storage/FileHandle.h"
#include "ui/Language.h"

#include <QCoreApplication>
#include <QTest>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

// Qt's own dialogs and the reasons a file could not be written follow the program's language, and leave
// it again.
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

    void systemReasons_followLanguage_data()
    {
        const QString system = QString::fromLocal8Bit(std::strerror(EMFILE));
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("de full disk")
            << int(ui::kGerman) << ENOSPC << u"Kein Platz mehr auf dem Datenträger"_s;
        QTest::newRow("de read-only") << int(ui::kGerman) << EROFS << u"Schreibgeschütztes Dateisystem"_s;
        QTest::newRow("de rare reason: the system's") << int(ui::kGerman) << EMFILE << system;
        QTest::newRow("en read-only after de") << int(ui::kEnglish) << EROFS << u"Read-only file system"_s;
    }
    void systemReasons_followLanguage()
    {
        QFETCH(int, language);
        QFETCH(int, error);
        QFETCH(QString, reason);
        ui::setLanguage(quint8(language));
        QCOMPARE(catalogue::systemErrorText(error), reason);
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
