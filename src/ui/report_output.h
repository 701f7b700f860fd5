#pragma once

#include <functional>
#include <string>

#include "ui/paper_setup.h"
#include "ui/report_pdf.h"

class QPrinter;
class QWidget;

// Builds the report when it is needed; may raise like the report itself.
using PaperReportBuilder = std::function<PAPER_REPORT()>;

// "Create report": builds the page and writes it to `path` on a worker thread while a
// progress dialog stands over `parent`, then opens it with the desktop shell. Raises what the
// building raises, or "Cannot create report!" (nothing is opened then).
void CreateReportBesideTheWindow(QWidget* parent, const std::function<std::string()>& build,
                                 const std::string& path);

// "Save report as PDF...": asks for the file through the platform, then builds the report
// and writes it there on the chosen paper, on a worker thread like Create report. Raises
// "The PDF file could not be written!".
void SaveReportAsPdf(QWidget* parent, const PaperReportBuilder& build, const PAPER_SETUP& paper);

// "Print...": the printer dialog starting from the chosen paper (printer, size, orientation
// and pages may be changed there), then the report built and printed on a worker thread like
// the PDF file.
void PrintReportOnPrinter(QWidget* parent, const PaperReportBuilder& build, const PAPER_SETUP& paper);

// The printer dialog: true when the user chose to print. Tests put their own in place of
// the system's with SetPrinterDialog; an empty one puts the system's back.
using PrinterDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
void SetPrinterDialog(PrinterDialog dialog);
