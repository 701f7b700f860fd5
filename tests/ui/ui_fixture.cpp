#include "ui_fixture.h"

#include <QPageLayout>
#include <QPrinter>

#include <filesystem>

#include "ui/report_output.h"

namespace fs = std::filesystem;

CScopedFakePrinterDialog::CScopedFakePrinterDialog()
{
    SetPrinterDialog([this](QPrinter& printer, QWidget*) {
        ++shown;
        startPageSize = printer.pageLayout().pageSize().name();
        startLandscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
        if (answers.empty() || answers.front().empty()) {
            if (!answers.empty()) {
                answers.pop_front();
            }
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(answers.front()));
        answers.pop_front();
        return true;
    });
}

CScopedFakePrinterDialog::~CScopedFakePrinterDialog() { SetPrinterDialog(nullptr); }

CUiFixture::CUiFixture()
{
    fs::copy(KALOMAX_DATA_DIR, folder.Path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::copy_file(KALOMAX_OPTIMIZER_LIBRARY, fs::path(folder.Path()) / fs::path(KALOMAX_OPTIMIZER_LIBRARY).filename(),
                  fs::copy_options::overwrite_existing);
}

std::string CUiFixture::SampleJobPath() const { return folder.File("sample.odr", "orders"); }

void CUiFixture::OpenSampleJob()
{
    platform.openPaths.push_back(SampleJobPath());
    data.OpenJob();
}
