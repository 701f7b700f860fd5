// Draws the main window with each panel and the launch dialog after a run, in English and
// in Romanian, on the sample data: kalomax_ui_screenshots OUTPUT_FOLDER. Run it with
// QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>

#include <cstdio>
#include <ctime>

#include "core/settings.h"
#include "job/order_csv.h"
#include "ui/cutting_diagram_view.h"
#include "ui/inventory_report_dialog.h"
#include "ui/launch_job_dialog.h"
#include "ui/main_window.h"
#include "ui/order_import_preview.h"
#include "ui/panel_order.h"
#include "ui/paper_setup.h"
#include "ui/report_pdf.h"
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

    const ORDER_IMPORT import = ReadOrdersCsv(fixture.data,
                                              "Profile code;Material;Color;Identifier;Length;Quantity\n"
                                              "AL-40x40;AL;NATUR;W2-frame;1450;4\n"
                                              "AL-40x40;AL;NATUR;W2-sash;1180.5;4\n"
                                              "PVC-70;PVC;WHITE;;950;2\n"
                                              "AL-40x40;AL;PINK;X;100;1\n"
                                              "ST-20x20;STEEL;BLACK;RACK;12x;3\n"
                                              "ST-20x20;STEEL;BLACK;RACK;480;0\n",
                                              LengthUnit);
    COrderImportPreview preview(&window, import);
    preview.Open();
    Save(preview, folder, "import-preview" + suffix);
    preview.close();

    CLaunchJobDialog dialog(&window, fixture.data, true);
    dialog.Open();
    QElapsedTimer timer;
    timer.start();
    while (!dialog.IsFinished() && timer.elapsed() < 30000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    Save(dialog, folder, "launch-dialog" + suffix);
    dialog.Command(CLaunchJobDialog::kIdShowDiagrams);
    dialog.DiagramWindow()->resize(900, 560);
    Save(*dialog.DiagramWindow(), folder, "diagrams" + suffix);
    dialog.DiagramWindow()->close();
    JOB_REPORT_FLAGS all;
    all.jobInfo = all.settings = all.statistics = all.cutLayouts = all.totalCosts = all.barsBought = true;
    all.cutDiagrams = true;
    const PAPER_REPORT report = JobReportOnPaper(fixture.data, all, dialog.Plan());
    for (int page = 0; page < 2; ++page) {
        const QString name = QStringLiteral("report-pdf-page%1").arg(page + 1) + suffix;
        ReportPageImage(report, PageLayoutOf({}), page).save(folder + "/" + name + ".png");
        std::printf("%s/%s.png\n", qPrintable(folder), qPrintable(name));
    }
    // The PDF files themselves, for a look with a PDF viewer or renderer.
    WriteReportPdf(report, PageLayoutOf({}), (folder + "/job-report" + suffix + ".pdf").toStdString());
    WriteReportPdf(report, PageLayoutOf({0, true}),
                   (folder + "/job-report-landscape" + suffix + ".pdf").toStdString());
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

    CStockReportDialog stockReport(&window, fixture.data);
    stockReport.Open();
    Save(stockReport, folder, "inventory-report-dialog" + suffix);
    stockReport.close();
    INVENTORY_REPORT_FLAGS stockSections;
    stockSections.stockInfo = stockSections.stockDetails = stockSections.totalCost = stockSections.barsBought = true;
    WriteReportPdf(InventoryReportOnPaper(fixture.data, stockSections), PageLayoutOf({}),
                   (folder + "/inventory-report" + suffix + ".pdf").toStdString());

    CAboutDialog about(&window);
    about.Open();
    Save(about, folder, "about" + suffix);
    about.close();
    CSaveInventoryDialog save(&window, fixture.data);
    save.Open();
    Save(save, folder, "save-inventory" + suffix);
    save.close();

    // A long plan: 200 layouts of one type, each a different mix of pieces.
    const int type = fixture.data.FindTypeOfBar("AL-40x40", "AL", "NATUR");
    if (type >= 0) {
        CuttingPlan plan;
        const Length lengths[4] = {450, 730, 1180, 1625};
        for (int k = 0; k < 4; ++k) {
            plan.AddItem(type, {lengths[k], 2000, {{"P" + std::to_string(k + 1), 2000}}});
        }
        for (int i = 0; i < 200; ++i) {
            std::vector<std::int32_t> pieces = {i % 5, (i / 5) % 3, (i / 15) % 2, i % 2};
            Length used = 0;
            for (int k = 0; k < 4; ++k) {
                used += pieces[k] * (lengths[k] + 3);
            }
            plan.AddLayout(type, {6000, std::min<Length>(used, 6000), 1 + i % 4, pieces});
        }
        CCuttingDiagramWindow many(&window, DiagramSections(fixture.data, plan, 3));
        many.resize(900, 560);
        many.show();
        many.ScrollArea()->verticalScrollBar()->setValue(many.ScrollArea()->verticalScrollBar()->maximum() / 2);
        Save(many, folder, "diagrams-200" + suffix);
    }

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
