#include "WindowFixture.h"

#include "catalogue/RecordText.h"
#include "controls/NumEdit.h"
#include "support/MessageBoxScript.h"
#include "support/ModalScript.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cstring>

using catalogue::FilmRecord;
Q_DECLARE_METATYPE(std::vector<catalogue::FilmRecord>)
using testsupport::makeRecord;
using testsupport::widget;
using windows::CassetteDialog;
using namespace Qt::StringLiterals;

class TestCassetteDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ui::setLanguage(0); }

    void newCassette_checksInOrder_data();
    void newCassette_checksInOrder();
    void newCassette_captionsAndEmptyFields();
    void editCassette_minimumFromRow_data();
    void editCassette_minimumFromRow();
    void editCassette_lengthBelowMinimumRefused();
    void editCassette_anyNameAccepted_anotherTapesNameJoinsThem_data();
    void editCassette_anyNameAccepted_anotherTapesNameJoinsThem();
    void cancelAndCloseBox_changeNothing();
    void firstShow_centredWithItsFinalSize();
    void returnKey_pressesFocusedButton_orFromFieldTheDefault_data();
    void returnKey_pressesFocusedButton_orFromFieldTheDefault();

private:
    // Shows the dialog in mode over f's selected row, fills it, presses OK; the result is the
    // dialog's verdict.
    static bool submit(WindowFixture& f, CassetteDialog::Mode mode, const QString& name,
                       const QString& length)
    {
        f.cassetteDialog->setMode(mode);
        f.cassetteDialog->setResult(0);
        f.cassetteDialog->show();
        nameEdit(f.cassetteDialog)->setText(name);
        lengthEdit(f.cassetteDialog)->setValue(length);
        f.cassetteDialog->acceptIfValid();
        const bool accepted = f.cassetteDialog->result() == QDialog::Accepted;
        f.cassetteDialog->hide();
        return accepted;
    }
};

void TestCassetteDialog::newCassette_checksInOrder_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("caption"); // empty: accepted
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("focus");

    QTest::newRow("empty name before bad length") << 0 << QString() << u"0"_s << u"No Tapename!"_s
                                                  << u"Please enter a name for the Tape!"_s << u"nameEdit"_s;
    QTest::newRow("empty name de") << 1 << QString() << u"100"_s << u"Kassettenbezeichnung fehlt!"_s
                                   << u"Bitte geben Sie eine Bezeichnung für die Kassette an!"_s
                                   << u"nameEdit"_s;
    QTest::newRow("length 0 before duplicate")
        << 0 << u"abc"_s << u"0"_s << u"Invalid Tapelength"_s
        << u"You have entered an invalid value for the Tapelength. You must enter a value between 1 and 65535."_s
        << u"lengthEdit"_s;
    QTest::newRow("length 99999 de") << 1 << u"Neu"_s << u"99999"_s << u"Ungültige Kassettenlänge"_s
                                     << u"Sie haben einen ungültigen Wert für die Kassettenlänge angegeben. "
                                        u"Sie müssen einen Wert zwischen 1 und "
                                        u"65535 angeben."_s
                                     << u"lengthEdit"_s;
    QTest::newRow("duplicate ignoring case")
        << 0 << u"abc"_s << u"100"_s << u"Tapename already exists"_s
        << u"There is already a Tape with the given name. Please enter another one."_s << u"nameEdit"_s;
    QTest::newRow("duplicate de")
        << 1 << u"ABC"_s << u"100"_s << u"Kassettenbezeichnung exisiert bereits"_s
        << u"Es existiert bereits eine Kassette mit der angegebenen Bezeichnung. Bitte geben Sie einen anderen an."_s
        << u"nameEdit"_s;
    QTest::newRow("blanks only are a name") << 0 << u"   "_s << u"1"_s << QString() << QString() << QString();
    QTest::newRow("65535 accepted") << 0 << u"Lang"_s << u"65535"_s << QString() << QString() << QString();
}

void TestCassetteDialog::newCassette_checksInOrder()
{
    QFETCH(int, language);
    QFETCH(QString, name);
    QFETCH(QString, length);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(QString, focus);

    WindowFixture f({makeRecord(u"ABC"_s, 120)});
    ui::setLanguage(quint8(language));
    testsupport::MessageBoxScript boxes;
    if (!caption.isEmpty())
        boxes.queue(QMessageBox::Ok);
    const bool accepted = submit(f, CassetteDialog::NewCassette, name, length);

    QCOMPARE(accepted, caption.isEmpty());
    if (!caption.isEmpty()) {
        QCOMPARE(boxes.callCount(), 1);
        QCOMPARE(boxes.lastCall().caption, caption);
        QCOMPARE(boxes.lastCall().text, text);
        QCOMPARE(boxes.lastCall().icon, ui::Icon::Error);
        QCOMPARE(boxes.lastCall().owner.data(), f.cassetteDialog);
        QCOMPARE(f.cassetteDialog->focusWidget()->objectName(), focus);
    }
}

void TestCassetteDialog::newCassette_captionsAndEmptyFields()
{
    WindowFixture f;
    ui::setLanguage(1);
    nameEdit(f.cassetteDialog)->setText(u"left over"_s);
    f.cassetteDialog->setMode(CassetteDialog::NewCassette);
    f.cassetteDialog->show();
    QCOMPARE(f.cassetteDialog->windowTitle(), u"Neue Kassette erstellen"_s);
    QCOMPARE(widget<QLabel>(f.cassetteDialog, u"nameLabel"_s)->text(), u"&Kassettenbezeichnung:"_s);
    QCOMPARE(widget<QLabel>(f.cassetteDialog, u"lengthLabel"_s)->text(), u"Kassetten&länge (in min.):"_s);
    QCOMPARE(widget<QPushButton>(f.cassetteDialog, u"cancelButton"_s)->text(), u"Abbrechen"_s);
    QCOMPARE(widget<QPushButton>(f.cassetteDialog, u"okButton"_s)->text(), u"OK"_s);
    QCOMPARE(nameEdit(f.cassetteDialog)->text(), QString());
    QCOMPARE(lengthEdit(f.cassetteDialog)->value(), u"0"_s);
    QCOMPARE(f.cassetteDialog->focusWidget(), nameEdit(f.cassetteDialog));
    f.cassetteDialog->hide();

    ui::setLanguage(0);
    f.cassetteDialog->show();
    QCOMPARE(f.cassetteDialog->windowTitle(), u"Create new Tape"_s);
    QCOMPARE(widget<QLabel>(f.cassetteDialog, u"nameLabel"_s)->text(), u"&Tapename:"_s);
    QCOMPARE(widget<QLabel>(f.cassetteDialog, u"lengthLabel"_s)->text(), u"Tape&length (in min.):"_s);
    QCOMPARE(widget<QPushButton>(f.cassetteDialog, u"cancelButton"_s)->text(), u"Cancel"_s);
    f.cassetteDialog->hide();
}

void TestCassetteDialog::editCassette_minimumFromRow_data()
{
    QTest::addColumn<std::vector<FilmRecord>>("records");
    QTest::addColumn<int>("minimum");
    QTest::newRow("90+100 on 240") << std::vector<FilmRecord>{makeRecord(u"T"_s, 240, u"a"_s, 90),
                                                              makeRecord(u"T"_s, 240, u"b"_s, 100)}
                                   << 190;
    QTest::newRow("long-play 121 on 180")
        << std::vector<FilmRecord>{makeRecord(u"T"_s, 180, u"a"_s, 121, 1)} << 61;
    QTest::newRow("empty") << std::vector<FilmRecord>{makeRecord(u"T"_s, 240)} << 1;
    QTest::newRow("over-full 95 on 90") << std::vector<FilmRecord>{makeRecord(u"T"_s, 90, u"a"_s, 95)} << 95;
}

void TestCassetteDialog::editCassette_minimumFromRow()
{
    QFETCH(std::vector<FilmRecord>, records);
    QFETCH(int, minimum);
    WindowFixture f(records);
    f.list()->setSelectedRow(0);
    ui::setLanguage(1);
    f.cassetteDialog->setMode(CassetteDialog::EditCassette);
    f.cassetteDialog->show();
    QCOMPARE(f.cassetteDialog->minimumLength(), minimum);
    QCOMPARE(f.cassetteDialog->windowTitle(), u"Eigenschaften von T"_s);
    QCOMPARE(nameEdit(f.cassetteDialog)->text(), u"T"_s);
    QCOMPARE(lengthEdit(f.cassetteDialog)->value(), f.list()->value(0, 1).toString());
    f.cassetteDialog->hide();
}

void TestCassetteDialog::editCassette_lengthBelowMinimumRefused()
{
    WindowFixture f({makeRecord(u"T"_s, 240, u"a"_s, 90), makeRecord(u"T"_s, 240, u"b"_s, 100)});
    f.list()->setSelectedRow(0);
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Ok);
    QVERIFY(!submit(f, CassetteDialog::EditCassette, u"T"_s, u"189"_s));
    QVERIFY(boxes.lastCall().text.contains(u"between 190 and 65535."_s));
    QVERIFY(submit(f, CassetteDialog::EditCassette, u"T"_s, u"190"_s));
}

void TestCassetteDialog::editCassette_anyNameAccepted_anotherTapesNameJoinsThem_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("renamed"); // the records that take the name and length
    QTest::addColumn<QStringList>("rows");   // afterwards: caption|length|films|remaining
    QTest::addColumn<int>("selectedAfter");
    // Records: Krimi k1 60, Natur n1 30, Doku d1 45, Krimi k2 20.
    QTest::newRow("onto a cassette listed before")
        << 2 << u"Krimi"_s << 90 << QList<int>{2} << QStringList{u"Krimi|240|3|115"_s, u"Natur|180|1|150"_s}
        << 0;
    QTest::newRow("onto a cassette listed after")
        << 0 << u"Doku"_s << 240 << QList<int>{0, 3} << QStringList{u"Doku|240|3|115"_s, u"Natur|180|1|150"_s}
        << 0;
    QTest::newRow("own name in other case")
        << 1 << u"NATUR"_s << 200 << QList<int>{1}
        << QStringList{u"Krimi|240|2|160"_s, u"NATUR|200|1|170"_s, u"Doku|90|1|45"_s} << 1;
    // Another case of another's name: two cassettes behind the first one's row, as at the next start.
    QTest::newRow("another's name in other case")
        << 2 << u"KRIMI"_s << 90 << QList<int>{2} << QStringList{u"Krimi|240|2|160"_s, u"Natur|180|1|150"_s}
        << 0;
}

// An edit takes any name. Onto another cassette's name the records of both carry it and count as one
// cassette, shown at once in one row, the first of the name; undone, the two are apart again. Checked
// against the archive each state saves, byte for byte.
void TestCassetteDialog::editCassette_anyNameAccepted_anotherTapesNameJoinsThem()
{
    QFETCH(int, selected);
    QFETCH(QString, name);
    QFETCH(int, length);
    QFETCH(QList<int>, renamed);
    QFETCH(QStringList, rows);
    QFETCH(int, selectedAfter);
    WindowFixture f({makeRecord(u"Krimi"_s, 240, u"k1"_s, 60), makeRecord(u"Natur"_s, 180, u"n1"_s, 30),
                     makeRecord(u"Doku"_s, 90, u"d1"_s, 45), makeRecord(u"Krimi"_s, 240, u"k2"_s, 20)});
    const auto saved = [&f] {
        if (!catalogue::writeArchive(f.catalogue, f.archivePath()).saved)
            return QByteArray();
        return testsupport::readFileBytes(f.archivePath());
    };
    const auto shownRows = [&f] {
        QStringList shown;
        for (int row = 0; row < f.list()->rowCount(); ++row)
            shown << f.row(row).join(u'|');
        return shown;
    };
    const QByteArray before = saved();
    const QStringList rowsBefore = shownRows();
    QByteArray expected = before;
    for (const int index : renamed) {
        FilmRecord record;
        std::memcpy(static_cast<void*>(&record), expected.constData() + index * catalogue::kRecordSize,
                    catalogue::kRecordSize);
        catalogue::setText(record.tapeName, name);
        record.tapeLength = quint16(length);
        expected.replace(index * catalogue::kRecordSize, catalogue::kRecordSize,
                         QByteArray(reinterpret_cast<const char*>(&record), catalogue::kRecordSize));
    }

    f.list()->setSelectedRow(selected);
    testsupport::MessageBoxScript boxes;
    testsupport::ModalScript modal;
    modal.queueShown<CassetteDialog>([&](CassetteDialog* dialog) {
        nameEdit(dialog)->setText(name);
        lengthEdit(dialog)->setIntValue(length);
        dialog->acceptIfValid();
    });
    f.mainWindow->editCassette();
    QCOMPARE(boxes.callCount(), 0);
    QCOMPARE(shownRows(), rows);
    QCOMPARE(f.list()->selectedRow(), selectedAfter);
    QVERIFY(saved() == expected);

    f.undoStack.undo();
    QCOMPARE(shownRows(), rowsBefore);
    QVERIFY(saved() == before);
    f.undoStack.redo();
    QCOMPARE(shownRows(), rows);
    QVERIFY(saved() == expected);
}

void TestCassetteDialog::cancelAndCloseBox_changeNothing()
{
    WindowFixture f({makeRecord(u"Krimi"_s, 240, u"a"_s, 60)});
    f.list()->setSelectedRow(0);
    const QByteArray before = testsupport::recordImage(*f.catalogue.head());
    testsupport::ModalScript modal;
    modal.queueShown<CassetteDialog>([](CassetteDialog* dialog) {
        nameEdit(dialog)->setText(u"Anders"_s);
        lengthEdit(dialog)->setIntValue(500);
        widget<QPushButton>(dialog, u"cancelButton"_s)->click();
    });
    modal.queueShown<CassetteDialog>([](CassetteDialog* dialog) {
        nameEdit(dialog)->setText(u"Anders"_s);
        dialog->close();
    });
    f.mainWindow->editCassette();
    f.mainWindow->createCassette();
    QCOMPARE(f.catalogue.recordCount(), 1);
    QCOMPARE(testsupport::recordImage(*f.catalogue.head()), before);
    QCOMPARE(f.list()->rowCount(), 1);
    QCOMPARE(f.list()->caption(0), u"Krimi"_s);
}

// The captions are set as the dialog shows, and they change its size.
void TestCassetteDialog::firstShow_centredWithItsFinalSize()
{
    WindowFixture f;
    f.cassetteDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.cassetteDialog));
    const QPoint offset =
        f.cassetteDialog->frameGeometry().center() - f.cassetteDialog->screen()->availableGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(u"%1,%2"_s.arg(offset.x()).arg(offset.y())));
}

void TestCassetteDialog::returnKey_pressesFocusedButton_orFromFieldTheDefault_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("result");
    QTest::newRow("Cancel") << u"cancelButton"_s << int(QDialog::Rejected);
    QTest::newRow("OK") << u"okButton"_s << int(QDialog::Accepted);
    QTest::newRow("name field") << u"nameEdit"_s << int(QDialog::Accepted);
    QTest::newRow("length field") << u"lengthEdit"_s << int(QDialog::Accepted);
}

void TestCassetteDialog::returnKey_pressesFocusedButton_orFromFieldTheDefault()
{
    QFETCH(QString, focus);
    QFETCH(int, result);
    WindowFixture f;
    f.cassetteDialog->setMode(CassetteDialog::NewCassette);
    f.cassetteDialog->setResult(-1);
    f.cassetteDialog->show();
    QVERIFY(QTest::qWaitForWindowActive(f.cassetteDialog));
    nameEdit(f.cassetteDialog)->setText(u"Neu"_s);
    lengthEdit(f.cassetteDialog)->setIntValue(90);
    QWidget* focused = widget<QWidget>(f.cassetteDialog, focus);
    focused->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused, Qt::Key_Return);
    QCOMPARE(f.cassetteDialog->result(), result);
}

QTEST_MAIN(TestCassetteDialog)
#include "tst_cassettedialog.moc"
