// The job launch dialog on the sample inventory and job: a whole run, Cancel and the
// close box while the optimizer runs, the report sections, Create report, Update inventory.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QPlainTextEdit>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include "core/exception.h"
#include "core/program_files.h"
#include "core/settings.h"
#include "ui/cutting_diagram_view.h"
#include "ui/launch_job_dialog.h"
#include "ui/main_window.h"
#include "ui/panel_order.h"
#include "ui_fixture.h"

namespace {

const char* const kFlags[7] = {"jobInfo_JR",    "settings_JR",   "statistics_JR", "cutLayouts_JR",
                               "totalCosts_JR", "barsBought_JR", "cutDiagrams_JR"};
const char* const kChecks[7] = {"jobInfoCheck",    "settingsCheck",   "statisticsCheck", "cutLayoutsCheck",
                                "totalCostsCheck", "barsBoughtCheck", "cutDiagramsCheck"};

} // namespace

class CLaunchDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture = std::make_unique<CUiFixture>();
        m_fixture->data.LoadTypesOfBars();
        m_fixture->OpenSampleJob();
        m_fixture->platform.now = std::tm{};
        m_fixture->platform.now.tm_year = 124;
        m_fixture->platform.now.tm_mon = 2;
        m_fixture->platform.now.tm_mday = 5;
        m_fixture->platform.now.tm_hour = 9;
        m_fixture->platform.now.tm_min = 7;
        m_fixture->platform.now.tm_sec = 3;
    }
    void cleanup() { m_fixture.reset(); }

    void aRunEndsWithReportAndUpdateEnabled()
    {
        CLaunchJobDialog dialog(nullptr, m_fixture->data, false);
        dialog.Open();
        QCOMPARE(dialog.windowTitle(), QString("Job optimization"));
        QVERIFY(!Button(dialog, "createReportButton")->isEnabled());
        QVERIFY(!Button(dialog, "updateInventoryButton")->isEnabled());
        QVERIFY(!dialog.findChild<QLabel*>("inventoryUpdatedLabel")->isVisible());
        QCOMPARE(dialog.findChild<QProgressBar*>("progressBar")->maximum(), 2000);
        QCOMPARE(dialog.findChild<QLineEdit*>("reportPathEdit")->text(),
                 QString::fromStdString(ProgramFilePath("report", "2024-3-5-9-7-3.html")));
        QTRY_VERIFY_WITH_TIMEOUT(dialog.IsFinished(), 20000);
        QVERIFY(dialog.isVisible());
        QVERIFY(!Button(dialog, "cancelButton")->isEnabled());
        QVERIFY(Button(dialog, "createReportButton")->isEnabled());
        QVERIFY(Button(dialog, "updateInventoryButton")->isEnabled());
        QCOMPARE(dialog.findChild<QProgressBar*>("progressBar")->value(), 2000);
        // Cancel after the run does nothing.
        Button(dialog, "cancelButton")->setEnabled(true);
        Button(dialog, "cancelButton")->click();
        QVERIFY(dialog.isVisible());
        dialog.close();
        QVERIFY(!dialog.isVisible());
    }

    void sectionsAreReadAtOpenAndWrittenByTheCloseBox()
    {
        {
            CLaunchJobDialog dialog(nullptr, m_fixture->data, false);
            dialog.Open();
            for (const char* check : kChecks) {
                QVERIFY(!dialog.findChild<QCheckBox*>(check)->isChecked());
            }
            dialog.findChild<QCheckBox*>(kChecks[0])->setChecked(true);
            dialog.findChild<QCheckBox*>(kChecks[2])->setChecked(true);
            dialog.findChild<QCheckBox*>(kChecks[5])->setChecked(true);
            QCOMPARE(dialog.findChild<QCheckBox*>(kChecks[6])->text(), QString("cutting diagrams"));
            QTRY_VERIFY_WITH_TIMEOUT(dialog.IsFinished(), 20000);
            dialog.close();
        }
        const std::string expected[7] = {"1", "0", "1", "0", "0", "1", "0"};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(m_fixture->folder.settings.values[kFlags[i]], expected[i]);
        }
        m_fixture->folder.settings.values[kFlags[1]] = "5"; // any value but 0 reads as checked
        m_fixture->folder.settings.values[kFlags[6]] = "1";
        CLaunchJobDialog again(nullptr, m_fixture->data, false);
        again.Open();
        const bool checked[7] = {true, true, true, false, false, true, true};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(again.findChild<QCheckBox*>(kChecks[i])->isChecked(), checked[i]);
        }
    }

    void cancelDuringARunEndsTheDialogWithoutWritingTheSections()
    {
        m_fixture->folder.settings.values[kFlags[3]] = "1";
        CLaunchJobDialog dialog(nullptr, m_fixture->data, false);
        dialog.Open();
        dialog.findChild<QCheckBox*>(kChecks[0])->setChecked(true);
        Button(dialog, "cancelButton")->click();
        QVERIFY(dialog.IsCancelled());
        // A second Cancel while stopping changes nothing.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 20000);
        QVERIFY(dialog.IsFinished());
        QCOMPARE(m_fixture->folder.settings.values.count(kFlags[0]), std::size_t{0});
        QCOMPARE(m_fixture->folder.settings.values[kFlags[3]], std::string("1"));
    }

    void theCloseBoxDuringARunStopsAndWaits()
    {
        CLaunchJobDialog dialog(nullptr, m_fixture->data, false);
        dialog.Open();
        dialog.close();
        QVERIFY(dialog.IsCancelled());
        // Refused until the optimizer has returned, then the dialog ends by itself.
        QVERIFY(dialog.isVisible());
        dialog.close();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 20000);
        QCOMPARE(m_fixture->folder.settings.values[kFlags[0]], std::string("0"));
    }

    void createReportTwiceWritesTwoReports()
    {
        CLaunchJobDialog dialog(nullptr, m_fixture->data, false);
        dialog.Open();
        for (const char* check : kChecks) {
            dialog.findChild<QCheckBox*>(check)->setChecked(true);
        }
        QTRY_VERIFY_WITH_TIMEOUT(dialog.IsFinished(), 20000);
        auto* path = dialog.findChild<QLineEdit*>("reportPathEdit");
        const std::string first = path->text().toStdString();
        Button(dialog, "createReportButton")->click();
        const std::string second = m_fixture->folder.File("second.html", "report");
        path->setText(QString::fromStdString(second));
        dialog.findChild<QCheckBox*>(kChecks[3])->setChecked(false);
        Button(dialog, "createReportButton")->click();
        QVERIFY(m_fixture->platform.messages.empty());
        QVERIFY(std::filesystem::file_size(first) > 0);
        QVERIFY(std::filesystem::file_size(second) > 0);
        QCOMPARE(m_fixture->platform.openedWithShell, (std::vector<std::string>{first, second}));
        QVERIFY(Button(dialog, "createReportButton")->isEnabled());

        // A report that cannot be written is shown and the dialog stays as it was.
        path->setText(QString::fromStdString(m_fixture->folder.File("x.html", "no-such-folder")));
        Button(dialog, "createReportButton")->click();
        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
        QCOMPARE(m_fixture->platform.messages[0].caption, std::string("Error"));
        QVERIFY(dialog.isVisible());
        QVERIFY(Button(dialog, "createReportButton")->isEnabled());
    }

    void theFinishedRunShowsBoundsDiagramsAndSavesAPdf()
    {
        CLaunchJobDialog dialog(nullptr, m_fixture->data, false);
        dialog.Open();
        QVERIFY(!Button(dialog, "showDiagramsButton")->isEnabled());
        QVERIFY(!Button(dialog, "savePdfButton")->isEnabled());
        QVERIFY(!Button(dialog, "printButton")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(dialog.IsFinished(), 20000);
        QVERIFY(Button(dialog, "printButton")->isEnabled());
        auto* optimality = dialog.findChild<QPlainTextEdit*>("optimalityList");
        QVERIFY(!optimality->isHidden());
        const QString lines = optimality->toPlainText();
        QVERIFY2(lines.contains("AL-40x40 / AL / NATUR: "), qPrintable(lines));
        QVERIFY(lines.contains(" bars used"));
        QCOMPARE(lines.count('\n'), 2); // one line per type of the sample job

        // The diagrams open in a window of their own that leaves the dialog usable.
        Button(dialog, "showDiagramsButton")->click();
        QVERIFY(dialog.DiagramWindow() != nullptr);
        QVERIFY(dialog.DiagramWindow()->isVisible());
        QVERIFY(!dialog.DiagramWindow()->isModal());
        QVERIFY(dialog.DiagramWindow()->Canvas()->RowCount() > 1);
        Button(dialog, "showDiagramsButton")->click();
        QCOMPARE(dialog.findChildren<CCuttingDiagramWindow*>().size(), qsizetype{1});

        // Save as PDF: cancelled writes nothing; chosen writes a PDF; an unwritable path is an error.
        m_fixture->platform.savePaths.push_back(std::nullopt);
        Button(dialog, "savePdfButton")->click();
        QCOMPARE(m_fixture->platform.saveDialogs.back().filter, std::string("PDF files (*.pdf)"));
        const std::string pdf = m_fixture->folder.File("plan.pdf", "report");
        m_fixture->platform.savePaths.push_back(pdf);
        dialog.findChild<QCheckBox*>(kChecks[3])->setChecked(true);
        dialog.findChild<QCheckBox*>(kChecks[6])->setChecked(true);
        Button(dialog, "savePdfButton")->click();
        QVERIFY(m_fixture->platform.messages.empty());
        std::ifstream written(pdf, std::ios::binary);
        char head[5] = {};
        written.read(head, 4);
        QCOMPARE(QByteArray(head), QByteArray("%PDF"));
        m_fixture->platform.savePaths.push_back(m_fixture->folder.File("x.pdf", "no-such-folder"));
        Button(dialog, "savePdfButton")->click();
        QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
        QCOMPARE(m_fixture->platform.messages[0].text, std::string("The PDF file could not be written!"));

        // Print: the printer dialog, here one that prints to a file.
        const std::string printed = m_fixture->folder.File("printed.pdf");
        m_fixture->printerDialog.answers = {printed};
        Button(dialog, "printButton")->click();
        QCOMPARE(m_fixture->printerDialog.shown, 1);
        QCOMPARE(m_fixture->printerDialog.startPageSize, QString("A4"));
        std::ifstream print(printed, std::ios::binary);
        char printHead[5] = {};
        print.read(printHead, 4);
        QCOMPARE(QByteArray(printHead), QByteArray("%PDF"));
        dialog.close();
    }

    void optimalityLines_data()
    {
        QTest::addColumn<long long>("used");
        QTest::addColumn<int>("bound"); // -1: the library cannot tell
        QTest::addColumn<QString>("line");
        QTest::newRow("unknown") << 7LL << -1 << "T: 7 bars used";
        QTest::newRow("gap") << 7LL << 6 << "T: 7 bars used, lower bound 6";
        QTest::newRow("met") << 6LL << 6 << "T: 6 bars used, lower bound 6 - Proven optimal";
        QTest::newRow("bound above the plan claims nothing") << 5LL << 6 << "T: 5 bars used, lower bound 6";
    }
    void optimalityLines()
    {
        QFETCH(long long, used);
        QFETCH(int, bound);
        QFETCH(QString, line);
        const std::optional<int> lowerBound = bound < 0 ? std::nullopt : std::optional<int>(bound);
        QCOMPARE(QString::fromStdString(OptimalityLine("T", used, lowerBound)), line);
    }

    void updateInventoryOnce()
    {
        const int type = m_fixture->data.FindTypeOfBar("AL-40x40", "AL", "NATUR");
        QVERIFY(type >= 0);
        const std::string stockFile = m_fixture->data.GetTypeOfBar(type).stockFile;
        const std::string before = m_fixture->folder.Read(stockFile);
        CLaunchJobDialog dialog(nullptr, m_fixture->data, true);
        dialog.Open();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.IsFinished(), 20000);
        Button(dialog, "updateInventoryButton")->click();
        QVERIFY(m_fixture->platform.messages.empty());
        QVERIFY(dialog.IsInventoryUpdated());
        QVERIFY(dialog.findChild<QLabel*>("inventoryUpdatedLabel")->isVisible());
        QCOMPARE(dialog.findChild<QLabel*>("inventoryUpdatedLabel")->text(), QString("Inventory was updated."));
        QVERIFY(!Button(dialog, "updateInventoryButton")->isEnabled());
        const std::string after = m_fixture->folder.Read(stockFile);
        QVERIFY(after != before);
        // The command itself refuses a second update too.
        dialog.Command(CLaunchJobDialog::kIdUpdateInventory);
        QCOMPARE(m_fixture->folder.Read(stockFile), after);
    }

    void aMissingLibraryRefusesTheLaunch()
    {
        std::filesystem::remove(OptimizerLibraryPath());
        QVERIFY_THROWS_EXCEPTION(CException, CLaunchJobDialog(nullptr, m_fixture->data, false));
        // From the job panel the error is shown and no dialog appears.
        CMainWindow window(m_fixture->data);
        window.ShowPanel(kPanelJob);
        window.CurrentPanel()->findChild<QPushButton*>("launchJobButton")->click();
        QCOMPARE(m_fixture->platform.messages.back().text, std::string("Cannot optimize!"));
    }

    void launchFromTheJobPanelRunsModally()
    {
        CMainWindow window(m_fixture->data);
        window.show();
        window.ShowPanel(kPanelJob);
        bool sawDialog = false;
        // Once the modal dialog is up, wait for its run, then close it with its close box.
        std::function<void()> poll = [&] {
            auto* dialog = qobject_cast<CLaunchJobDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr && dialog->IsFinished()) {
                sawDialog = true;
                dialog->close();
                return;
            }
            QTimer::singleShot(50, poll);
        };
        QTimer::singleShot(50, poll);
        window.CurrentPanel()->findChild<QPushButton*>("launchJobButton")->click();
        QVERIFY(sawDialog);
        QVERIFY(m_fixture->platform.messages.empty());
    }

private:
    static QPushButton* Button(QWidget& dialog, const char* name)
    {
        return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    std::unique_ptr<CUiFixture> m_fixture;
};

QTEST_MAIN(CLaunchDialogTest)
#include "launch_dialog_test.moc"
