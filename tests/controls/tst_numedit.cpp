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

using controls::NumEdit;
using namespace Qt::StringLiterals;

namespace {

constexpr int kWholeText = -1; // cursor column value: select the whole text

QClipboard& clipboard()
{
    return *QGuiApplication::clipboard();
}

} // namespace

class TestNumEdit : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window_;
    QLineEdit* before_ = nullptr;
    NumEdit* edit_ = nullptr;

    // Gives the field the focus and puts the caret at cursor, or selects everything.
    [[nodiscard]] bool focus(int cursor)
    {
        edit_->setFocus();
        if (cursor == kWholeText)
            edit_->selectAll();
        else
            edit_->setCursorPosition(cursor);
        return edit_->hasFocus();
    }

private Q_SLOTS:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        auto* const layout = new QVBoxLayout(window_.get());
        before_ = new QLineEdit(window_.get());
        edit_ = new NumEdit(window_.get());
        layout->addWidget(before_);
        layout->addWidget(edit_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        clipboard().setText(QStringLiteral("5"));
    }

    void cleanup() { window_.reset(); }

    void creation_givesRightAlignedZeroOfAtMostNineDigits()
    {
        NumEdit fresh;
        QCOMPARE(fresh.value(), QStringLiteral("0"));
        QCOMPARE(fresh.text(), QStringLiteral("0"));
        QVERIFY(fresh.zeroWhenEmpty());
        QCOMPARE(fresh.maxLength(), 9);
        QCOMPARE(fresh.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

        fresh.setValue(QStringLiteral("1995"));
        fresh.setAlignment(Qt::AlignHCenter);
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
        QCOMPARE(NumEdit::allDigits(text), expected);
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
        QTest::newRow("digit over whole text") << "1995" << 9 << kWholeText << text("7") << "7";
        QTest::newRow("fifth digit at length 4") << "1234" << 4 << 4 << text("5") << "1234";
        QTest::newRow("backspace every digit")
            << "123" << 9 << 3
            << keys({{Qt::Key_Backspace, none}, {Qt::Key_Backspace, none}, {Qt::Key_Backspace, none}}) << "0";
        QTest::newRow("delete every digit")
            << "123" << 9 << 0
            << keys({{Qt::Key_Delete, none}, {Qt::Key_Delete, none}, {Qt::Key_Delete, none}}) << "0";
        QTest::newRow("backspace over whole text")
            << "123" << 9 << kWholeText << keys({{Qt::Key_Backspace, none}}) << "0";
        QTest::newRow("minus") << "12" << 9 << kWholeText << text("-") << "12";
        QTest::newRow("plus") << "12" << 9 << kWholeText << text("+") << "12";
        QTest::newRow("letters") << "12" << 9 << kWholeText << text("aZ") << "12";
        QTest::newRow("blank") << "12" << 9 << kWholeText << text(" ") << "12";
        QTest::newRow("separators") << "12" << 9 << 1 << text(".,") << "12";
        QTest::newRow("ctrl+v") << "12" << 9 << kWholeText << keys({{Qt::Key_V, ctrl}}) << "12";
        QTest::newRow("ctrl+x") << "12" << 9 << kWholeText << keys({{Qt::Key_X, ctrl}}) << "12";
        QTest::newRow("ctrl+c") << "12" << 9 << kWholeText << keys({{Qt::Key_C, ctrl}}) << "12";
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

        edit_->setMaxLength(maxLength);
        edit_->setValue(start);
        QVERIFY(focus(cursor));
        keys.simulate(edit_);

        QCOMPARE(edit_->text(), expected);
        QCOMPARE(edit_->value(), expected);
        QCOMPARE(clipboard().text(), QStringLiteral("5")); // copy and cut are discarded too
    }

    void typing_0Before12_keepsIntValue12()
    {
        edit_->setValue(QStringLiteral("12"));
        QVERIFY(focus(0));
        QTest::keyClick(edit_, Qt::Key_0);
        QCOMPARE(edit_->value(), QStringLiteral("012"));
        QCOMPARE(edit_->intValue(), 12);
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
            row("over whole text") << false << "12" << 9 << kWholeText << "7"
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

        edit_->setMaxLength(maxLength);
        edit_->setValue(start);
        edit_->setReadOnly(readOnly);
        QVERIFY(focus(cursor));
        clipboard().setText(clip);
        if (viaMenu) {
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                      edit_->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(edit_, &request);
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
            QTest::keyClick(edit_, Qt::Key_Insert, Qt::ShiftModifier);
        }

        QCOMPARE(edit_->text(), expected);
        QCOMPARE(edit_->value(), expected);
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
        auto* const field = new NumEdit(&dialog);
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
        edit_->setValue(start);
        edit_->setValue(value);
        QCOMPARE(edit_->text(), expected);
        QCOMPARE(edit_->value(), expected);
        QCOMPARE(edit_->intValue(), intValue);
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
        edit_->setValue(start);
        edit_->setIntValue(n);
        QCOMPARE(edit_->text(), expected);
        QCOMPARE(edit_->value(), expected);
    }

    void intValue_beyondIntRange_givesLargestInt()
    {
        edit_->setMaxLength(12);
        edit_->setValue(QStringLiteral("2147483647"));
        QCOMPARE(edit_->intValue(), std::numeric_limits<int>::max());
        edit_->setValue(QStringLiteral("999999999999"));
        QCOMPARE(edit_->intValue(), std::numeric_limits<int>::max());
    }

    void zeroWhenEmptyCleared_leavesFieldBlankUntilNextChange()
    {
        edit_->setValue(QStringLiteral("12"));
        edit_->setZeroWhenEmpty(false);
        edit_->setText(QString());
        QCOMPARE(edit_->text(), QString());
        QCOMPARE(edit_->value(), QString());
        QVERIFY(edit_->zeroWhenEmpty());

        QVERIFY(focus(0));
        QTest::keyClick(edit_, Qt::Key_5);
        QCOMPARE(edit_->value(), QStringLiteral("5"));
        QTest::keyClick(edit_, Qt::Key_Backspace);
        QCOMPARE(edit_->text(), QStringLiteral("0"));
        QCOMPARE(edit_->value(), QStringLiteral("0"));
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
        edit_->setValue(QStringLiteral("12"));
        edit_->setReadOnly(readOnly);
        QVERIFY(focus(kWholeText));
        QSignalSpy returns(edit_, &QLineEdit::returnPressed);

        QTest::keyClick(edit_, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClicks(edit_, QStringLiteral("a"));
        QTest::keyClick(edit_, Qt::Key_Return);

        QCOMPARE(clipboard().text(), clipAfterCopy);
        QCOMPARE(returns.count(), returnPressed);
        QCOMPARE(edit_->text(), QStringLiteral("12"));
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
        edit_->setValue(QStringLiteral("1995"));
        edit_->setAutoSelect(autoSelect);
        // Backtab arrives from a field placed after this one.
        auto* const after = new QLineEdit(window_.get());
        window_->layout()->addWidget(after);
        after->show();

        if (how == u"tab") {
            before_->setFocus();
            QTest::keyClick(before_, Qt::Key_Tab);
        } else if (how == u"backtab") {
            after->setFocus();
            QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
        } else if (how == u"mouse") {
            before_->setFocus();
            QTest::mouseClick(edit_, Qt::LeftButton, {}, QPoint(edit_->width() / 2, edit_->height() / 2));
        } else {
            edit_->setFocus();
        }
        QVERIFY(edit_->hasFocus());

        QCOMPARE(edit_->selectedText(), autoSelect ? QStringLiteral("1995") : QString());
        QTest::keyClick(edit_, Qt::Key_7);
        QCOMPARE(edit_->value(), afterDigit);
    }

    void windowActivation_selectsOnFirstShowOnly()
    {
        QWidget dialog;
        auto* const field = new NumEdit(&dialog);
        field->setValue(QStringLiteral("1995"));
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

    void valueChanging_firesWhileValueHoldsThePrevious_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QStringList>("seen"); // "text|value" during each valueChanging
        QTest::addColumn<QString>("expected");
        QTest::newRow("digits") << false << "7"
                                << "42" << QStringList{u"42|7"_s} << "42";
        QTest::newRow("letter in text") << false << "7"
                                        << "4a" << QStringList{u"4a|7"_s, u"0|7"_s} << "0";
        QTest::newRow("emptied") << false << "7"
                                 << "" << QStringList{u"|7"_s, u"0|7"_s} << "0";
        QTest::newRow("typed over zero") << true << "0"
                                         << "5" << QStringList{u"|0"_s, u"5|"_s} << "5";
    }

    void valueChanging_firesWhileValueHoldsThePrevious()
    {
        QFETCH(bool, typed);
        QFETCH(QString, start);
        QFETCH(QString, newText);
        QFETCH(QStringList, seen);
        QFETCH(QString, expected);
        edit_->setValue(start);
        QVERIFY(focus(start.size()));
        QStringList observed;
        const auto record = connect(edit_, &NumEdit::valueChanging, this,
                                    [&] { observed << edit_->text() + u'|' + edit_->value(); });
        const auto stopRecording = qScopeGuard([&] { disconnect(record); });

        if (typed)
            QTest::keyClicks(edit_, newText);
        else
            edit_->setText(newText);

        QCOMPARE(observed, seen);
        QCOMPARE(edit_->value(), expected);
    }

    // Every way the text can change: the handler still reads the previous value, and the new text.
    void valueChanging_leavesPreviousValueReadable_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("seen"); // "text|value" during each valueChanging
        QTest::newRow("setValue") << "7"
                                  << "setValue"
                                  << "42" << QStringList{u"42|7"_s};
        QTest::newRow("setValue emptied") << "7"
                                          << "setValue"
                                          << "" << QStringList{u"|7"_s, u"0|7"_s};
        QTest::newRow("setIntValue") << "7"
                                     << "setIntValue"
                                     << "1995" << QStringList{u"1995|7"_s};
        QTest::newRow("backspace emptied") << "7"
                                           << "backspace"
                                           << "" << QStringList{u"|7"_s, u"0|7"_s};
        QTest::newRow("paste") << "12"
                               << "paste"
                               << "34" << QStringList{u"1234|12"_s};
        QTest::newRow("paste over zero") << "0"
                                         << "paste"
                                         << "5" << QStringList{u"|0"_s, u"5|"_s};
        QTest::newRow("input method") << "12"
                                      << "input method"
                                      << "3" << QStringList{u"123|12"_s};
    }

    void valueChanging_leavesPreviousValueReadable()
    {
        QFETCH(QString, start);
        QFETCH(QString, how);
        QFETCH(QString, input);
        QFETCH(QStringList, seen);
        edit_->setValue(start);
        QVERIFY(focus(start.size()));
        QStringList observed;
        const auto record = connect(edit_, &NumEdit::valueChanging, this,
                                    [&] { observed << edit_->text() + u'|' + edit_->value(); });
        const auto stopRecording = qScopeGuard([&] { disconnect(record); });

        if (how == u"setValue") {
            edit_->setValue(input);
        } else if (how == u"setIntValue") {
            edit_->setIntValue(input.toInt());
        } else if (how == u"backspace") {
            QTest::keyClick(edit_, Qt::Key_Backspace);
        } else if (how == u"paste") {
            clipboard().setText(input);
            QTest::keyClick(edit_, Qt::Key_Insert, Qt::ShiftModifier);
        } else {
            QInputMethodEvent event;
            event.setCommitString(input);
            QApplication::sendEvent(edit_, &event);
        }

        QCOMPARE(observed, seen);
        QCOMPARE(edit_->value(), edit_->text());
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
        edit_->setValue(start);
        QVERIFY(focus(start.size()));
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(edit_, &event);
        QCOMPARE(edit_->text(), expected);
        QCOMPARE(edit_->value(), expected);
    }
};

QTEST_MAIN(TestNumEdit)
#include "tst_numedit.moc"
