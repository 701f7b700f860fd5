#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/leftover_files.h"
#include "core/platform.h"
#include "core/program_files.h"
#include "core/settings.h"
#include "core/texts.h"
#include "inventory/backup.h"
#include "job/global_data.h"
#include "ui/controls.h"
#include "ui/artwork.h"
#include "ui/background_work.h"
#include "ui/guarded_call.h"
#include "ui/category_dialog.h"
#include "ui/inventory_panel.h"
#include "ui/inventory_report_dialog.h"
#include "ui/panel_order.h"
#include "ui/settings_dialog.h"
#include "ui/shell_dialogs.h"
#include "ui/types_of_bars_panel.h"

CMainWindow::CMainWindow(CGlobalData& data) : m_data(data)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(UiText(kProgramName));
    setWindowIcon(ProgramIcon());
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    resize(980, 640);

    StartupLoad();
    BuildToolbar();
    BuildMenu();

    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("panelArea"));
    m_bodyLayout = new QVBoxLayout(m_body);
    // The panel area starts 3 pixels below the toolbar.
    m_bodyLayout->setContentsMargins(0, 3, 0, 0);
    setCentralWidget(m_body);
}

CMainWindow::~CMainWindow()
{
    // Panels write their state back when they go, while the data still exists.
    DestroyPanel();
}

void CMainWindow::StartupLoad()
{
    GuardedCall(ErrorCaptions::Window, [] { LoadStartupSettings(); });
    RemoveLeftoverTemporaryFiles();
    GuardedCall(ErrorCaptions::Window, [this] { m_data.LoadTypesOfBars(); });
}

QAction* CMainWindow::AddAction(QMenu* menu, int id, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    m_actions[id] = action;
    return action;
}

void CMainWindow::BuildMenu()
{
    QMenuBar* bar = menuBar();
    QMenu* commands = bar->addMenu(UiText(LangText(T_MENU_COMMANDS)));
    commands->setObjectName(QStringLiteral("menuCommands"));
    AddAction(commands, kCmdOpenJob, UiText(LangText(T_MENU_OPEN_JOB)));
    AddAction(commands, kCmdNewJob, UiText(LangText(T_MENU_NEW_JOB)));
    AddAction(commands, kCmdImportOrdersCsv, UiText(LangText(T_IMPORT_ORDERS_CSV)));
    AddAction(commands, kCmdExportOrdersCsv, UiText(LangText(T_EXPORT_ORDERS_CSV)));
    commands->addSeparator();
    AddAction(commands, kCmdTypesOfBars, UiText(LangText(T_MENU_TYPES_OF_BARS)));
    AddAction(commands, kCmdManageInventory, UiText(LangText(T_MENU_MANAGE_INVENTORY)));
    commands->addSeparator();
    AddAction(commands, kCmdInventoryReport, UiText(LangText(T_MENU_INVENTORY_REPORT)));

    QMenu* options = bar->addMenu(UiText(LangText(T_MENU_OPTIONS)));
    options->setObjectName(QStringLiteral("menuOptions"));
    AddAction(options, kCmdProfileCodes, UiText(LangText(T_MENU_PROFILE_CODES)));
    AddAction(options, kCmdMaterials, UiText(LangText(T_MENU_MATERIALS)));
    AddAction(options, kCmdColors, UiText(LangText(T_MENU_COLORS)));
    options->addSeparator();
    AddAction(options, kCmdSettings, UiText(LangText(T_MENU_SETTINGS)));
    QMenu* language = options->addMenu(UiText(kMenuLanguage));
    language->setObjectName(QStringLiteral("menuLanguage"));
    m_languages = new QActionGroup(this);
    m_languages->setExclusive(true);
    for (int id : {kCmdEnglish, kCmdRomanian}) {
        QAction* action = AddAction(language, id, UiText(id == kCmdEnglish ? kMenuEnglish : kMenuRomanian));
        action->setCheckable(true);
        m_languages->addAction(action);
    }
    // The check mark stands on the language loaded at start.
    m_actions[kCmdEnglish + static_cast<int>(Language)]->setChecked(true);

    QMenu* backup = bar->addMenu(UiText(kMenuBackup));
    backup->setObjectName(QStringLiteral("menuBackup"));
    AddAction(backup, kCmdSaveInventory, UiText(LangText(T_MENU_SAVE_INVENTORY)));
    AddAction(backup, kCmdRestoreInventory, UiText(LangText(T_MENU_RESTORE_INVENTORY)));

    QMenu* help = bar->addMenu(UiText(LangText(T_MENU_HELP)));
    help->setObjectName(QStringLiteral("menuHelp"));
    AddAction(help, kCmdHelp, UiText(LangText(T_MENU_HELP_ITEM)));
    AddAction(help, kCmdAbout, UiText(LangText(T_MENU_ABOUT)));

}

void CMainWindow::BuildToolbar()
{
    m_toolbar = addToolBar(QStringLiteral("toolbar"));
    m_toolbar->setObjectName(QStringLiteral("toolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolbar->setIconSize(QSize(24, 24));
    m_toolbar->toggleViewAction()->setEnabled(false);
    struct BUTTON {
        int id;
        QIcon icon;
        const char* text;
        const char* name;
    };
    const BUTTON buttons[] = {
        {kCmdJob, JobToolbarIcon(), LangText(T_TOOLBAR_JOB), "toolbarJob"},
        {kCmdManageInventory, InventoryToolbarIcon(), LangText(T_TOOLBAR_INVENTORY), "toolbarInventory"},
        {kCmdTypesOfBars, TypesOfBarsToolbarIcon(), LangText(T_TOOLBAR_TYPES_OF_BARS), "toolbarTypesOfBars"},
    };
    for (const BUTTON& button : buttons) {
        QAction* action = m_toolbar->addAction(button.icon, UiText(button.text));
        action->setObjectName(QString::fromLatin1(button.name));
        const int id = button.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        m_toolbarActions[id] = action;
    }
    setContextMenuPolicy(Qt::NoContextMenu);
}

QAction* CMainWindow::Action(int id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QAction* CMainWindow::ToolbarAction(int id) const
{
    const auto it = m_toolbarActions.find(id);
    return it == m_toolbarActions.end() ? nullptr : it->second;
}

void CMainWindow::SetCommandHandler(int id, std::function<void()> handler)
{
    m_handlers[id] = std::move(handler);
    if (QAction* action = Action(id); action != nullptr) {
        action->setEnabled(true);
    }
}

void CMainWindow::RunCommand(int id)
{
    if (IsBackgroundWorkRunning()) {
        return;
    }
    GuardedCall(ErrorCaptions::Window, [this, id] { DispatchCommand(id); });
}

void CMainWindow::DispatchCommand(int id)
{
    switch (id) {
    case kCmdOpenJob:
        static_cast<CPanelOrder*>(ShowPanel(kPanelJob))->OpenJobCommand();
        return;
    case kCmdNewJob:
        static_cast<CPanelOrder*>(ShowPanel(kPanelJob))->NewJobCommand();
        return;
    case kCmdImportOrdersCsv:
        static_cast<CPanelOrder*>(ShowPanel(kPanelJob))->ImportOrdersCsvCommand();
        return;
    case kCmdExportOrdersCsv:
        static_cast<CPanelOrder*>(ShowPanel(kPanelJob))->ExportOrdersCsvCommand();
        return;
    case kCmdJob: ShowPanel(kPanelJob); return;
    case kCmdTypesOfBars: ShowPanel(kPanelTypesOfBars); return;
    case kCmdManageInventory: ShowPanel(kPanelInventory); return;
    case kCmdEnglish:
    case kCmdRomanian: ChooseLanguage(id); return;
    case kCmdSaveInventory: {
        CSaveInventoryDialog dialog(this, m_data);
        dialog.Run();
        return;
    }
    case kCmdRestoreInventory: RestoreInventoryCommand(); return;
    case kCmdProfileCodes: RunCategoryDialog(*this, CategoryKind::ProfileCode); return;
    case kCmdMaterials: RunCategoryDialog(*this, CategoryKind::Material); return;
    case kCmdColors: RunCategoryDialog(*this, CategoryKind::Color); return;
    case kCmdSettings: {
        CSettings dialog(*this);
        dialog.Run();
        return;
    }
    case kCmdInventoryReport: {
        CStockReportDialog dialog(this, m_data);
        dialog.Run();
        return;
    }
    case kCmdHelp: ShowHelp(); return;
    case kCmdAbout: {
        CAboutDialog dialog(this);
        dialog.Run();
        return;
    }
    default:
        if (const auto it = m_handlers.find(id); it != m_handlers.end() && it->second) {
            it->second();
        }
        return;
    }
}

CPanel* CMainWindow::CreatePanel(int kind)
{
    switch (kind) {
    case kPanelJob: return new CPanelOrder(*this);
    case kPanelInventory: return new CPanelStock(*this);
    default: return new CPanelAddTypeOfBar(*this);
    }
}

CPanel* CMainWindow::ShowPanel(int kind)
{
    if (m_panel != nullptr && m_panel->Kind() == kind) {
        return m_panel;
    }
    DestroyPanel();
    m_panel = CreatePanel(kind);
    m_bodyLayout->addWidget(m_panel);
    m_panel->show();
    return m_panel;
}

void CMainWindow::DestroyPanel()
{
    if (m_panel == nullptr) {
        return;
    }
    CPanel* panel = m_panel;
    m_panel = nullptr;
    delete panel;
}

void CMainWindow::closeEvent(QCloseEvent* event)
{
    if (IsBackgroundWorkRunning()) {
        event->ignore();
        return;
    }
    bool mayClose = false;
    GuardedCall(ErrorCaptions::Window, [this, &mayClose] {
        if (auto* jobPanel = dynamic_cast<CPanelOrder*>(m_panel); jobPanel != nullptr) {
            jobPanel->CommitNameFields();
        }
        mayClose = m_data.AskSaveJob();
    });
    // A job that could not be saved keeps the program open, so nothing is lost.
    if (!mayClose) {
        event->ignore();
        return;
    }
    DestroyPanel();
    event->accept();
}

void CMainWindow::ShowHelp()
{
    // A help page that cannot be opened is not an error worth a message.
    Platform().OpenWithShell(ProgramFilePath("help", LangText(T_HELP_FILE)));
}

void CMainWindow::ChooseLanguage(int id)
{
    // Shown from the next start on: the texts on screen stay as they are.
    WriteIntSetting(kSettingLanguage, id - kCmdEnglish);
    m_actions[id]->setChecked(true);
}

void CMainWindow::RestoreInventoryCommand()
{
    DestroyPanel();
    if (Platform().ShowMessage(LangText(T_ASK_RESTORE), LangText(T_QUESTION), MessageIcon::Question,
                               MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    const std::optional<std::string> path =
        Platform().AskOpenFileName(FILE_DIALOG{"", kBackupFilesFilter, ProgramFilePath("backup", ""), "bkp"});
    if (!path) {
        return;
    }
    RunInBackground(this, LangText(T_WORK_RESTORING), [this, &path] { RestoreInventory(m_data, *path); });
    Platform().ShowMessage(LangText(T_RESTORE_DONE), LangText(T_RESTORE_CAPTION), MessageIcon::Information,
                           MessageButtons::Ok);
}
