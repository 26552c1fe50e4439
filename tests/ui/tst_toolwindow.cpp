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
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QRect>("companion");
    QTest::addColumn<QRect>("expected");
    // The screen: 1366 x 768. The gap between the windows is 8 pixels.
    QTest::newRow("right") << QSize(400, 300) << QSize(400, 300) << QRect(100, 100, 546, 277)
                           << QRect(654, 100, 400, 300);
    QTest::newRow("right, moved up to fit")
        << QSize(400, 700) << QSize(400, 700) << QRect(100, 200, 546, 277) << QRect(654, 68, 400, 700);
    QTest::newRow("left") << QSize(400, 300) << QSize(400, 300) << QRect(800, 100, 546, 277)
                          << QRect(392, 100, 400, 300);
    QTest::newRow("below") << QSize(1000, 300) << QSize(1000, 300) << QRect(410, 100, 546, 277)
                           << QRect(366, 385, 1000, 300);
    // A window that may be narrower fits beside, the wider side first.
    QTest::newRow("right, narrowed") << QSize(976, 704) << QSize(500, 400) << QRect(300, 245, 546, 277)
                                     << QRect(854, 64, 512, 704);
    QTest::newRow("lower, below") << QSize(976, 704) << QSize(900, 200) << QRect(410, 100, 546, 277)
                                  << QRect(390, 385, 976, 383);
    // Nowhere whole: pushed back onto the screen from the left, it covers less than from the right.
    QTest::newRow("nowhere whole") << QSize(900, 600) << QSize(900, 600) << QRect(620, 245, 546, 277)
                                   << QRect(0, 168, 900, 600);
}

void TestToolWindow::besidePlacement_takesTheFirstSideWithRoom_elseCoversLeast()
{
    QFETCH(QSize, outer);
    QFETCH(QSize, minimum);
    QFETCH(QRect, companion);
    QFETCH(QRect, expected);
    const QRect area(0, 0, 1366, 768);
    const QRect placed = ui::besidePlacement(outer, minimum, companion, area);
    QCOMPARE(placed, expected);
    QVERIFY(area.contains(placed));
    QVERIFY(placed.width() >= minimum.width() && placed.height() >= minimum.height());
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
