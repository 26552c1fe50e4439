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

// The kinds of box the program shows.
enum Kind
{
    Question, // Yes and No, No the default
    Retry,    // an error with Yes and No, Yes the default
    Warning,
    Error,
    Information,
};

ui::Button show(QWidget* owner, const QString& text, const QString& caption, int kind)
{
    switch (kind) {
    case Question:
        return ui::messageBox(owner, text, caption, ui::Icon::Question, ui::kYesNo, QMessageBox::No);
    case Retry:
        return ui::messageBox(owner, text, caption, ui::Icon::Error, ui::kYesNo, QMessageBox::Yes);
    case Warning:
        return ui::messageBox(owner, text, caption, ui::Icon::Warning);
    case Error:
        return ui::messageBox(owner, text, caption, ui::Icon::Error);
    default:
        return ui::messageBox(owner, text, caption, ui::Icon::Information);
    }
}

class tst_MessageBox : public QObject
{
    Q_OBJECT

private:
    // Runs the real box; once it is up, records it and answers with key.
    static int runRealBox(QWidget* owner, const QString& text, int kind, Qt::Key key, ShownBox& shown)
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
        return show(owner, text, QStringLiteral("Caption"), kind);
    }

private Q_SLOTS:
    void cleanup() { ui::setLanguage(0); }

    void seam_recordsEveryCallAndAnswersInQueuedOrder()
    {
        QWidget owner;
        testsupport::MessageBoxScript script;
        script.queue(QMessageBox::Yes);
        script.queue(QMessageBox::No);

        QCOMPARE(show(&owner, QStringLiteral("First\r\rSecond"), QStringLiteral("One"), Question),
                 QMessageBox::Yes);
        QCOMPARE(show(nullptr, QStringLiteral("Again"), QStringLiteral("Two"), Retry), QMessageBox::No);

        QCOMPARE(script.callCount(), 2);
        const ui::MessageBoxCall first = script.calls().at(0);
        QCOMPARE(first.owner.data(), &owner);
        QCOMPARE(first.text, QStringLiteral("First\r\rSecond")); // the seam gets the text unchanged
        QCOMPARE(first.caption, QStringLiteral("One"));
        QCOMPARE(first.icon, ui::Icon::Question);
        QCOMPARE(first.buttons, ui::kYesNo);
        QCOMPARE(first.defaultButton, QMessageBox::No);
        QCOMPARE(script.lastCall().caption, QStringLiteral("Two"));
        QCOMPARE(script.lastCall().icon, ui::Icon::Error);
        QCOMPARE(script.lastCall().defaultButton, QMessageBox::Yes);
        QCOMPARE(script.unexpectedCalls(), 0);
        QCOMPARE(script.pendingAnswers(), 0);
    }

    void seam_unqueuedBox_isCountedAndAnsweredSafely()
    {
        testsupport::MessageBoxScript script;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("UNEXPECTED MESSAGE BOX")));
        QCOMPARE(show(nullptr, QStringLiteral("Sure?"), QStringLiteral("Q"), Question), QMessageBox::No);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("UNEXPECTED MESSAGE BOX")));
        QCOMPARE(show(nullptr, QStringLiteral("Note"), QStringLiteral("N"), Warning), QMessageBox::Ok);
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
                show(nullptr, QStringLiteral("Text"), QStringLiteral("Caption"), Error);
            } else {
                script.queue(QMessageBox::Ok);
            }
        }
        // Had the script not failed above, this check would be the expected failure and count as one.
        QVERIFY(true);
    }

    void realBox_buttonsDefaultAndKeys_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("defaultButton");
        QTest::addColumn<int>("result");

        const QStringList english{QStringLiteral("&Yes"), QStringLiteral("&No")};
        const QStringList german{QStringLiteral("&Ja"), QStringLiteral("&Nein")};
        const QStringList ok{QStringLiteral("OK")};
        QTest::newRow("en question, Escape answers No")
            << 0 << int(Question) << int(Qt::Key_Escape) << english << QStringLiteral("&No")
            << int(QMessageBox::No);
        QTest::newRow("en question, Enter answers No") << 0 << int(Question) << int(Qt::Key_Return) << english
                                                       << QStringLiteral("&No") << int(QMessageBox::No);
        QTest::newRow("de question, Escape answers No") << 1 << int(Question) << int(Qt::Key_Escape) << german
                                                        << QStringLiteral("&Nein") << int(QMessageBox::No);
        QTest::newRow("de retry, Enter answers Ja") << 1 << int(Retry) << int(Qt::Key_Return) << german
                                                    << QStringLiteral("&Ja") << int(QMessageBox::Yes);
        QTest::newRow("en warning, Escape answers OK")
            << 0 << int(Warning) << int(Qt::Key_Escape) << ok << QStringLiteral("OK") << int(QMessageBox::Ok);
        QTest::newRow("de error, Enter answers OK")
            << 1 << int(Error) << int(Qt::Key_Return) << ok << QStringLiteral("OK") << int(QMessageBox::Ok);
    }

    void realBox_buttonsDefaultAndKeys()
    {
        QFETCH(int, language);
        QFETCH(int, kind);
        QFETCH(int, key);
        QFETCH(QStringList, buttons);
        QFETCH(QString, defaultButton);
        QFETCH(int, result);

        ui::setLanguage(static_cast<quint8>(language));
        QWidget owner;
        ShownBox shown;
        QCOMPARE(runRealBox(&owner, QStringLiteral("Text"), kind, static_cast<Qt::Key>(key), shown), result);
        QVERIFY(shown.found);
        QCOMPARE(shown.title, QStringLiteral("Caption"));
        QCOMPARE(shown.parent, &owner);
        shown.buttons.sort();
        buttons.sort();
        QCOMPARE(shown.buttons, buttons);
        QCOMPARE(shown.defaultButton, defaultButton);
    }

    // Escape, Alt+F4 or the close button on the save retry would end the program without saving.
    void realBox_saveRetry_closesOnlyOnAnExplicitAnswer_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("Yes") << QStringLiteral("&Yes") << int(QMessageBox::Yes);
        QTest::newRow("No") << QStringLiteral("&No") << int(QMessageBox::No);
    }

    void realBox_saveRetry_closesOnlyOnAnExplicitAnswer()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        bool stayedOpen = false;
        bool closeButton = true;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* const window : QApplication::topLevelWidgets()) {
                auto* const box = qobject_cast<QMessageBox*>(window);
                if (box == nullptr || !box->isVisible())
                    continue;
                poll.stop();
                closeButton = box->windowFlags().testFlag(Qt::WindowCloseButtonHint);
                QTest::keyClick(box, Qt::Key_Escape);
                box->close();
                stayedOpen = box->isVisible();
                for (QAbstractButton* const answer : box->buttons()) {
                    if (answer->text() == button)
                        answer->click();
                }
                return;
            }
        });
        poll.start();
        QCOMPARE(int(show(nullptr, QStringLiteral("Try again?"), QStringLiteral("Saving failed"), Retry)),
                 result);
        QVERIFY(stayedOpen);
        QVERIFY(!closeButton);
    }

    void realBox_iconFollowsKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("icon");
        QTest::newRow("error") << int(Error) << int(QMessageBox::Critical);
        QTest::newRow("question") << int(Question) << int(QMessageBox::Question);
        QTest::newRow("warning") << int(Warning) << int(QMessageBox::Warning);
        QTest::newRow("information") << int(Information) << int(QMessageBox::Information);
        QTest::newRow("error with Yes/No") << int(Retry) << int(QMessageBox::Critical);
    }

    void realBox_iconFollowsKind()
    {
        QFETCH(int, kind);
        QFETCH(int, icon);
        ShownBox shown;
        runRealBox(nullptr, QStringLiteral("Text"), kind, Qt::Key_Return, shown);
        QVERIFY(shown.found);
        QCOMPARE(int(shown.icon), icon);
    }

    void realBox_carriageReturnsBreakLines()
    {
        ShownBox shown;
        runRealBox(nullptr, QStringLiteral("Deutsch\r\rEnglish\r\nend"), Warning, Qt::Key_Escape, shown);
        QVERIFY(shown.found);
        QCOMPARE(shown.text, QStringLiteral("Deutsch\n\nEnglish\nend"));
    }
};

QTEST_MAIN(tst_MessageBox)
#include "tst_messagebox.moc"
