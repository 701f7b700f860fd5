#pragma once

#include <functional>

#include "ui/paper_setup.h"
#include "ui/report_pdf.h"

class QPrinter;
class QWidget;

// Builds the report when it is needed; may raise like the report itself.
using PaperReportBuilder = std::function<PAPER_REPORT()>;

// "Save report as PDF...": asks for the file through the platform, then builds the report
// and writes it there on the chosen paper. Raises "The PDF file could not be written!".
void SaveReportAsPdf(const PaperReportBuilder& build, const PAPER_SETUP& paper);

// "Print...": builds the report, then the printer dialog starting from the chosen paper
// (printer, size, orientation and pages may be changed there), then the pages.
void PrintReportOnPrinter(QWidget* parent, const PaperReportBuilder& build, const PAPER_SETUP& paper);

// The printer dialog: true when the user chose to print. Tests put their own in place of
// the system's with SetPrinterDialog; an empty one puts the system's back.
using PrinterDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
void SetPrinterDialog(PrinterDialog dialog);
