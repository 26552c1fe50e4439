#include "support/TempSettings.h"
#include "ui/ErrorGuard.h"
#include "ui/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

using Stored = ui::SettingsStore::StoredInteger;

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private:
    // Makes the settings file impossible to write, for root too: a folder stands in its place.
    static bool blockSettingsFile(const testsupport::TempSettings& settings)
    {
        return QDir().mkpath(settings.settingsFile());
    }

    static QString failedWriteText() { return QStringLiteral("Could not set data for 'Language'"); }

private Q_SLOTS:
    void readInteger_tellsKindsApart_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no settings file at all
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("value");

        QTest::newRow("no file") << QByteArray() << int(Stored::Missing) << qint64(0);
        QTest::newRow("other value only")
            << QByteArray("[2.0]\nOther=1\n") << int(Stored::Missing) << qint64(0);
        QTest::newRow("other group") << QByteArray("[1.0]\nLanguage=1\n") << int(Stored::Missing)
                                     << qint64(0);
        QTest::newRow("word") << QByteArray("[2.0]\nLanguage=abc\n") << int(Stored::NotInteger) << qint64(0);
        QTest::newRow("fraction") << QByteArray("[2.0]\nLanguage=1.5\n") << int(Stored::NotInteger)
                                  << qint64(0);
        QTest::newRow("empty") << QByteArray("[2.0]\nLanguage=\n") << int(Stored::NotInteger) << qint64(0);
        QTest::newRow("list") << QByteArray("[2.0]\nLanguage=1, 2\n") << int(Stored::NotInteger) << qint64(0);
        QTest::newRow("sign only") << QByteArray("[2.0]\nLanguage=-\n") << int(Stored::NotInteger)
                                   << qint64(0);
        QTest::newRow("beyond 64 bits")
            << QByteArray("[2.0]\nLanguage=99999999999999999999\n") << int(Stored::NotInteger) << qint64(0);
        QTest::newRow("seven") << QByteArray("[2.0]\nLanguage=7\n") << int(Stored::Integer) << qint64(7);
        QTest::newRow("minus one") << QByteArray("[2.0]\nLanguage=-1\n") << int(Stored::Integer)
                                   << qint64(-1);
        QTest::newRow("one") << QByteArray("[2.0]\nLanguage=1\n") << int(Stored::Integer) << qint64(1);
        QTest::newRow("large") << QByteArray("[2.0]\nLanguage=4294967296\n") << int(Stored::Integer)
                               << qint64(4294967296LL);
    }

    void readInteger_tellsKindsApart()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, kind);
        QFETCH(qint64, value);

        testsupport::TempSettings settings;
        QVERIFY(settings.isValid());
        if (!file.isEmpty()) {
            QVERIFY(settings.writeRaw(file));
        }
        const ui::SettingsStore store;
        const Stored stored = store.readInteger(QStringLiteral("Language"));
        QCOMPARE(int(stored.kind), kind);
        if (kind == Stored::Integer) {
            QCOMPARE(stored.value, value);
        }
    }

    void writeInteger_storesWholeNumberThatReadsBack_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no settings file yet
        QTest::newRow("first start") << QByteArray();
        QTest::newRow("replaces text") << QByteArray("[2.0]\nLanguage=abc\n");
        // QSettings flags such a file as badly formed, yet writes it; that is no failed write.
        QTest::newRow("damaged file") << QByteArray("[2.0\nLanguage=7\n");
    }

    void writeInteger_storesWholeNumberThatReadsBack()
    {
        QFETCH(QByteArray, file);
        testsupport::TempSettings settings;
        if (!file.isEmpty()) {
            QVERIFY(settings.writeRaw(file));
        }
        ui::SettingsStore store;
        store.writeInteger(QStringLiteral("Language"), 1);
        QCOMPARE(settings.storedValue(QStringLiteral("Language")).toString(), QStringLiteral("1"));

        store.writeInteger(QStringLiteral("Language"), 0);
        QCOMPARE(settings.storedValue(QStringLiteral("Language")).toString(), QStringLiteral("0"));

        // Read back the way the next start reads it.
        const ui::SettingsStore next;
        const Stored stored = next.readInteger(QStringLiteral("Language"));
        QCOMPARE(int(stored.kind), int(Stored::Integer));
        QCOMPARE(stored.value, qint64(0));
    }

    void writeInteger_fileCannotBeWritten_throwsItsText_data()
    {
        QTest::addColumn<bool>("blockedBeforeOpening");
        QTest::addColumn<bool>("byFifo"); // else by a folder
        QTest::newRow("blocked while open") << false << false;
        QTest::newRow("blocked from the start") << true << false;
        // Read as the store opens, a FIFO would hold the start for good.
        QTest::newRow("a FIFO from the start") << true << true;
    }

    void writeInteger_fileCannotBeWritten_throwsItsText()
    {
        QFETCH(bool, blockedBeforeOpening);
        QFETCH(bool, byFifo);
        testsupport::TempSettings settings;
        if (byFifo) {
            QVERIFY(QDir().mkpath(QFileInfo(settings.settingsFile()).path()));
            QCOMPARE(::mkfifo(QFile::encodeName(settings.settingsFile()).constData(), 0600), 0);
        } else if (blockedBeforeOpening) {
            QVERIFY(blockSettingsFile(settings));
        }
        ui::SettingsStore store;
        QCOMPARE(ui::readLanguage(store), std::nullopt);
        if (!blockedBeforeOpening) {
            QVERIFY(blockSettingsFile(settings));
        }
        try {
            store.writeInteger(QStringLiteral("Language"), 1);
            QFAIL("the write did not throw");
        } catch (const ui::Error& error) {
            QCOMPARE(error.text(), failedWriteText());
        }
    }

    void writeInteger_afterFailedWrite_succeedsOnceCauseIsGone()
    {
        testsupport::TempSettings settings;
        ui::SettingsStore store;
        QVERIFY(blockSettingsFile(settings));
        QVERIFY_THROWS_EXCEPTION(ui::Error, store.writeInteger(QStringLiteral("Language"), 1));
        QVERIFY_THROWS_EXCEPTION(ui::Error, store.writeInteger(QStringLiteral("Language"), 1));

        QVERIFY(QDir().rmdir(settings.settingsFile()));
        store.writeInteger(QStringLiteral("Language"), 0);
        QCOMPARE(settings.storedValue(QStringLiteral("Language")).toString(), QStringLiteral("0"));
        const Stored stored = store.readInteger(QStringLiteral("Language"));
        QCOMPARE(int(stored.kind), int(Stored::Integer));
        QCOMPARE(stored.value, qint64(0));
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
