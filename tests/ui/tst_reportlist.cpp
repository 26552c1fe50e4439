#include "ui/ReportList.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <utility>

// The first and last pixel lines of image that differ anywhere from their own right-most pixel.
std::pair<int, int> inkLines(const QImage& image)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb background = image.pixel(image.width() - 1, y);
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

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

    void rowHeight_holdsUmlautDotsAndDescenders_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<bool>("selected");
        for (int pointSize : {9, 14}) {
            QTest::addRow("%dpt", pointSize) << pointSize << false;
            QTest::addRow("%dpt selected", pointSize) << pointSize << true;
        }
    }

    // Also run at other scale factors (see CMakeLists.txt).
    void rowHeight_holdsUmlautDotsAndDescenders()
    {
        QFETCH(int, pointSize);
        QFETCH(bool, selected);
        const QString text = QStringLiteral("ÄÖÜgy");
        ui::ReportList list;
        QFont font = list.font();
        font.setPointSize(pointSize);
        list.setFont(font);
        list.setFocusPolicy(Qt::NoFocus); // no focus frame among the ink
        list.setColumns({QStringLiteral("Tape")}, {300});
        for (const QString& caption : {QString(), text, QString()}) {
            list.addRow(caption, {});
        }
        list.setSelectedRow(selected ? 1 : -1);
        list.resize(340, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));

        const QFontMetrics metrics(list.font());
        const int padding = list.style()->pixelMetric(QStyle::PM_FocusFrameVMargin, nullptr, &list);
        const QRect row = list.visualRect(list.model()->index(1, 0));
        QVERIFY2(row.height() >= metrics.tightBoundingRect(text).height() + 2 * padding,
                 qPrintable(QString::number(row.height())));

        // The text drawn freely, then in the list: the same ink lines, all inside the row.
        const QImage shown = list.viewport()->grab().toImage();
        const qreal scale = shown.devicePixelRatio();
        QImage free(shown.size(), QImage::Format_RGB32);
        free.setDevicePixelRatio(scale);
        free.fill(Qt::white);
        {
            QPainter painter(&free);
            painter.setFont(list.font());
            painter.setPen(Qt::black);
            painter.drawText(QPointF(10, 3 * metrics.height()), text);
        }
        const auto [freeTop, freeBottom] = inkLines(free);
        const auto [top, bottom] = inkLines(shown);
        QCOMPARE(bottom - top, freeBottom - freeTop);
        QVERIFY(top >= qRound(row.top() * scale) && bottom < qRound((row.bottom() + 1) * scale));
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
