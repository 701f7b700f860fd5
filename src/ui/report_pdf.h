#pragma once

#include <string>

class QImage;
class QPagedPaintDevice;

// Lays the report page out on the pages of `device` (a PDF writer or a printer), with
// "Page N of M" and the job name at the foot of every page.
void PrintReport(const std::string& html, const std::string& jobName, QPagedPaintDevice& device);

// The report as a PDF file at `path`, A4 portrait, written whole or not at all; false when
// it could not be written.
bool WriteReportPdf(const std::string& html, const std::string& jobName, const std::string& path);

// Page `index` of the PDF as an image at 96 pixels per inch, for previews.
QImage ReportPageImage(const std::string& html, const std::string& jobName, int index);
