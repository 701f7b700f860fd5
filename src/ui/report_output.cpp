#include "ui/report_output.h"

#include <QPrintDialog>
#include <QPrinter>

#include "core/exception.h"
#include "core/platform.h"
#include "core/program_files.h"
#include "core/texts.h"
#include "report/report_page.h"
#include "ui/background_work.h"

namespace {

bool SystemPrinterDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrinterDialog& CurrentPrinterDialog()
{
    static PrinterDialog dialog = SystemPrinterDialog;
    return dialog;
}

} // namespace

void SetPrinterDialog(PrinterDialog dialog)
{
    CurrentPrinterDialog() = dialog ? std::move(dialog) : PrinterDialog(SystemPrinterDialog);
}

void CreateReportBesideTheWindow(QWidget* parent, const std::function<std::string()>& build,
                                 const std::string& path)
{
    RunInBackground(parent, LangText(T_WORK_CREATING_REPORT), [&] { WriteReportFile(path, build()); });
    // The shell is the platform's: asked from the window's thread.
    Platform().OpenWithShell(path);
}

void SaveReportAsPdf(QWidget* parent, const PaperReportBuilder& build, const PAPER_SETUP& paper)
{
    FILE_DIALOG dialog;
    dialog.title = LangText(T_SAVE_REPORT_PDF);
    dialog.filter = LangText(T_PDF_FILTER);
    dialog.initialFolder = ProgramFilePath("report", "");
    dialog.defaultExtension = "pdf";
    const std::optional<std::string> path = Platform().AskSaveFileName(dialog);
    if (!path) {
        return;
    }
    bool written = false;
    RunInBackground(parent, LangText(T_WORK_WRITING_PDF),
                    [&] { written = WriteReportPdf(build(), PageLayoutOf(paper), *path); });
    if (!written) {
        KX_RAISE(LangText(T_PDF_NOT_WRITTEN));
    }
}

void PrintReportOnPrinter(QWidget* parent, const PaperReportBuilder& build, const PAPER_SETUP& paper)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(PageLayoutOf(paper));
    if (!CurrentPrinterDialog()(printer, parent)) {
        return;
    }
    RunInBackground(parent, LangText(T_WORK_PRINTING), [&] {
        const PAPER_REPORT report = build();
        printer.setDocName(QString::fromStdString(report.footer));
        PrintReport(report, printer);
    });
}
