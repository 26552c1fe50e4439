#include "controls/NumEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QInputMethodEvent>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTestEventList>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <memory>

using controls::TNumEdit;

namespace {

constexpr int WholeText = -1; // cursor column value: select the whole text

QClipboard& Clipboard()
{
    return *QGuiApplication::clipboard();
}

} // namespace

class TstNumEdit : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window;
    QLineEdit* before = nullptr;
    TNumEdit* edit = nullptr;

    // Gives the field the focus and puts the caret at cursor, or selects everything.
    [[nodiscard]] bool Focus(int cursor)
    {
        edit->setFocus();
        if (cursor == WholeText)
            edit->selectAll();
        else
            edit->setCursorPosition(cursor);
        return edit->hasFocus();
    }

private Q_SLOTS:
    void init()
    {
        window = std::make_unique<QWidget>();
        auto* const layout = new QVBoxLayout(window.get());
        before = new QLineEdit(window.get());
        edit = new TNumEdit(window.get());
        layout->addWidget(before);
        layout->addWidget(edit);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        Clipboard().setText(QStringLiteral("5"));
    }

    void cleanup() { window.reset(); }

    void creation_givesRightAlignedZeroOfAtMostNineDigits()
    {
        TNumEdit fresh;
        QCOMPARE(fresh.Value(), QStringLiteral("0"));
        QCOMPARE(fresh.text(), QStringLiteral("0"));
        QVERIFY(fresh.FZeroWhenEmpty);
        QCOMPARE(fresh.maxLength(), 9);
        QCOMPARE(fresh.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

        fresh.SetValue(QStringLiteral("1995"));
        fresh.SetAlignment(Qt::AlignHCenter);
        QCOMPARE(fresh.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(fresh.text(), QStringLiteral("1995"));
    }

    void allDigits_acceptsOnlyZeroToNine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("all ten") << QStringLiteral("0123456789") << true;
        QTest::newRow("letter") << QStringLiteral("12a") << false;
        QTest::newRow("sign") << QStringLiteral("-1") << false;
        QTest::newRow("blank") << QStringLiteral(" 1") << false;
        QTest::newRow("separator") << QStringLiteral("1.5") << false;
        QTest::newRow("arabic-indic digits") << QStringLiteral("\u0661\u0662") << false;
        QTest::newRow("full-width digit") << QStringLiteral("\uFF11") << false;
    }

    void allDigits_acceptsOnlyZeroToNine()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(TNumEdit::AllDigits(text), expected);
    }

    void typing_keepsDigitsOnly_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<QString>("expected");

        const auto keys = [](std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> list) {
            QTestEventList events;
            for (const auto& [key, modifiers] : list)
                events.addKeyClick(key, modifiers);
            return events;
        };
        const auto text = [](const char* typed) {
            QTestEventList events;
            events.addKeyClicks(QString::fromLatin1(typed));
            return events;
        };
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;

        QTest::newRow("7 replaces the zero") << "0" << 9 << 1 << text("7") << "7";
        QTest::newRow("0 on zero stays zero") << "0" << 9 << 1 << text("0") << "0";
        QTest::newRow("0 before 12 stays") << "12" << 9 << 0 << text("0") << "012";
        QTest::newRow("keypad digit") << "12" << 9 << 2 << keys({{Qt::Key_3, Qt::KeypadModifier}}) << "123";
        QTest::newRow("digit over whole text") << "1995" << 9 << WholeText << text("7") << "7";
        QTest::newRow("fifth digit at length 4") << "1234" << 4 << 4 << text("5") << "1234";
        QTest::newRow("backspace every digit")
            << "123" << 9 << 3
            << keys({{Qt::Key_Backspace, none}, {Qt::Key_Backspace, none}, {Qt::Key_Backspace, none}}) << "0";
        QTest::newRow("delete every digit")
            << "123" << 9 << 0
            << keys({{Qt::Key_Delete, none}, {Qt::Key_Delete, none}, {Qt::Key_Delete, none}}) << "0";
        QTest::newRow("backspace over whole text")
            << "123" << 9 << WholeText << keys({{Qt::Key_Backspace, none}}) << "0";
        QTest::newRow("minus") << "12" << 9 << WholeText << text("-") << "12";
        QTest::newRow("plus") << "12" << 9 << WholeText << text("+") << "12";
        QTest::newRow("letters") << "12" << 9 << WholeText << text("aZ") << "12";
        QTest::newRow("blank") << "12" << 9 << WholeText << text(" ") << "12";
        QTest::newRow("separators") << "12" << 9 << 1 << text(".,") << "12";
        QTest::newRow("ctrl+v") << "12" << 9 << WholeText << keys({{Qt::Key_V, ctrl}}) << "12";
        QTest::newRow("ctrl+x") << "12" << 9 << WholeText << keys({{Qt::Key_X, ctrl}}) << "12";
        QTest::newRow("ctrl+c") << "12" << 9 << WholeText << keys({{Qt::Key_C, ctrl}}) << "12";
        QTest::newRow("ctrl+z after a digit")
            << "12" << 9 << 2 << keys({{Qt::Key_3, none}, {Qt::Key_Z, ctrl}}) << "123";
        QTest::newRow("ctrl+a keeps select-all")
            << "12" << 9 << 2 << keys({{Qt::Key_A, ctrl}, {Qt::Key_4, none}}) << "4";
    }

    void typing_keepsDigitsOnly()
    {
        QFETCH(QString, start);
        QFETCH(int, maxLength);
        QFETCH(int, cursor);
        QFETCH(QTestEventList, keys);
        QFETCH(QString, expected);

        edit->setMaxLength(maxLength);
        edit->SetValue(start);
        QVERIFY(Focus(cursor));
        keys.simulate(edit);

        QCOMPARE(edit->text(), expected);
        QCOMPARE(edit->Value(), expected);
        QCOMPARE(Clipboard().text(), QStringLiteral("5")); // copy and cut are discarded too
    }

    void typing_0Before12_keepsIntValue12()
    {
        edit->SetValue(QStringLiteral("12"));
        QVERIFY(Focus(0));
        QTest::keyClick(edit, Qt::Key_0);
        QCOMPARE(edit->Value(), QStringLiteral("012"));
        QCOMPARE(edit->IntValue(), 12);
    }

    void paste_takesDigitsOnly_data()
    {
        QTest::addColumn<bool>("viaMenu");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("expected");

        for (const bool viaMenu : {false, true}) {
            const auto row = [viaMenu](const char* name) -> QTestData& {
                return QTest::addRow("%s %s", viaMenu ? "menu" : "shift+insert", name) << viaMenu;
            };
            row("123 into zero") << false << "0" << 9 << 1 << "123"
                                 << "123";
            row("12a dropped") << false << "12" << 9 << 2 << "12a"
                               << "12";
            row("45 after the 1") << false << "12" << 9 << 1 << "45"
                                  << "1452";
            row("over whole text") << false << "12" << 9 << WholeText << "7"
                                   << "7";
            row("cut to max length") << false << "12" << 4 << 2 << "3456"
                                     << "1234";
            row("empty into zero") << false << "0" << 9 << 1 << ""
                                   << "0";
        }
        // A read-only field's menu has no paste at all.
        QTest::newRow("shift+insert read-only") << false << true << "12" << 9 << 2 << "3"
                                                << "12";
    }

    void paste_takesDigitsOnly()
    {
        QFETCH(bool, viaMenu);
        QFETCH(bool, readOnly);
        QFETCH(QString, start);
        QFETCH(int, maxLength);
        QFETCH(int, cursor);
        QFETCH(QString, clip);
        QFETCH(QString, expected);

        edit->setMaxLength(maxLength);
        edit->SetValue(start);
        edit->setReadOnly(readOnly);
        QVERIFY(Focus(cursor));
        Clipboard().setText(clip);
        if (viaMenu) {
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                      edit->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(edit, &request);
            auto* const menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            const QList<QAction*> actions = menu->actions();
            const auto paste = std::find_if(actions.cbegin(), actions.cend(), [](const QAction* action) {
                return action->text() == QLineEdit::tr("&Paste");
            });
            QVERIFY(paste != actions.cend());
            (*paste)->trigger();
            menu->close();
        } else {
            QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        }

        QCOMPARE(edit->text(), expected);
        QCOMPARE(edit->Value(), expected);
    }

    void enterAndEscape_reachTheDialogButtons_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("okClicks");
        QTest::newRow("return") << Qt::Key_Return << int(QDialog::Accepted) << 1;
        QTest::newRow("enter") << Qt::Key_Enter << int(QDialog::Accepted) << 1;
        QTest::newRow("escape") << Qt::Key_Escape << int(QDialog::Rejected) << 0;
    }

    void enterAndEscape_reachTheDialogButtons()
    {
        QFETCH(Qt::Key, key);
        QFETCH(int, result);
        QFETCH(int, okClicks);

        QDialog dialog;
        auto* const layout = new QVBoxLayout(&dialog);
        auto* const field = new TNumEdit(&dialog);
        auto* const ok = new QPushButton(QStringLiteral("OK"), &dialog);
        auto* const cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
        layout->addWidget(field);
        layout->addWidget(ok);
        layout->addWidget(cancel);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
        dialog.setResult(-1);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        field->setFocus();
        QSignalSpy clicked(ok, &QPushButton::clicked);
        QSignalSpy returnPressed(field, &QLineEdit::returnPressed);

        QTest::keyClick(field, key);

        QCOMPARE(dialog.result(), result);
        QCOMPARE(clicked.count(), okClicks);
        QCOMPARE(returnPressed.count(), 0);
        QVERIFY(dialog.isHidden());
    }

    void setValue_takesDigitsOnly_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("intValue");
        QTest::newRow("digits") << "12"
                                << "1995"
                                << "1995" << 1995;
        QTest::newRow("leading zeros") << "12"
                                       << "0042"
                                       << "0042" << 42;
        QTest::newRow("empty shows zero") << "12"
                                          << ""
                                          << "0" << 0;
        QTest::newRow("minus ignored") << "12"
                                       << "-5"
                                       << "12" << 12;
        QTest::newRow("letter ignored") << "12"
                                        << "1a"
                                        << "12" << 12;
        QTest::newRow("cut to max length") << "12"
                                           << "1234567890"
                                           << "123456789" << 123456789;
        QTest::newRow("cut to the text it had") << "123456789"
                                                << "1234567890"
                                                << "123456789" << 123456789;
    }

    void setValue_takesDigitsOnly()
    {
        QFETCH(QString, start);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QFETCH(int, intValue);
        edit->SetValue(start);
        edit->SetValue(value);
        QCOMPARE(edit->text(), expected);
        QCOMPARE(edit->Value(), expected);
        QCOMPARE(edit->IntValue(), intValue);
    }

    void setIntValue_ignoresNegatives_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("-1") << "12" << -1 << "12";
        QTest::newRow("1995") << "12" << 1995 << "1995";
        QTest::newRow("0") << "12" << 0 << "0";
        QTest::newRow("12 over 012") << "012" << 12 << "12";
    }

    void setIntValue_ignoresNegatives()
    {
        QFETCH(QString, start);
        QFETCH(int, n);
        QFETCH(QString, expected);
        edit->SetValue(start);
        edit->SetIntValue(n);
        QCOMPARE(edit->text(), expected);
        QCOMPARE(edit->Value(), expected);
    }

    void intValue_beyondIntRange_givesLargestInt()
    {
        edit->setMaxLength(12);
        edit->SetValue(QStringLiteral("2147483647"));
        QCOMPARE(edit->IntValue(), std::numeric_limits<int>::max());
        edit->SetValue(QStringLiteral("999999999999"));
        QCOMPARE(edit->IntValue(), std::numeric_limits<int>::max());
    }

    void zeroWhenEmptyCleared_leavesFieldBlankUntilNextChange()
    {
        edit->SetValue(QStringLiteral("12"));
        edit->FZeroWhenEmpty = false;
        edit->setText(QString());
        QCOMPARE(edit->text(), QString());
        QCOMPARE(edit->Value(), QString());
        QVERIFY(edit->FZeroWhenEmpty);

        QVERIFY(Focus(0));
        QTest::keyClick(edit, Qt::Key_5);
        QCOMPARE(edit->Value(), QStringLiteral("5"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QCOMPARE(edit->Value(), QStringLiteral("0"));
    }

    void readOnly_leavesKeysToTheBaseField_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("clipAfterCopy");
        QTest::addColumn<int>("returnPressed");
        QTest::newRow("read-only") << true << "12" << 1;
        QTest::newRow("editable") << false << "5" << 0;
    }

    void readOnly_leavesKeysToTheBaseField()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, clipAfterCopy);
        QFETCH(int, returnPressed);
        edit->SetValue(QStringLiteral("12"));
        edit->setReadOnly(readOnly);
        QVERIFY(Focus(WholeText));
        QSignalSpy returns(edit, &QLineEdit::returnPressed);

        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClicks(edit, QStringLiteral("a"));
        QTest::keyClick(edit, Qt::Key_Return);

        QCOMPARE(Clipboard().text(), clipAfterCopy);
        QCOMPARE(returns.count(), returnPressed);
        QCOMPARE(edit->text(), QStringLiteral("12"));
    }

    void entering_selectsWholeText_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("autoSelect");
        QTest::addColumn<QString>("afterDigit");
        QTest::newRow("tab") << "tab" << true << "7";
        QTest::newRow("backtab") << "backtab" << true << "7";
        QTest::newRow("set focus") << "set focus" << true << "7";
        QTest::newRow("mouse click") << "mouse" << true << "7";
        QTest::newRow("tab without auto-select") << "tab" << false << "19957";
    }

    void entering_selectsWholeText()
    {
        QFETCH(QString, how);
        QFETCH(bool, autoSelect);
        QFETCH(QString, afterDigit);
        edit->SetValue(QStringLiteral("1995"));
        edit->SetAutoSelect(autoSelect);
        // Backtab arrives from a field placed after this one.
        auto* const after = new QLineEdit(window.get());
        window->layout()->addWidget(after);
        after->show();

        if (how == u"tab") {
            before->setFocus();
            QTest::keyClick(before, Qt::Key_Tab);
        } else if (how == u"backtab") {
            after->setFocus();
            QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
        } else if (how == u"mouse") {
            before->setFocus();
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() / 2, edit->height() / 2));
        } else {
            edit->setFocus();
        }
        QVERIFY(edit->hasFocus());

        QCOMPARE(edit->selectedText(), autoSelect ? QStringLiteral("1995") : QString());
        QTest::keyClick(edit, Qt::Key_7);
        QCOMPARE(edit->Value(), afterDigit);
    }

    void windowActivation_selectsOnFirstShowOnly()
    {
        QWidget dialog;
        auto* const field = new TNumEdit(&dialog);
        field->SetValue(QStringLiteral("1995"));
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(field->hasFocus());
        QCOMPARE(field->selectedText(), QStringLiteral("1995"));

        // Coming back from another window is no new entry: the caret stays where it was.
        field->setCursorPosition(2);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(field->hasFocus());
        QCOMPARE(field->selectedText(), QString());
        QCOMPARE(field->cursorPosition(), 2);
    }

    void onChange_firesWhileValueHoldsThePrevious_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QStringList>("seen"); // "text|Value" during each OnChange
        QTest::addColumn<QString>("expected");
        QTest::newRow("digits") << false << "7"
                                << "42" << QStringList{"42|7"} << "42";
        QTest::newRow("letter in text") << false << "7"
                                        << "4a" << QStringList{"4a|7", "0|7"} << "0";
        QTest::newRow("emptied") << false << "7"
                                 << "" << QStringList{"|7", "0|7"} << "0";
        QTest::newRow("typed over zero") << true << "0"
                                         << "5" << QStringList{"|0", "5|"} << "5";
    }

    void onChange_firesWhileValueHoldsThePrevious()
    {
        QFETCH(bool, typed);
        QFETCH(QString, start);
        QFETCH(QString, newText);
        QFETCH(QStringList, seen);
        QFETCH(QString, expected);
        edit->SetValue(start);
        QVERIFY(Focus(start.size()));
        QStringList observed;
        const auto record = connect(edit, &TNumEdit::OnChange, this,
                                    [&] { observed << edit->text() + u'|' + edit->Value(); });
        const auto stopRecording = qScopeGuard([&] { disconnect(record); });

        if (typed)
            QTest::keyClicks(edit, newText);
        else
            edit->setText(newText);

        QCOMPARE(observed, seen);
        QCOMPARE(edit->Value(), expected);
    }

    void inputMethodCommit_takesDigitsOnly_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("composed letter") << "12"
                                         << "\u00e9"
                                         << "12";
        QTest::newRow("digit replaces the zero") << "0"
                                                 << "7"
                                                 << "7";
        QTest::newRow("digits at the caret") << "12"
                                             << "34"
                                             << "1234";
    }

    void inputMethodCommit_takesDigitsOnly()
    {
        QFETCH(QString, start);
        QFETCH(QString, commit);
        QFETCH(QString, expected);
        edit->SetValue(start);
        QVERIFY(Focus(start.size()));
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(edit, &event);
        QCOMPARE(edit->text(), expected);
        QCOMPARE(edit->Value(), expected);
    }
};

QTEST_MAIN(TstNumEdit)
#include "tst_numedit.moc"
