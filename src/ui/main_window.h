#pragma once

#include <functional>
#include <map>

#include <QMainWindow>

#include "ui/panel.h"

class CGlobalData;
class QAction;
class QActionGroup;
class QToolBar;
class QVBoxLayout;

// Command ids of the menu and the toolbar.
enum CommandId {
    kCmdProfileCodes = 40001,
    kCmdMaterials = 40002,
    kCmdColors = 40003,
    kCmdHelp = 40004,
    kCmdAbout = 40005,
    kCmdSettings = 40010,
    kCmdTypesOfBars = 40011,
    kCmdManageInventory = 40012,
    kCmdOpenJob = 40013,
    kCmdNewJob = 40014,
    kCmdJob = 40015,
    kCmdEnglish = 40018,
    kCmdRomanian = 40019,
    kCmdInventoryReport = 40020,
    kCmdSaveInventory = 40021,
    kCmdRestoreInventory = 40022,
    kCmdImportOrdersCsv = 40040,
    kCmdExportOrdersCsv = 40041,
};

// The main window: the menu, the toolbar of three buttons and the one panel in its body.
// Constructing it runs the start-up load (settings, then the types of bars); an error
// there is shown once and the window starts with what was read.
class CMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainWindow(CGlobalData& data);
    ~CMainWindow() override;

    CGlobalData& Data() { return m_data; }
    CPanel* CurrentPanel() const { return m_panel; }
    // Keeps the shown panel when it is of `kind`, else replaces it by a new one.
    CPanel* ShowPanel(int kind);
    void DestroyPanel();

    // Runs a command as its menu item or toolbar button would.
    void RunCommand(int id);
    // The menu item of a command; ToolbarAction the toolbar button (40015, 40012, 40011).
    QAction* Action(int id) const;
    QAction* ToolbarAction(int id) const;
    // The command of a dialog that lives outside the shell; its menu item is disabled
    // until one is given.
    void SetCommandHandler(int id, std::function<void()> handler);

    static constexpr int kMinimumWidth = 777;
    static constexpr int kMinimumHeight = 500;

signals:
    // After the settings have been saved: panels show the new unit and currency.
    void settingsChanged();
    // After a category list changed (the kind of category).
    void categoryChanged(int kind);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void StartupLoad();
    void BuildMenu();
    void BuildToolbar();
    QAction* AddAction(QMenu* menu, int id, const QString& text);
    void DispatchCommand(int id);
    CPanel* CreatePanel(int kind);
    void ShowHelp();
    void ChooseLanguage(int id);
    void RestoreInventoryCommand();

    CGlobalData& m_data;
    CPanel* m_panel = nullptr;
    QWidget* m_body = nullptr;
    QVBoxLayout* m_bodyLayout = nullptr;
    QToolBar* m_toolbar = nullptr;
    QActionGroup* m_languages = nullptr;
    std::map<int, QAction*> m_actions;
    std::map<int, QAction*> m_toolbarActions;
    std::map<int, std::function<void()>> m_handlers;
};
