#include <QApplication>
#include <QMessageBox>

#include "core/program_files.h"
#include "core/settings_store.h"
#include "core/texts.h"
#include "job/global_data.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"
#include "ui/qt_settings_store.h"
#include "ui/single_instance.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);

    // The settings are not read yet: this message is always in English.
    const CSingleInstance instance;
    if (!instance.IsFirst()) {
        QMessageBox::information(nullptr, QString::fromLatin1(kProgramName),
                                 QString::fromLatin1(LangTextIn(T_ALREADY_RUNNING, 0)));
        return 0;
    }

    SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
    CQtSettingsStore settings;
    SetSettingsStore(&settings);
    CQtPlatform platform;
    SetPlatform(&platform);

    int result = 0;
    {
        CGlobalData data;
        CMainWindow window(data);
        platform.SetMainWindow(&window);
        window.show();
        result = application.exec();
        platform.SetMainWindow(nullptr);
    }
    SetPlatform(nullptr);
    SetSettingsStore(nullptr);
    return result;
}
