#include "ui/Help.h"
#include "ui/HelpViewer.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QVBoxLayout>

namespace {

// The <title> of a topic's page as stored in the resources.
QString storedTitle(int topic, bool german)
{
    QFile page(ui::HelpViewer::pagePath(topic, german));
    if (!page.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("<title>(.+)</title>")).match(QString::fromUtf8(page.readAll()));
    return match.captured(1);
}

// A window with a text field that holds the focus, as the program's windows have.
struct HelpWindow
{
    QDialog window;
    QLineEdit* field = new QLineEdit(&window);

    bool showActive()
    {
        auto* const layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        window.show();
        window.activateWindow();
        field->setFocus();
        return QTest::qWaitForWindowActive(&window);
    }

    ui::HelpViewer* viewer() const { return window.findChild<ui::HelpViewer*>(QStringLiteral("helpViewer")); }
};

} // namespace

class tst_Help : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void helpFile_isEnglishUntilSet() { QCOMPARE(ui::helpFile(), QStringLiteral("RMINDR2E.HLP")); }

    void cleanup() { ui::setHelpFile(QString::fromUtf16(ui::kHelpFileEnglish)); }

    void everyTopicHasPageInBothLanguages_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<bool>("german");
        for (const int topic :
             {ui::kHelpMainWindow, ui::kHelpFilmWindow, ui::kHelpCassetteDialog, ui::kHelpSearchDialog}) {
            QTest::addRow("%d en", topic) << topic << false;
            QTest::addRow("%d de", topic) << topic << true;
        }
    }

    void everyTopicHasPageInBothLanguages()
    {
        QFETCH(int, topic);
        QFETCH(bool, german);
        const QString path = ui::HelpViewer::pagePath(topic, german);
        QVERIFY(!path.isEmpty());
        QFile page(path);
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.size() > 200);
        QVERIFY(!storedTitle(topic, german).isEmpty());
        QVERIFY(storedTitle(topic, german) != storedTitle(topic, !german));
    }

    void f1InWindow_opensItsTopicInHelpFileLanguage_data()
    {
        QTest::addColumn<QString>("helpFile");
        QTest::addColumn<int>("topic");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("title");
        QTest::newRow("English main window")
            << QStringLiteral("RMINDR2E.HLP") << 40 << false << QStringLiteral("reelMINDER/32 Help");
        QTest::newRow("German film window")
            << QStringLiteral("RMINDR2D.HLP") << 90 << true << QStringLiteral("reelMINDER/32 Hilfe");
        QTest::newRow("German cassette dialog")
            << QStringLiteral("RMINDR2D.HLP") << 260 << true << QStringLiteral("reelMINDER/32 Hilfe");
        QTest::newRow("English search dialog")
            << QStringLiteral("RMINDR2E.HLP") << 270 << false << QStringLiteral("reelMINDER/32 Help");
    }

    void f1InWindow_opensItsTopicInHelpFileLanguage()
    {
        QFETCH(QString, helpFile);
        QFETCH(int, topic);
        QFETCH(bool, german);
        QFETCH(QString, title);

        ui::setHelpFile(helpFile);
        HelpWindow help;
        ui::setHelpContext(&help.window, topic);
        QVERIFY(help.showActive());
        QVERIFY(help.viewer() == nullptr);

        QTest::keyClick(help.field, Qt::Key_F1);
        ui::HelpViewer* const viewer = help.viewer();
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->topic(), topic);
        QCOMPARE(viewer->isGerman(), german);
        QCOMPARE(viewer->windowTitle(), title);
        QCOMPARE(viewer->pageTitle(), storedTitle(topic, german));
        QVERIFY(!viewer->pageText().trimmed().isEmpty());
    }

    void helpContextSetAgain_f1OpensNewTopicInSameViewer()
    {
        HelpWindow help;
        ui::setHelpContext(&help.window, ui::kHelpMainWindow);
        ui::setHelpContext(&help.window, ui::kHelpSearchDialog);
        QCOMPARE(ui::helpContext(&help.window), ui::kHelpSearchDialog);
        QVERIFY(help.showActive());

        QTest::keyClick(help.field, Qt::Key_F1);
        QVERIFY(help.viewer() != nullptr);
        QCOMPARE(help.viewer()->topic(), ui::kHelpSearchDialog);

        ui::showHelp(help.field, ui::kHelpFilmWindow);
        QCOMPARE(help.window.findChildren<ui::HelpViewer*>().size(), 1);
        QCOMPARE(help.viewer()->topic(), ui::kHelpFilmWindow);
    }
};

QTEST_MAIN(tst_Help)
#include "tst_help.moc"
