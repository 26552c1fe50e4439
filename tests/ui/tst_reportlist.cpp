#include "ui/ReportList.h"
#include "ui/ReportModel.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardItemModel>
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

// A list over rows given as they are, as the import summary shows them.
struct ShownRows
{
    ShownRows(const QStringList& captions = {QString()})
    {
        model.setCaptions(captions);
        list.setModel(&model);
    }
    void add(const QList<QVariantList>& rows) { model.appendRows(rows); }

    ui::ReportModel model;
    ui::ReportList list;
};

class tst_ReportList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsAndColumns_keepTheirValues()
    {
        ShownRows rows({QStringLiteral("Tape"), QStringLiteral("Length"), QStringLiteral("No. of films")});
        ui::ReportList& list = rows.list;
        list.setColumnWidths({160, 42, 61});
        QCOMPARE(list.model()->columnCount(), 3);
        QCOMPARE(list.columnWidth(0), 160);
        rows.model.setCaption(1, QStringLiteral("Länge"));
        QCOMPARE(list.columnCaption(1), QStringLiteral("Länge"));

        rows.add({{QStringLiteral("A"), 240, 2}, {QStringLiteral("B")}});
        rows.model.setValue(0, 2, 3);
        rows.model.setValue(1, 2, 5); // beyond the row's last cell
        QCOMPARE(list.caption(0), QStringLiteral("A"));
        QCOMPARE(list.value(0, 1).toInt(), 240);
        QCOMPARE(list.shownText(0, 2), QStringLiteral("3"));
        QCOMPARE(list.value(1, 1), QVariant(QString()));
        QCOMPARE(list.value(1, 2).toInt(), 5);
        QVERIFY(!(list.model()->flags(list.model()->index(0, 0)) & Qt::ItemIsEditable));

        rows.model.clear();
        QCOMPARE(list.rowCount(), 0);
        QCOMPARE(list.selectedRow(), -1);
    }

    // A removed row takes the selection with it; other rows keep theirs.
    void removedRow_selectionFollowsItsRowOrIsGone()
    {
        QStandardItemModel model;
        for (const QString& caption : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")})
            model.appendRow(new QStandardItem(caption));
        ui::ReportList list;
        list.setModel(&model);
        QCOMPARE(list.selectedRow(), -1);
        list.setSelectedRow(2);
        QCOMPARE(list.selectedRow(), 2);

        model.removeRow(0);
        QCOMPARE(list.selectedRow(), 1);
        QCOMPARE(list.caption(list.selectedRow()), QStringLiteral("c"));

        model.removeRow(1);
        QCOMPARE(list.selectedRow(), -1);
        QVERIFY(!list.currentIndex().isValid());
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
        ui::ReportModel model;
        model.setCaptions({QStringLiteral("Tape")});
        model.appendRows({{QString()}, {text}, {QString()}});
        list.setModel(&model);
        list.setColumnWidths({300});
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

    void appendRows_tenThousandInOneInsertion()
    {
        ShownRows shown({QStringLiteral("Tape"), QStringLiteral("Number")});
        shown.add({{QStringLiteral("first"), 1}});
        QList<QVariantList> rows;
        for (int i = 0; i < 10000; ++i) {
            rows.append({QStringLiteral("Tape %1").arg(i), i});
        }
        QSignalSpy inserted(&shown.model, &QAbstractItemModel::rowsInserted);
        shown.add(rows);

        QCOMPARE(inserted.size(), 1);
        QCOMPARE(shown.list.rowCount(), 10001);
        QCOMPARE(shown.list.caption(10000), QStringLiteral("Tape 9999"));
        QCOMPARE(shown.list.value(5001, 1).toInt(), 5000);
    }

    void doubleClick_onRowOrBelowRows_emitsRowDoubleClicked()
    {
        ShownRows shown;
        ui::ReportList& list = shown.list;
        list.resize(300, 300);
        shown.add({{QStringLiteral("only")}});
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

    // A list that takes the focus with nothing selected shows no row as focused or chosen: no frame, no
    // tint of the selection colour. Down then selects the first row.
    void focusedRowWithoutSelection_looksUnselected()
    {
        ShownRows shown;
        ui::ReportList& list = shown.list;
        list.resize(300, 200);
        shown.add({{QStringLiteral("first")}, {QStringLiteral("second")}, {QStringLiteral("third")}});
        list.show();
        QVERIFY(QTest::qWaitForWindowActive(&list));
        list.setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(list.hasFocus());
        QVERIFY(!list.currentIndex().isValid());
        QCOMPARE(list.selectedRow(), -1);

        const QRect row = list.visualRect(list.model()->index(0, 0));
        const QImage image = list.viewport()
                                 ->grab(QRect(0, row.top(), list.viewport()->width(), row.height()))
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        const QColor highlight = list.palette().color(QPalette::Active, QPalette::Highlight);
        QVERIFY(highlight.blue() > highlight.red() + 32); // what a tint of it looks like
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                QVERIFY2(
                    pixel.blue() <= pixel.red() + 8,
                    qPrintable(QStringLiteral("tinted pixel at %1,%2: %3").arg(x).arg(y).arg(pixel.name())));
            }
        }

        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.selectedRow(), 0);
    }
};

QTEST_MAIN(tst_ReportList)
#include "tst_reportlist.moc"
