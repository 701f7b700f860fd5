// Draws the main window with each panel and the launch dialog after a run, in English and
// in Romanian, on the sample data: kalomax_ui_screenshots OUTPUT_FOLDER. Run it with
// QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>

#include <cstdio>
#include <ctime>

#include "core/settings.h"
#include "ui/launch_job_dialog.h"
#include "ui/main_window.h"
#include "ui/panel_order.h"
#include "ui/shell_dialogs.h"
#include "ui_fixture.h"

namespace {

void Save(QWidget& widget, const QString& folder, const QString& name)
{
    QApplication::processEvents();
    widget.grab().save(folder + "/" + name + ".png");
    std::printf("%s/%s.png\n", qPrintable(folder), qPrintable(name));
}

void Shoot(const QString& folder, int language)
{
    CUiFixture fixture;
    const std::time_t now = std::time(nullptr);
    fixture.platform.now = *std::localtime(&now);
    fixture.folder.settings.values["language"] = std::to_string(language);
    fixture.folder.settings.values["currency"] = "EUR";
    fixture.folder.settings.values["precision"] = "1";
    const QString suffix = language == 0 ? "-en" : "-ro";
    CMainWindow window(fixture.data);
    window.resize(980, 640);
    window.show();
    fixture.platform.openPaths.push_back(fixture.SampleJobPath());
    window.RunCommand(kCmdOpenJob);
    auto* jobPanel = static_cast<CPanelOrder*>(window.CurrentPanel());
    jobPanel->findChild<QTableView*>("orderList")->selectRow(1);
    window.setWindowTitle(QString::fromStdString(fixture.platform.titles.back()));
    Save(window, folder, "job-panel" + suffix);

    CLaunchJobDialog dialog(&window, fixture.data, true);
    dialog.Open();
    QElapsedTimer timer;
    timer.start();
    while (!dialog.IsFinished() && timer.elapsed() < 30000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    Save(dialog, folder, "launch-dialog" + suffix);
    dialog.Command(CLaunchJobDialog::kIdUpdateInventory);
    Save(dialog, folder, "launch-dialog-updated" + suffix);
    dialog.close();

    window.RunCommand(kCmdManageInventory);
    window.CurrentPanel()->findChild<QTableView*>("typesOfBarsList")->selectRow(0);
    window.setWindowTitle(QString::fromStdString(fixture.platform.titles.back()));
    Save(window, folder, "inventory-panel" + suffix);
    window.RunCommand(kCmdTypesOfBars);
    window.setWindowTitle(QString::fromStdString(fixture.platform.titles.back()));
    Save(window, folder, "types-of-bars-panel" + suffix);

    CAboutDialog about(&window);
    about.Open();
    Save(about, folder, "about" + suffix);
    about.close();
    CSaveInventoryDialog save(&window, fixture.data);
    save.Open();
    Save(save, folder, "save-inventory" + suffix);
    save.close();

    QMenu* options = window.findChild<QMenu*>("menuOptions");
    options->popup(QPoint(0, 0));
    Save(*options, folder, "options-menu" + suffix);
    options->hide();
    fixture.platform.answers.push_back(MessageAnswer::No);
    window.close();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    Shoot(folder, 0);
    Shoot(folder, 1);
    return 0;
}
