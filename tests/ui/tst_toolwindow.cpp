#include "support/TempSettings.h"
#include "ui/SettingsStore.h"
#include "ui/ToolWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class Tool final : public ui::ToolWindow
{
public:
    Tool() { setObjectName(u"tool"_s); }

protected:
    QSize preferredSize() override { return {300, 200}; }
};

} // namespace

// Where a window of its own opens beside the main window, and that it comes back on a screen.
class TestToolWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void besidePlacement_takesTheFirstSideWithRoom_elseCoversLeast_data();
    void besidePlacement_takesTheFirstSideWithRoom_elseCoversLeast();
    void placeOffEveryScreen_comesBackOnTheScreen();
};

void TestToolWindow::besidePlacement_takesTheFirstSideWithRoom_elseCoversLeast_data()
{
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QRect>("companion");
    QTest::addColumn<QPoint>("expected");
    // The screen: 1366 x 768. The gap between the windows is 8 pixels.
    QTest::newRow("right") << QSize(400, 300) << QRect(100, 100, 546, 277) << QPoint(654, 100);
    QTest::newRow("right, moved up to fit")
        << QSize(400, 700) << QRect(100, 200, 546, 277) << QPoint(654, 68);
    QTest::newRow("left") << QSize(400, 300) << QRect(800, 100, 546, 277) << QPoint(392, 100);
    QTest::newRow("below") << QSize(1000, 300) << QRect(410, 100, 546, 277) << QPoint(366, 385);
    // Nowhere whole: pushed back onto the screen from the left, it covers less than from the right.
    QTest::newRow("nowhere whole") << QSize(900, 600) << QRect(620, 245, 546, 277) << QPoint(0, 168);
}

void TestToolWindow::besidePlacement_takesTheFirstSideWithRoom_elseCoversLeast()
{
    QFETCH(QSize, outer);
    QFETCH(QRect, companion);
    QFETCH(QPoint, expected);
    const QRect area(0, 0, 1366, 768);
    const QPoint placed = ui::besidePlacement(outer, companion, area);
    QCOMPARE(placed, expected);
    QVERIFY(area.contains(QRect(placed, outer)));
}

void TestToolWindow::placeOffEveryScreen_comesBackOnTheScreen()
{
    const testsupport::TempSettings temp;
    ui::SettingsStore settings;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    {
        Tool tool;
        tool.setSettings(&settings);
        tool.show();
        // Left on a screen that has gone since.
        tool.setGeometry(QRect(area.right() + 2000, area.bottom() + 1500, 320, 240));
        tool.close();
    }
    QVERIFY(!settings.readBytes(u"tool/Geometry"_s).isEmpty());
    Tool tool;
    tool.setSettings(&settings);
    tool.show();
    QCOMPARE(tool.size(), QSize(320, 240));
    QVERIFY2(area.contains(tool.frameGeometry()), qPrintable(u"%1,%2"_s.arg(tool.x()).arg(tool.y())));
}

QTEST_MAIN(TestToolWindow)
#include "tst_toolwindow.moc"
