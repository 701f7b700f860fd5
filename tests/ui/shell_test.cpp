// The main window: start-up, menu and toolbar, panel switching, language, help, closing
// with the unsaved-job question, restore and save of the inventory.
#include <chrono>
#include <filesystem>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "core/language.h"
#include "core/program_files.h"
#include "core/settings.h"
#include "inventory/backup.h"
#include "ui/list_views.h"
#include "ui/main_window.h"
#include "ui/panel_order.h"
#include "ui/shell_dialogs.h"
#include "ui/single_instance.h"
#include "ui_fixture.h"

namespace {

QStringList MenuTitles(QMainWindow& window)
{
    QStringList titles;
    for (QAction* action : window.menuBar()->actions()) {
        titles << action->text();
    }
    return titles;
}

} // namespace

class CShellTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_fixture = std::make_unique<CUiFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void startupLoadsSettingsAndTypesOfBars()
    {
        m_fixture->folder.settings.values["length_unit"] = "2";
        m_fixture->folder.settings.values["currency"] = "EUR";
        CMainWindow window(m_fixture->data);
        QCOMPARE(LengthUnit, 2);
        QCOMPARE(Currency, std::string("EUR"));
        QVERIFY(m_fixture->data.CountTypesOfBars() > 0);
        QCOMPARE(window.windowTitle(), QString("Kalomax"));
        QCOMPARE(window.minimumSize(), QSize(777, 500));
        QVERIFY(window.CurrentPanel() == nullptr);
        QVERIFY(m_fixture->platform.messages.empty());
    }

    void startupRemovesTheLeftoversOfKilledSaves()
    {
        m_fixture->folder.Write("bfm.tmp-k1lled", "half a list");
        m_fixture->folder.Write("orders/sample.odr.tmp-k1lled", "half a job");
        for (const char* name : {"bfm.tmp-k1lled", "orders/sample.odr.tmp-k1lled"}) {
            std::filesystem::last_write_time(m_fixture->folder.File(name),
                                             std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
        }
        const std::string types = m_fixture->folder.Read("bfm");
        CMainWindow window(m_fixture->data);
        QVERIFY(!m_fixture->folder.Exists("bfm.tmp-k1lled"));
        QVERIFY(!m_fixture->folder.Exists("orders/sample.odr.tmp-k1lled"));
        QCOMPARE(m_fixture->folder.Read("bfm"), types);
        QVERIFY(m_fixture->data.CountTypesOfBars() > 0);
    }

    void aSecondInstanceIsRefused()
    {
        QTemporaryDir folder;
        {
            CSingleInstance first(folder.path());
            CSingleInstance second(folder.path());
            QVERIFY(first.IsFirst());
            QVERIFY(!second.IsFirst());
        }
        // A lock left behind by an instance that is gone is taken over.
        QFile stale(folder.filePath("VELMORA_KALO_2004"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("2147483646\nkalomax\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        CSingleInstance after(folder.path());
        QVERIFY(after.IsFirst());
    }

    void aMissingBarFileIsShownOnceAndStartUpGoesOn()
    {
        std::filesystem::remove(m_fixture->folder.File("bfm"));
        CMainWindow window(m_fixture->data);
        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
        QCOMPARE(m_fixture->platform.messages[0].text, std::string("Bar manager file could not be opened!"));
        QCOMPARE(m_fixture->platform.messages[0].caption, std::string("Error"));
        QCOMPARE(m_fixture->data.CountTypesOfBars(), 0);
    }

    void menuAndToolbarTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QStringList>("toolbar");
        QTest::addColumn<QString>("openJob");
        QTest::newRow("English") << 0 << QStringList{"&Commands", "&Options", "&Backup", "&Help"}
                                 << QStringList{" JOB", " INVENTORY", " TYPES OF BARS"} << "&Open job";
        QTest::newRow("Romanian") << 1 << QStringList{"&Comenzi", "&Optiuni", "&Backup", "&Ajutor"}
                                  << QStringList{" PROIECT", " STOCURI", " TIPURI DE BARE"} << "&Deschidere proiect";
    }
    void menuAndToolbarTexts()
    {
        QFETCH(int, language);
        QFETCH(QStringList, menus);
        QFETCH(QStringList, toolbar);
        QFETCH(QString, openJob);
        m_fixture->folder.settings.values["language"] = std::to_string(language);
        CMainWindow window(m_fixture->data);
        QCOMPARE(MenuTitles(window), menus);
        QStringList buttons;
        for (QAction* action : window.findChild<QToolBar*>("toolbar")->actions()) {
            buttons << action->text();
        }
        QCOMPARE(buttons, toolbar);
        QCOMPARE(window.Action(kCmdOpenJob)->text(), openJob);
        QCOMPARE(window.Action(kCmdEnglish)->text(), QString("English"));
        QCOMPARE(window.Action(kCmdRomanian)->text(), QString("Romana"));
        QVERIFY(window.Action(kCmdEnglish + language)->isChecked());
        QVERIFY(!window.Action(kCmdEnglish + 1 - language)->isChecked());
    }

    void choosingALanguageMovesTheMarkAndWaitsForTheNextStart()
    {
        CMainWindow window(m_fixture->data);
        window.Action(kCmdRomanian)->trigger();
        QCOMPARE(m_fixture->folder.settings.values["language"], std::string("1"));
        QVERIFY(window.Action(kCmdRomanian)->isChecked());
        QVERIFY(!window.Action(kCmdEnglish)->isChecked());
        QCOMPARE(Language, 0u);
        QCOMPARE(window.Action(kCmdOpenJob)->text(), QString("&Open job"));
        window.Action(kCmdEnglish)->trigger();
        QCOMPARE(m_fixture->folder.settings.values["language"], std::string("0"));
        QVERIFY(window.Action(kCmdEnglish)->isChecked());
    }

    void panelsAreKeptOrReplaced()
    {
        CMainWindow window(m_fixture->data);
        window.ToolbarAction(kCmdJob)->trigger();
        auto* jobPanel = qobject_cast<CPanelOrder*>(window.CurrentPanel());
        QVERIFY(jobPanel != nullptr);
        auto* identifier = jobPanel->findChild<QLineEdit*>("identifierEdit");
        identifier->setText("kept");
        // The same kind keeps the panel and what it shows.
        window.ToolbarAction(kCmdJob)->trigger();
        QCOMPARE(window.CurrentPanel(), jobPanel);
        QCOMPARE(identifier->text(), QString("kept"));

        QPointer<CPanel> previous = window.CurrentPanel();
        window.ToolbarAction(kCmdManageInventory)->trigger();
        QVERIFY(previous.isNull());
        QCOMPARE(window.CurrentPanel()->Kind(), int(kPanelInventory));
        QCOMPARE(m_fixture->platform.titles.back(), std::string("Kalomax - Manage inventory"));
        window.Action(kCmdTypesOfBars)->trigger();
        QCOMPARE(window.CurrentPanel()->Kind(), int(kPanelTypesOfBars));
        QCOMPARE(m_fixture->platform.titles.back(), std::string("Kalomax - Add / remove types of bars"));
        window.Action(kCmdManageInventory)->trigger();
        QCOMPARE(window.CurrentPanel()->Kind(), int(kPanelInventory));
        window.Action(kCmdNewJob)->trigger();
        QCOMPARE(window.CurrentPanel()->Kind(), int(kPanelJob));
        QCOMPARE(m_fixture->platform.titles.back(), std::string("Kalomax - Job"));
    }

    void inventoryPanelShowsTheStockOfTheChosenType()
    {
        CMainWindow window(m_fixture->data);
        window.ShowPanel(kPanelInventory);
        auto* types = window.CurrentPanel()->findChild<CTypesOfBarsListView*>();
        auto* stock = window.CurrentPanel()->findChild<CStockListView*>();
        types->SelectRow(0);
        QCOMPARE(m_fixture->data.SelectedTypeOfBar(), 0);
        QCOMPARE(stock->model()->rowCount(), m_fixture->data.CountBars());
        QVERIFY(stock->model()->rowCount() > 0);
        types->SelectRow(-1);
        QCOMPARE(stock->model()->rowCount(), 0);
    }

    void closingAsksAboutAnUnsavedJob_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Yes saves and closes") << int(MessageAnswer::Yes) << true << true;
        QTest::newRow("No closes without saving") << int(MessageAnswer::No) << true << false;
        QTest::newRow("Cancel keeps the program running") << int(MessageAnswer::Cancel) << false << false;
    }
    void closingAsksAboutAnUnsavedJob()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        CMainWindow window(m_fixture->data);
        window.show();
        window.RunCommand(kCmdOpenJob);
        m_fixture->platform.messages.clear();
        auto* jobPanel = qobject_cast<CPanelOrder*>(window.CurrentPanel());
        QVERIFY(jobPanel != nullptr);
        QCOMPARE(jobPanel->OrderList()->model()->rowCount(), 0);
        // No job was opened (the dialog was cancelled); an edit of the name alone counts.
        jobPanel->findChild<QLineEdit*>("jobNameEdit")->setText("Renamed job");
        const std::string savePath = m_fixture->folder.File("renamed.odr", "orders");
        m_fixture->platform.savePaths.push_back(savePath);
        m_fixture->platform.answers.push_back(MessageAnswer(answer));

        QCOMPARE(window.close(), closes);
        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
        QCOMPARE(m_fixture->platform.messages[0].text,
                 std::string("The current job is not saved. Do you want to save it?"));
        QCOMPARE(m_fixture->platform.messages[0].buttons, MessageButtons::YesNoCancel);
        QCOMPARE(std::filesystem::exists(savePath), saved);
        QCOMPARE(window.CurrentPanel() == jobPanel, !closes);
        if (!closes) {
            QCOMPARE(jobPanel->findChild<QLineEdit*>("jobNameEdit")->text(), QString("Renamed job"));
        }
    }

    void aJobThatCannotBeSavedKeepsTheProgramOpen()
    {
        CMainWindow window(m_fixture->data);
        window.show();
        window.ShowPanel(kPanelJob);
        window.CurrentPanel()->findChild<QLineEdit*>("jobNameEdit")->setText("Unsaved");
        m_fixture->platform.answers.push_back(MessageAnswer::Yes);
        m_fixture->platform.savePaths.push_back(m_fixture->folder.File("job.odr", "no-such-folder"));
        QVERIFY(!window.close());
        QCOMPARE(m_fixture->platform.messages.back().text, std::string("Job file could not be saved!"));
        QCOMPARE(m_fixture->platform.messages.back().caption, std::string("Error"));
        QVERIFY(window.CurrentPanel() != nullptr);
        QCOMPARE(m_fixture->data.GetJobName(), std::string("Unsaved"));
    }

    void closingASavedJobAsksNothing()
    {
        CMainWindow window(m_fixture->data);
        window.show();
        window.ShowPanel(kPanelJob);
        QVERIFY(window.close());
        QVERIFY(m_fixture->platform.messages.empty());
    }

    void helpOpensThePageOfTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("English") << 0 << "helpen.html";
        QTest::newRow("Romanian") << 1 << "helpro.html";
    }
    void helpOpensThePageOfTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, page);
        m_fixture->folder.settings.values["language"] = std::to_string(language);
        CMainWindow window(m_fixture->data);
        m_fixture->platform.shellSucceeds = false;
        window.Action(kCmdHelp)->trigger();
        QCOMPARE(m_fixture->platform.openedWithShell.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(m_fixture->platform.openedWithShell[0]),
                 QString::fromStdString(ProgramFilePath("help", page.toStdString())));
        // A page that cannot be opened shows nothing.
        QVERIFY(m_fixture->platform.messages.empty());
        QVERIFY(std::filesystem::exists(std::string(KALOMAX_HELP_DIR) + "/" + page.toStdString()));
    }

    void restoreAnsweredNoLeavesTheBodyEmpty()
    {
        CMainWindow window(m_fixture->data);
        window.ShowPanel(kPanelJob);
        m_fixture->platform.answers.push_back(MessageAnswer::No);
        window.Action(kCmdRestoreInventory)->trigger();
        QVERIFY(window.CurrentPanel() == nullptr);
        QCOMPARE(m_fixture->platform.messages.back().text,
                 std::string("By restoring an inventory, the current inventory will be lost. Are you sure?"));
        QVERIFY(m_fixture->platform.openDialogs.empty());
    }

    void saveThenRestoreTheInventory()
    {
        CMainWindow window(m_fixture->data);
        const int types = m_fixture->data.CountTypesOfBars();
        // Save inventory: the dialog proposes a fresh backup file and stays open after saving.
        CSaveInventoryDialog dialog(&window, m_fixture->data);
        dialog.Open();
        const QString path = dialog.findChild<QLineEdit*>("backupPathEdit")->text();
        QVERIFY(path.startsWith(QString::fromStdString(ProgramFilePath("backup", ""))));
        QVERIFY(path.endsWith(".bkp"));
        QCOMPARE(dialog.windowTitle(), QString("Save inventory"));
        dialog.findChild<QPushButton*>("saveInventoryButton")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(m_fixture->platform.messages.back().text, std::string("Inventory has been saved successfully!"));
        QVERIFY(std::filesystem::exists(path.toStdString()));
        dialog.close();

        std::filesystem::remove(m_fixture->folder.File("bfm"));
        m_fixture->platform.messages.clear();
        m_fixture->platform.answers.push_back(MessageAnswer::Yes);
        m_fixture->platform.openPaths.push_back(path.toStdString());
        window.Action(kCmdRestoreInventory)->trigger();
        QCOMPARE(m_fixture->platform.openDialogs.back().filter, std::string("Backup Files (*.bkp)"));
        QCOMPARE(m_fixture->platform.messages.back().text, std::string("The restoration has been done successfully!"));
        QCOMPARE(m_fixture->platform.messages.back().caption, std::string("Restore inventory"));
        QCOMPARE(m_fixture->data.CountTypesOfBars(), types);
        QVERIFY(std::filesystem::exists(m_fixture->folder.File("bfm")));
    }

    void aboutShowsTheVersion()
    {
        CMainWindow window(m_fixture->data);
        CAboutDialog about(&window);
        about.Open();
        QCOMPARE(about.windowTitle(), QString("About Kalomax"));
        QVERIFY(about.findChild<QLabel*>("versionLabel")->text() == QString("Version: 123"));
        QTest::keyClick(&about, Qt::Key_Return);
        QVERIFY(!about.isVisible());
    }

private:
    std::unique_ptr<CUiFixture> m_fixture;
};

QTEST_MAIN(CShellTest)
#include "shell_test.moc"
