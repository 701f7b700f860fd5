// A new user's first session, on the real widgets, from an empty inventory: categories,
// a type of bar, its stock, a job, the optimization with its report and the inventory
// update, the inventory report, a backup and its restore. Every step is checked on the
// files. With KALOMAX_WALKTHROUGH_SHOTS set to a folder, each step is also drawn there.
#include <filesystem>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "core/program_files.h"
#include "job/global_data.h"
#include "ui/category_dialog.h"
#include "ui/inventory_panel.h"
#include "ui/inventory_report_dialog.h"
#include "ui/launch_job_dialog.h"
#include "ui/list_views.h"
#include "ui/main_window.h"
#include "ui/panel_order.h"
#include "ui/settings_dialog.h"
#include "ui/shell_dialogs.h"
#include "ui/types_of_bars_panel.h"
#include "ui_controls.h"
#include "ui_fixture.h"

namespace fs = std::filesystem;

namespace {

void Shot(QWidget& widget, const char* name)
{
    const QByteArray folder = qgetenv("KALOMAX_WALKTHROUGH_SHOTS");
    if (folder.isEmpty()) {
        return;
    }
    QApplication::processEvents();
    widget.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == extension) {
            files.push_back(entry.path().string());
        }
    }
    return files;
}

} // namespace

class CWalkthroughTest : public QObject {
    Q_OBJECT
private slots:
    void aNewUsersFirstSession()
    {
        CUiFixture fixture;
        // The empty inventory a new user starts from: empty category files and no types.
        for (const auto& entry : fs::directory_iterator(fixture.folder.Path())) {
            const std::string name = entry.path().filename().string();
            if (name.size() == 8 && name.find_first_not_of("0123456789") == std::string::npos) {
                fs::remove(entry.path());
            }
        }
        for (const char* name : {"pcodes.dat", "maters.dat", "colors.dat"}) {
            fixture.folder.Write(name, "");
        }
        CInventoryData().SaveTypesOfBars();
        fs::remove(fixture.SampleJobPath());

        CMainWindow window(fixture.data);
        window.resize(980, 640);
        window.show();
        QVERIFY(fixture.platform.messages.empty());

        // 1. Categories.
        const struct {
            CategoryKind kind;
            const char* item;
            const char* file;
            const char* shot;
        } categories[] = {
            {CategoryKind::ProfileCode, "T 50", "pcodes.dat", "01-profile-codes"},
            {CategoryKind::Material, "ALU", "maters.dat", "02-materials"},
            {CategoryKind::Color, "RAL 9010", "colors.dat", "03-colors"},
        };
        window.RunCommand(kCmdTypesOfBars);
        for (const auto& category : categories) {
            CCategory dialog(window, category.kind);
            dialog.Open();
            SetText(&dialog, "itemEdit", category.item);
            Click(&dialog, "addButton");
            Shot(dialog, category.shot);
            dialog.close();
            std::string item = category.item;
            MakeItemText(item);
            QCOMPARE(fixture.folder.Read(category.file), item + "\r\n");
        }

        // 2. A type of bar, in the panel shown behind the dialogs.
        auto* types = static_cast<CPanelAddTypeOfBar*>(window.CurrentPanel());
        QCOMPARE(Child<QComboBox>(types, "colorCombo")->currentText(), QString("RAL_9010"));
        SetText(types, "priceEdit", "12");
        SetText(types, "priceLengthEdit", "1000");
        SetText(types, "minReusedLengthEdit", "500");
        SetText(types, "maxWasteLengthEdit", "50");
        SetText(types, "defaultLengthEdit", "6000");
        Click(types, "addButton");
        QVERIFY(fixture.platform.messages.empty());
        QCOMPARE(fixture.data.CountTypesOfBars(), 1);
        const TYPE_OF_BAR type = fixture.data.GetTypeOfBar(0);
        QCOMPARE(type.profileCode, std::string("T_50"));
        CInventoryData stored;
        stored.LoadTypesOfBars();
        QCOMPARE(stored.CountTypesOfBars(), 1);
        QCOMPARE(fixture.folder.Read(type.stockFile), std::string());
        types->TypesList()->SelectRow(0);
        Shot(window, "04-types-of-bars");

        // 3. Its stock.
        window.RunCommand(kCmdManageInventory);
        auto* inventory = static_cast<CPanelStock*>(window.CurrentPanel());
        inventory->TypesList()->SelectRow(0);
        SetText(inventory, "lengthEdit", "6000");
        SetText(inventory, "quantityEdit", "4");
        Click(inventory, "addButton");
        SetText(inventory, "lengthEdit", "2500");
        SetText(inventory, "quantityEdit", "1");
        Click(inventory, "addButton");
        QCOMPARE(fixture.folder.Read(type.stockFile), std::string("2500.0000\n1\n6000.0000\n4\n"));
        Shot(window, "05-inventory");

        // 4. A job.
        window.RunCommand(kCmdNewJob);
        auto* job = static_cast<CPanelOrder*>(window.CurrentPanel());
        Child<QComboBox>(job, "typeCombo")->setCurrentIndex(0);
        SetText(job, "identifierEdit", "W1");
        SetText(job, "lengthEdit", "1200");
        SetText(job, "quantityEdit", "6");
        Click(job, "addButton");
        SetText(job, "jobNameEdit", "First job");
        const std::string jobPath = fixture.folder.File("first.odr", "orders");
        fixture.platform.savePaths.push_back(jobPath);
        Click(job, "saveJobButton");
        QVERIFY(fs::exists(jobPath));
        Shot(window, "06-job");

        // 5. Launch, report, inventory update.
        {
            CLaunchJobDialog launch(&window, fixture.data, true);
            launch.Open();
            QElapsedTimer timer;
            timer.start();
            while (!launch.IsFinished() && timer.elapsed() < 60000) {
                QApplication::processEvents(QEventLoop::AllEvents, 50);
            }
            QVERIFY(launch.IsFinished());
            launch.Command(CLaunchJobDialog::kIdCreateReport);
            QCOMPARE(FilesIn(fixture.folder.File("", "report"), ".html").size(), std::size_t{1});
            launch.Command(CLaunchJobDialog::kIdUpdateInventory);
            Shot(launch, "07-launch");
            launch.close();
        }
        QVERIFY(fixture.folder.Read(type.stockFile) != "2500.0000\n1\n6000.0000\n4\n");

        // 6. Inventory report.
        {
            CStockReportDialog report(&window, fixture.data);
            report.Open();
            const std::string path = Child<QLineEdit>(&report, "reportPathEdit")->text().toStdString();
            Child<QCheckBox>(&report, "stockInfoCheck")->setChecked(true);
            Click(&report, "createReportButton");
            Shot(report, "08-inventory-report");
            report.close();
            QVERIFY(fs::exists(path));
            QVERIFY(fixture.folder.Read("report/" + fs::path(path).filename().string()).find("T_50") != std::string::npos);
        }

        // 7. Backup, then a change, then the restore brings the backed-up stock back.
        const std::string backedUpStock = fixture.folder.Read(type.stockFile);
        std::string backupPath;
        {
            CSaveInventoryDialog save(&window, fixture.data);
            save.Open();
            backupPath = Child<QLineEdit>(&save, "backupPathEdit")->text().toStdString();
            Click(&save, "saveInventoryButton");
            save.close();
        }
        QVERIFY(fs::exists(backupPath));
        window.RunCommand(kCmdManageInventory);
        inventory = static_cast<CPanelStock*>(window.CurrentPanel());
        inventory->TypesList()->SelectRow(0);
        SetText(inventory, "lengthEdit", "100");
        SetText(inventory, "quantityEdit", "1");
        Click(inventory, "addButton");
        QVERIFY(fixture.folder.Read(type.stockFile) != backedUpStock);
        fixture.platform.answers.push_back(MessageAnswer::Yes);
        fixture.platform.openPaths.push_back(backupPath);
        window.RunCommand(kCmdRestoreInventory);
        QCOMPARE(fixture.platform.messages.back().text, std::string("The restoration has been done successfully!"));
        QCOMPARE(fixture.data.CountTypesOfBars(), 1);
        QCOMPARE(fixture.folder.Read(fixture.data.GetTypeOfBar(0).stockFile), backedUpStock);
        window.RunCommand(kCmdManageInventory);
        Shot(window, "09-restored");

        // 8. The settings, looked at and left as they are.
        {
            CSettings settings(window);
            settings.Open();
            Shot(settings, "10-settings");
            Click(&settings, "cancelButton");
        }
        QVERIFY(fixture.folder.settings.values.count("length_unit") == 0);

        fixture.platform.answers.push_back(MessageAnswer::No);
        window.close();
    }
};

QTEST_MAIN(CWalkthroughTest)
#include "walkthrough_test.moc"
