#include "ui/Help.h"
#include "ui/HelpViewer.h"
#include "ui/Language.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QVBoxLayout>

namespace {

// The <title> of a topic's page as stored in the resources.
QString storedTitle(ui::HelpTopic topic, bool german)
{
    QFile page(ui::HelpViewer::pagePath(topic, german ? ui::kGerman : ui::kEnglish));
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
    void cleanup() { ui::setLanguage(ui::kEnglish); }

    void everyTopicHasPageInBothLanguages_data()
    {
        QTest::addColumn<ui::HelpTopic>("topic");
        QTest::addColumn<bool>("german");
        for (const ui::HelpTopic topic :
             {ui::HelpTopic::MainWindow, ui::HelpTopic::FilmWindow, ui::HelpTopic::CassetteDialog,
              ui::HelpTopic::SearchDialog, ui::HelpTopic::FindSpace, ui::HelpTopic::TapeMap,
              ui::HelpTopic::Duplicates, ui::HelpTopic::PrintPreview, ui::HelpTopic::Statistics,
              ui::HelpTopic::Labels, ui::HelpTopic::Backups}) {
            const QByteArray page = ui::helpPageName(topic).toLatin1();
            QTest::addRow("%s en", page.constData()) << topic << false;
            QTest::addRow("%s de", page.constData()) << topic << true;
        }
    }

    void everyTopicHasPageInBothLanguages()
    {
        QFETCH(ui::HelpTopic, topic);
        QFETCH(bool, german);
        QCOMPARE(ui::helpTopicOfPage(ui::helpPageName(topic)), topic);
        const QString path = ui::HelpViewer::pagePath(topic, german ? ui::kGerman : ui::kEnglish);
        QVERIFY(!path.isEmpty());
        QFile page(path);
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.size() > 200);
        QVERIFY(!storedTitle(topic, german).isEmpty());
        QVERIFY(storedTitle(topic, german) != storedTitle(topic, !german));
    }

    void f1InWindow_opensItsTopicInTheProgramsLanguage_data()
    {
        QTest::addColumn<ui::HelpTopic>("topic");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("title");
        QTest::newRow("English main window")
            << ui::HelpTopic::MainWindow << false << QStringLiteral("reelMINDER/32 Help");
        QTest::newRow("German film window")
            << ui::HelpTopic::FilmWindow << true << QStringLiteral("reelMINDER/32 Hilfe");
        QTest::newRow("German cassette dialog")
            << ui::HelpTopic::CassetteDialog << true << QStringLiteral("reelMINDER/32 Hilfe");
        QTest::newRow("English search dialog")
            << ui::HelpTopic::SearchDialog << false << QStringLiteral("reelMINDER/32 Help");
    }

    void f1InWindow_opensItsTopicInTheProgramsLanguage()
    {
        QFETCH(ui::HelpTopic, topic);
        QFETCH(bool, german);
        QFETCH(QString, title);

        ui::setLanguage(german ? ui::kGerman : ui::kEnglish);
        HelpWindow help;
        ui::setHelpTopic(&help.window, topic);
        QVERIFY(help.showActive());
        QVERIFY(help.viewer() == nullptr);

        QTest::keyClick(help.field, Qt::Key_F1);
        ui::HelpViewer* const viewer = help.viewer();
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->topic(), topic);
        QCOMPARE(viewer->language(), german ? ui::kGerman : ui::kEnglish);
        QCOMPARE(viewer->windowTitle(), title);
        QCOMPARE(viewer->pageTitle(), storedTitle(topic, german));
        QVERIFY(!viewer->pageText().trimmed().isEmpty());
    }

    void helpTopicSetAgain_f1OpensNewTopicInSameViewer()
    {
        HelpWindow help;
        ui::setHelpTopic(&help.window, ui::HelpTopic::MainWindow);
        ui::setHelpTopic(&help.window, ui::HelpTopic::SearchDialog);
        QCOMPARE(ui::helpTopic(&help.window), ui::HelpTopic::SearchDialog);
        QVERIFY(help.showActive());

        QTest::keyClick(help.field, Qt::Key_F1);
        QVERIFY(help.viewer() != nullptr);
        QCOMPARE(help.viewer()->topic(), ui::HelpTopic::SearchDialog);

        ui::showHelp(help.field, ui::HelpTopic::FilmWindow);
        QCOMPARE(help.window.findChildren<ui::HelpViewer*>().size(), 1);
        QCOMPARE(help.viewer()->topic(), ui::HelpTopic::FilmWindow);
    }
};

QTEST_MAIN(tst_Help)
#include "tst_help.moc"
