#include "support/MessageBoxScript.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// What the real box showed, seen from inside its modal loop.
struct ShownBox
{
    bool found = false;
    QString title;
    QString text;
    QStringList buttons;
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* parent = nullptr;
};

class tst_MessageBox : public QObject
{
    Q_OBJECT

private:
    // Runs the real box; once it is up, records it and answers with key.
    static int runRealBox(QWidget* owner, const QString& text, unsigned flags, Qt::Key key, ShownBox& shown)
    {
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* const window : QApplication::topLevelWidgets()) {
                auto* const box = qobject_cast<QMessageBox*>(window);
                if (box == nullptr || !box->isVisible()) {
                    continue;
                }
                poll.stop();
                shown.found = true;
                shown.title = box->windowTitle();
                shown.text = box->text();
                for (const QAbstractButton* const button : box->buttons()) {
                    shown.buttons.append(button->text());
                }
                shown.defaultButton =
                    box->defaultButton() != nullptr ? box->defaultButton()->text() : QString();
                shown.icon = box->icon();
                shown.parent = box->parentWidget();
                QTest::keyClick(box, key);
                return;
            }
        });
        poll.start();
        return ui::messageBox(owner, text, QStringLiteral("Caption"), flags);
    }

private Q_SLOTS:
    void cleanup() { ui::setLanguage(0); }

    void seam_recordsEveryCallAndAnswersInQueuedOrder()
    {
        QWidget owner;
        testsupport::MessageBoxScript script;
        script.queue(ui::IDYES);
        script.queue(ui::IDNO);

        QCOMPARE(ui::messageBox(&owner, QStringLiteral("First\r\rSecond"), QStringLiteral("One"), 0x124),
                 ui::IDYES);
        QCOMPARE(ui::messageBox(nullptr, QStringLiteral("Again"), QStringLiteral("Two"), 0x14), ui::IDNO);

        QCOMPARE(script.callCount(), 2);
        const ui::MessageBoxCall first = script.calls().at(0);
        QCOMPARE(first.owner.data(), &owner);
        QCOMPARE(first.text, QStringLiteral("First\r\rSecond")); // the seam gets the text unchanged
        QCOMPARE(first.caption, QStringLiteral("One"));
        QCOMPARE(first.flags, 0x124u);
        QCOMPARE(script.lastCall().caption, QStringLiteral("Two"));
        QCOMPARE(script.lastCall().flags, 0x14u);
        QCOMPARE(script.unexpectedCalls(), 0);
        QCOMPARE(script.pendingAnswers(), 0);
    }

    void seam_unqueuedBox_isCountedAndAnsweredSafely()
    {
        testsupport::MessageBoxScript script;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("UNEXPECTED MESSAGE BOX")));
        QCOMPARE(ui::messageBox(nullptr, QStringLiteral("Sure?"), QStringLiteral("Q"), 0x124), ui::IDNO);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("UNEXPECTED MESSAGE BOX")));
        QCOMPARE(ui::messageBox(nullptr, QStringLiteral("Note"), QStringLiteral("N"), 0x30), ui::IDOK);
        QCOMPARE(script.unexpectedCalls(), 2);
        QCOMPARE(script.callCount(), 2);
        script.clear(); // provoked on purpose: keep the script's own end-of-test check quiet
        QCOMPARE(script.unexpectedCalls(), 0);
    }

    void script_leftoverAnswerOrUnansweredBox_failsTheTest_data()
    {
        QTest::addColumn<bool>("boxShown");
        QTest::newRow("queued answer never used") << false;
        QTest::newRow("box without queued answer") << true;
    }

    void script_leftoverAnswerOrUnansweredBox_failsTheTest()
    {
        QFETCH(bool, boxShown);
        QEXPECT_FAIL("", "the script fails the test when it goes out of scope", Continue);
        {
            testsupport::MessageBoxScript script;
            if (boxShown) {
                QTest::ignoreMessage(QtWarningMsg,
                                     QRegularExpression(QStringLiteral("UNEXPECTED MESSAGE BOX")));
                ui::messageBox(nullptr, QStringLiteral("Text"), QStringLiteral("Caption"), ui::MB_ICONERROR);
            } else {
                script.queue(ui::IDOK);
            }
        }
        // Had the script not failed above, this check would be the expected failure and count as one.
        QVERIFY(true);
    }

    void realBox_buttonsDefaultAndKeys_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("defaultButton");
        QTest::addColumn<int>("result");

        const QStringList english{QStringLiteral("&Yes"), QStringLiteral("&No")};
        const QStringList german{QStringLiteral("&Ja"), QStringLiteral("&Nein")};
        const QStringList ok{QStringLiteral("OK")};
        QTest::newRow("en question, Escape answers No")
            << 0 << 0x124u << int(Qt::Key_Escape) << english << QStringLiteral("&No") << int(ui::IDNO);
        QTest::newRow("en question, Enter answers No")
            << 0 << 0x124u << int(Qt::Key_Return) << english << QStringLiteral("&No") << int(ui::IDNO);
        QTest::newRow("de question, Escape answers No")
            << 1 << 0x124u << int(Qt::Key_Escape) << german << QStringLiteral("&Nein") << int(ui::IDNO);
        QTest::newRow("de retry, Enter answers Ja")
            << 1 << 0x14u << int(Qt::Key_Return) << german << QStringLiteral("&Ja") << int(ui::IDYES);
        QTest::newRow("en retry, Escape answers No")
            << 0 << 0x14u << int(Qt::Key_Escape) << english << QStringLiteral("&Yes") << int(ui::IDNO);
        QTest::newRow("en warning, Escape answers OK")
            << 0 << 0x30u << int(Qt::Key_Escape) << ok << QStringLiteral("OK") << int(ui::IDOK);
        QTest::newRow("de error, Enter answers OK")
            << 1 << 0x10u << int(Qt::Key_Return) << ok << QStringLiteral("OK") << int(ui::IDOK);
    }

    void realBox_buttonsDefaultAndKeys()
    {
        QFETCH(int, language);
        QFETCH(unsigned, flags);
        QFETCH(int, key);
        QFETCH(QStringList, buttons);
        QFETCH(QString, defaultButton);
        QFETCH(int, result);

        ui::setLanguage(static_cast<quint8>(language));
        QWidget owner;
        ShownBox shown;
        QCOMPARE(runRealBox(&owner, QStringLiteral("Text"), flags, static_cast<Qt::Key>(key), shown), result);
        QVERIFY(shown.found);
        QCOMPARE(shown.title, QStringLiteral("Caption"));
        QCOMPARE(shown.parent, &owner);
        shown.buttons.sort();
        buttons.sort();
        QCOMPARE(shown.buttons, buttons);
        QCOMPARE(shown.defaultButton, defaultButton);
    }

    void realBox_iconFollowsFlags_data()
    {
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<int>("icon");
        QTest::newRow("error") << 0x10u << int(QMessageBox::Critical);
        QTest::newRow("question") << 0x124u << int(QMessageBox::Question);
        QTest::newRow("warning") << 0x30u << int(QMessageBox::Warning);
        QTest::newRow("information") << 0x40u << int(QMessageBox::Information);
        QTest::newRow("error with Yes/No") << 0x14u << int(QMessageBox::Critical);
    }

    void realBox_iconFollowsFlags()
    {
        QFETCH(unsigned, flags);
        QFETCH(int, icon);
        ShownBox shown;
        runRealBox(nullptr, QStringLiteral("Text"), flags, Qt::Key_Escape, shown);
        QVERIFY(shown.found);
        QCOMPARE(int(shown.icon), icon);
    }

    void realBox_carriageReturnsBreakLines()
    {
        ShownBox shown;
        runRealBox(nullptr, QStringLiteral("Deutsch\r\rEnglish\r\nend"), ui::MB_ICONWARNING, Qt::Key_Escape,
                   shown);
        QVERIFY(shown.found);
        QCOMPARE(shown.text, QStringLiteral("Deutsch\n\nEnglish\nend"));
    }
};

QTEST_MAIN(tst_MessageBox)
#include "tst_messagebox.moc"
