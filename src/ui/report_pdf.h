#pragma once

#include <string>
#include <vector>

#include "report/cutting_diagram.h"
#include "report/inventory_report.h"
#include "report/job_report.h"

class CGlobalData;
class CInventoryData;
class QImage;
class QPageLayout;
class QPagedPaintDevice;

// A report made for paper: its page with every cutting diagram as an image the program
// draws (the page refers to diagram N as "kxdiagram:N"), and the name at the foot of
// every page.
struct PAPER_REPORT {
    struct DIAGRAM {
        CUTTING_DIAGRAM diagram;
        Length scaleLength = 0;
    };
    std::string html;
    std::string footer;
    std::vector<DIAGRAM> diagrams;
};

// The job report with the sections chosen, the job name at the foot of the pages. Raises
// like the report itself.
PAPER_REPORT JobReportOnPaper(const CGlobalData& data, const JOB_REPORT_FLAGS& flags, const CuttingPlan& plan);
// The inventory report with the sections chosen, its title at the foot of the pages.
PAPER_REPORT InventoryReportOnPaper(const CInventoryData& inventory, const INVENTORY_REPORT_FLAGS& flags);

// Lays the report out on the pages of `device` (a PDF writer or a printer), with
// "Page N of M" and the report's footer name at the foot of every page.
void PrintReport(const PAPER_REPORT& report, QPagedPaintDevice& device);

// The report as a PDF file at `path` on pages of `layout`, written whole or not at all;
// false when it could not be written.
bool WriteReportPdf(const PAPER_REPORT& report, const QPageLayout& layout, const std::string& path);

// Page `index` on pages of `layout` as an image at 96 pixels per inch, for previews.
QImage ReportPageImage(const PAPER_REPORT& report, const QPageLayout& layout, int index);
