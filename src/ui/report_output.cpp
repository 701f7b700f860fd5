#include "ui/report_output.h"

#include <QPrintDialog>
#include <QPrinter>

#include "core/exception.h"
#include "core/platform.h"
#include "core/program_files.h"
#include "core/texts.h"

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

void SaveReportAsPdf(const PaperReportBuilder& build, const PAPER_SETUP& paper)
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
    if (!WriteReportPdf(build(), PageLayoutOf(paper), *path)) {
        KX_RAISE(LangText(T_PDF_NOT_WRITTEN));
    }
}

void PrintReportOnPrinter(QWidget* parent, const PaperReportBuilder& build, const PAPER_SETUP& paper)
{
    const PAPER_REPORT report = build();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(PageLayoutOf(paper));
    printer.setDocName(QString::fromStdString(report.footer));
    if (!CurrentPrinterDialog()(printer, parent)) {
        return;
    }
    PrintReport(report, printer);
}
