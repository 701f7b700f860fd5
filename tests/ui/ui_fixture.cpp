#include "ui_fixture.h"

#include <filesystem>

namespace fs = std::filesystem;

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
