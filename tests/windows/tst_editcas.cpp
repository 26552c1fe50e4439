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
#include <QTest>

using catalogue::FilmRecord;
Q_DECLARE_METATYPE(std::vector<catalogue::FilmRecord>)
using testsupport::makeRecord;
using windows::Tcasprop;
using namespace Qt::StringLiterals;

class TestEditCas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ui::setLanguage(0); }

    void newMode_checksInOrder_data();
    void newMode_checksInOrder();
    void newMode_captionsAndEmptyFields();
    void editMode_minimumFromRow_data();
    void editMode_minimumFromRow();
    void editMode_lengthBelowMinimumRefused();
    void editMode_ownNameOrItsCaseAccepted_otherTapesNameRefused();
    void cancelAndCloseBox_changeNothing();

private:
    // Shows the dialog in mode over f's selected row, fills it, presses OK; the result is the
    // dialog's verdict.
    static bool submit(WindowFixture& f, Tcasprop::Mode mode, const QString& name, const QString& length)
    {
        f.casprop->mode = mode;
        f.casprop->setResult(0);
        f.casprop->show();
        f.casprop->name->setText(name);
        f.casprop->runtime->setValue(length);
        f.casprop->okClick();
        const bool accepted = f.casprop->result() == QDialog::Accepted;
        f.casprop->hide();
        return accepted;
    }
};

void TestEditCas::newMode_checksInOrder_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("caption"); // empty: accepted
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("focus");

    QTest::newRow("empty name before bad length") << 0 << QString() << u"0"_s << u"No Tapename!"_s
                                                  << u"Please enter a name for the Tape!"_s << u"name"_s;
    QTest::newRow("empty name de") << 1 << QString() << u"100"_s << u"Kassettenbezeichnung fehlt!"_s
                                   << u"Bitte geben Sie eine Bezeichnung für die Kassette an!"_s << u"name"_s;
    QTest::newRow("length 0 before duplicate")
        << 0 << u"abc"_s << u"0"_s << u"Invalid Tapelength"_s
        << u"You have entered an invalid value for the Tapelength. You must enter a value between 1 and 65535."_s
        << u"runtime"_s;
    QTest::newRow("length 99999 de") << 1 << u"Neu"_s << u"99999"_s << u"Ungültige Kassettenlänge"_s
                                     << u"Sie haben einen ungültigen Wert für die Kassettenlänge angegeben. "
                                        u"Sie müssen einen Wert zwischen 1 und "
                                        u"65535 angeben."_s
                                     << u"runtime"_s;
    QTest::newRow("duplicate ignoring case")
        << 0 << u"abc"_s << u"100"_s << u"Tapename already exists"_s
        << u"There is already a Tape with the given name. Please enter another one."_s << u"name"_s;
    QTest::newRow("duplicate de")
        << 1 << u"ABC"_s << u"100"_s << u"Kassettenbezeichnung exisiert bereits"_s
        << u"Es existiert bereits eine Kassette mit der angegebenen Bezeichnung. Bitte geben Sie einen anderen an."_s
        << u"name"_s;
    QTest::newRow("blanks only are a name") << 0 << u"   "_s << u"1"_s << QString() << QString() << QString();
    QTest::newRow("65535 accepted") << 0 << u"Lang"_s << u"65535"_s << QString() << QString() << QString();
}

void TestEditCas::newMode_checksInOrder()
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
        boxes.queue(ui::IDOK);
    const bool accepted = submit(f, Tcasprop::NewMode, name, length);

    QCOMPARE(accepted, caption.isEmpty());
    if (!caption.isEmpty()) {
        QCOMPARE(boxes.callCount(), 1);
        QCOMPARE(boxes.lastCall().caption, caption);
        QCOMPARE(boxes.lastCall().text, text);
        QCOMPARE(boxes.lastCall().flags, unsigned(ui::MB_ICONERROR));
        QCOMPARE(boxes.lastCall().owner.data(), f.casprop);
        QCOMPARE(f.casprop->focusWidget()->objectName(), focus);
    }
}

void TestEditCas::newMode_captionsAndEmptyFields()
{
    WindowFixture f;
    ui::setLanguage(1);
    f.casprop->name->setText(u"left over"_s);
    f.casprop->mode = Tcasprop::NewMode;
    f.casprop->show();
    QCOMPARE(f.casprop->windowTitle(), u"Neue Kassette erstellen"_s);
    QCOMPARE(f.casprop->Label1->text(), u"&Kassettenbezeichnung:"_s);
    QCOMPARE(f.casprop->Label2->text(), u"Kassetten&länge (in min.):"_s);
    QCOMPARE(f.casprop->cancel->text(), u"Abbrechen"_s);
    QCOMPARE(f.casprop->ok->text(), u"OK"_s);
    QCOMPARE(f.casprop->name->text(), QString());
    QCOMPARE(f.casprop->runtime->value(), u"0"_s);
    QCOMPARE(f.casprop->focusWidget(), f.casprop->name);
    f.casprop->hide();

    ui::setLanguage(0);
    f.casprop->show();
    QCOMPARE(f.casprop->windowTitle(), u"Create new Tape"_s);
    QCOMPARE(f.casprop->Label1->text(), u"&Tapename:"_s);
    QCOMPARE(f.casprop->Label2->text(), u"Tape&length (in min.):"_s);
    QCOMPARE(f.casprop->cancel->text(), u"Cancel"_s);
    f.casprop->hide();
}

void TestEditCas::editMode_minimumFromRow_data()
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

void TestEditCas::editMode_minimumFromRow()
{
    QFETCH(std::vector<FilmRecord>, records);
    QFETCH(int, minimum);
    WindowFixture f(records);
    f.mainwin->cassettes->setSelectedRow(0);
    ui::setLanguage(1);
    f.casprop->mode = Tcasprop::EditMode;
    f.casprop->show();
    QCOMPARE(f.casprop->minimumLength(), minimum);
    QCOMPARE(f.casprop->windowTitle(), u"Eigenschaften von T"_s);
    QCOMPARE(f.casprop->name->text(), u"T"_s);
    QCOMPARE(f.casprop->runtime->value(), f.mainwin->cassettes->subItem(0, 0));
    f.casprop->hide();
}

void TestEditCas::editMode_lengthBelowMinimumRefused()
{
    WindowFixture f({makeRecord(u"T"_s, 240, u"a"_s, 90), makeRecord(u"T"_s, 240, u"b"_s, 100)});
    f.mainwin->cassettes->setSelectedRow(0);
    testsupport::MessageBoxScript boxes;
    boxes.queue(ui::IDOK);
    QVERIFY(!submit(f, Tcasprop::EditMode, u"T"_s, u"189"_s));
    QVERIFY(boxes.lastCall().text.contains(u"between 190 and 65535."_s));
    QVERIFY(submit(f, Tcasprop::EditMode, u"T"_s, u"190"_s));
}

// Renaming onto another cassette's name would merge two cassettes behind two rows.
void TestEditCas::editMode_ownNameOrItsCaseAccepted_otherTapesNameRefused()
{
    WindowFixture f({makeRecord(u"Krimi"_s, 240), makeRecord(u"Natur"_s, 240)});
    f.mainwin->cassettes->setSelectedRow(1);
    testsupport::MessageBoxScript boxes;
    QVERIFY(submit(f, Tcasprop::EditMode, u"Natur"_s, u"240"_s));
    QVERIFY(submit(f, Tcasprop::EditMode, u"NATUR"_s, u"240"_s));
    boxes.queue(ui::IDOK);
    QVERIFY(!submit(f, Tcasprop::EditMode, u"krimi"_s, u"240"_s));
    QCOMPARE(boxes.lastCall().caption, u"Tapename already exists"_s);

    // Through the main window: the refused rename leaves both cassettes as they were.
    testsupport::ModalScript modal;
    boxes.queue(ui::IDOK);
    modal.queueShown<Tcasprop>([](Tcasprop* dialog) {
        dialog->name->setText(u"KRIMI"_s);
        dialog->okClick();
        if (dialog->result() != QDialog::Accepted)
            dialog->reject();
    });
    f.mainwin->editClick();
    QCOMPARE(f.mainwin->cassettes->caption(1), u"Natur"_s);
    QVERIFY(f.catalogue.findCassette(u"Natur"));
    QVERIFY(!f.catalogue.findCassette(u"KRIMI"));
}

void TestEditCas::cancelAndCloseBox_changeNothing()
{
    WindowFixture f({makeRecord(u"Krimi"_s, 240, u"a"_s, 60)});
    f.mainwin->cassettes->setSelectedRow(0);
    const QByteArray before = testsupport::recordImage(*f.catalogue.head());
    testsupport::ModalScript modal;
    modal.queueShown<Tcasprop>([](Tcasprop* dialog) {
        dialog->name->setText(u"Anders"_s);
        dialog->runtime->setIntValue(500);
        dialog->cancel->click();
    });
    modal.queueShown<Tcasprop>([](Tcasprop* dialog) {
        dialog->name->setText(u"Anders"_s);
        dialog->close();
    });
    f.mainwin->editClick();
    f.mainwin->newClick();
    QCOMPARE(f.catalogue.recordCount(), 1);
    QCOMPARE(testsupport::recordImage(*f.catalogue.head()), before);
    QCOMPARE(f.mainwin->cassettes->rowCount(), 1);
    QCOMPARE(f.mainwin->cassettes->caption(0), u"Krimi"_s);
}

QTEST_MAIN(TestEditCas)
#include "tst_editcas.moc"
