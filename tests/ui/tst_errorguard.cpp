#include "support/MessageBoxScript.h"
#include "ui/Application.h"
#include "ui/ErrorGuard.h"
#include "ui/MessageBox.h"

#include <QTest>
#include <QWidget>

#include <functional>
#include <stdexcept>

class tst_ErrorGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void guarded_handlerRunsToEnd_returnsTrueWithoutReport()
    {
        testsupport::MessageBoxScript script;
        bool ran = false;
        QVERIFY(ui::guarded(nullptr, [&] { ran = true; }));
        QVERIFY(ran);
        QCOMPARE(script.callCount(), 0);
    }

    void guarded_exceptionEndsHandlerAndIsReported_data()
    {
        QTest::addColumn<std::function<void()>>("raise");
        QTest::addColumn<QString>("report");
        QTest::newRow("own error with umlaut") << std::function<void()>([] {
            throw ui::Error(QStringLiteral("Konnte Daten für 'Language' nicht setzen"));
        }) << QStringLiteral("Konnte Daten für 'Language' nicht setzen.");
        QTest::newRow("standard exception")
            << std::function<void()>([] { throw std::runtime_error("Disk full"); })
            << QStringLiteral("Disk full.");
    }

    void guarded_exceptionEndsHandlerAndIsReported()
    {
        QFETCH(std::function<void()>, raise);
        QFETCH(QString, report);

        QWidget owner;
        testsupport::MessageBoxScript script;
        script.queue(QMessageBox::Ok);
        bool reachedEnd = false;
        QVERIFY(!ui::guarded(&owner, [&] {
            raise();
            reachedEnd = true;
        }));
        QVERIFY(!reachedEnd);
        QCOMPARE(script.callCount(), 1);
        QCOMPARE(script.lastCall().owner.data(), &owner);
        QCOMPARE(script.lastCall().text, report);
        QCOMPARE(script.lastCall().caption, QStringLiteral("reelMINDER/32 2.01"));
        QCOMPARE(script.lastCall().icon, ui::Icon::Error);
    }

    void guarded_unknownException_reportsGenericText()
    {
        testsupport::MessageBoxScript script;
        script.queue(QMessageBox::Ok);
        QVERIFY(!ui::guarded(nullptr, [] { throw 42; }));
        QCOMPARE(script.callCount(), 1);
        QVERIFY(script.lastCall().text.size() > 1);
        QVERIFY(script.lastCall().text.endsWith(QLatin1Char('.')));
        QCOMPARE(script.lastCall().caption, ui::applicationTitle());
    }
};

QTEST_MAIN(tst_ErrorGuard)
#include "tst_errorguard.moc"
