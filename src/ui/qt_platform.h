#pragma once

#include <QPointer>
#include <QWidget>

#include "core/platform.h"

// The Platform of the desktop program: message boxes and file dialogs owned by the open
// modal dialog or else the main window, the main window's title, the desktop shell.
class CQtPlatform : public IPlatform {
public:
    void SetMainWindow(QWidget* window) { m_mainWindow = window; }

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<std::string> AskOpenFileName(const FILE_DIALOG& dialog) override;
    std::optional<std::string> AskSaveFileName(const FILE_DIALOG& dialog) override;
    void SetMainWindowTitle(const std::string& title) override;
    bool OpenWithShell(const std::string& path) override;
    std::tm LocalTime() override;

private:
    QWidget* Owner() const;

    QPointer<QWidget> m_mainWindow;
};
