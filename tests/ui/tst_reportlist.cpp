#include "ui/ReportList.h"

#include <QSignalSpy>
#include <QTest>

class tst_ReportList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsAndColumns_keepTheirTexts()
    {
        ui::ReportList list;
        list.setColumns({QStringLiteral("Tape"), QStringLiteral("Length"), QStringLiteral("No. of films")},
                        {160, 42, 61});
        QCOMPARE(list.model()->columnCount(), 3);
        QCOMPARE(list.columnWidth(0), 160);
        list.setColumnCaption(1, QStringLiteral("Länge"));
        QCOMPARE(list.columnCaption(1), QStringLiteral("Länge"));
        QCOMPARE(list.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Länge"));

        QCOMPARE(list.addRow(QStringLiteral("A"), {QStringLiteral("240"), QStringLiteral("2")}), 0);
        QCOMPARE(list.addRow(QStringLiteral("B"), {}), 1);
        list.setCaption(0, QStringLiteral("A2"));
        list.setSubItem(0, 1, QStringLiteral("3"));
        list.setSubItem(1, 1, QStringLiteral("5")); // beyond the row's last sub-item
        QCOMPARE(list.caption(0), QStringLiteral("A2"));
        QCOMPARE(list.subItem(0, 0), QStringLiteral("240"));
        QCOMPARE(list.subItem(0, 1), QStringLiteral("3"));
        QCOMPARE(list.subItem(1, 0), QString());
        QCOMPARE(list.subItem(1, 1), QStringLiteral("5"));
        QCOMPARE(list.model()->data(list.model()->index(0, 2)).toString(), QStringLiteral("3"));
        QVERIFY(!(list.model()->flags(list.model()->index(0, 0)) & Qt::ItemIsEditable));

        list.clearRows();
        QCOMPARE(list.rowCount(), 0);
        QCOMPARE(list.selectedRow(), -1);
    }

    void findCaption_wholeCaptionIgnoringCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        QTest::newRow("same case") << QStringLiteral("abc") << 0;
        QTest::newRow("other case, first match wins") << QStringLiteral("ABC") << 0;
        QTest::newRow("umlaut in other case") << QStringLiteral("KÄSE") << 2;
        QTest::newRow("prefix") << QStringLiteral("ab") << -1;
        QTest::newRow("longer") << QStringLiteral("abcd") << -1;
        QTest::newRow("empty") << QString() << -1;
        QTest::newRow("later row") << QStringLiteral("abc d") << 3;
    }

    void findCaption_wholeCaptionIgnoringCase()
    {
        QFETCH(QString, text);
        QFETCH(int, row);
        ui::ReportList list;
        for (const char16_t* caption : {u"abc", u"ABC", u"Käse", u"Abc D"}) {
            list.addRow(QString::fromUtf16(caption), {});
        }
        QCOMPARE(list.findCaption(text), row);
    }

    void deleteRow_selectionFollowsItsRowOrIsGone()
    {
        ui::ReportList list;
        for (const QString& caption : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}) {
            list.addRow(caption, {caption + QLatin1Char('1')});
        }
        QCOMPARE(list.selectedRow(), -1);
        list.setSelectedRow(2);
        QCOMPARE(list.selectedRow(), 2);

        list.deleteRow(0);
        QCOMPARE(list.rowCount(), 2);
        QCOMPARE(list.selectedRow(), 1);
        QCOMPARE(list.caption(list.selectedRow()), QStringLiteral("c"));
        QCOMPARE(list.subItem(0, 0), QStringLiteral("b1"));

        list.deleteRow(1);
        QCOMPARE(list.selectedRow(), -1);
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(list.findCaption(QStringLiteral("c")), -1);

        list.deleteRow(5); // no such row
        QCOMPARE(list.rowCount(), 1);
    }

    void addRows_tenThousandInOneInsertion()
    {
        ui::ReportList list;
        list.addRow(QStringLiteral("first"), {QStringLiteral("1")});
        QList<QVariantList> rows;
        for (int i = 0; i < 10000; ++i) {
            rows.append({QStringLiteral("Tape %1").arg(i), QString::number(i)});
        }
        QSignalSpy inserted(list.model(), &QAbstractItemModel::rowsInserted);
        list.addRows(rows);

        QCOMPARE(inserted.size(), 1);
        QCOMPARE(list.rowCount(), 10001);
        QCOMPARE(list.model()->rowCount(), 10001);
        QCOMPARE(list.caption(10000), QStringLiteral("Tape 9999"));
        QCOMPARE(list.subItem(5001, 0), QStringLiteral("5000"));
        QCOMPARE(list.findCaption(QStringLiteral("tape 9999")), 10000);
    }

    void doubleClick_onRowOrBelowRows_emitsRowDoubleClicked()
    {
        ui::ReportList list;
        list.resize(300, 300);
        list.addRow(QStringLiteral("only"), {});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicked(&list, &ui::ReportList::rowDoubleClicked);

        const QRect row = list.visualRect(list.model()->index(0, 0));
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(list.selectedRow(), 0);

        list.setSelectedRow(-1);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(row.center().x(), row.bottom() + 100));
        QCOMPARE(clicked.size(), 2);
        QCOMPARE(list.selectedRow(), -1);
    }
};

QTEST_MAIN(tst_ReportList)
#include "tst_reportlist.moc"
