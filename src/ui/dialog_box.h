#pragma once

#include <string>

#include <QDialog>
#include <QWidget>

// Command ids of the standard dialog buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Base of every modal dialog: title, program icon, centred on the screen, errors of its
// handlers shown under the fixed English captions. The close box asks OnClose, which may
// veto it; OK, Cancel and the Escape key arrive as commands.
class CDialogBox : public QDialog {
    Q_OBJECT
public:
    CDialogBox(QWidget* parent, const std::string& title);

    // Runs OnInit, then shows the dialog modally until it ends.
    void Run();
    // Runs OnInit and shows the dialog without blocking (for tests and previews).
    void Open();
    // Ends the dialog (modal or not) with result 0.
    void EndDialog();

    // A command from one of the dialog's buttons, run through the dialog's error handling.
    void Command(int id);

    void accept() override;
    void reject() override;

protected:
    virtual void OnInit() {}
    // True when the command was handled; the default ends the dialog on OK and Cancel.
    virtual bool OnCommand(int id);
    virtual void OnOK() {}
    virtual void OnCancel() {}
    // False keeps the dialog open when its close box is clicked.
    virtual bool OnClose() { return true; }

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Initialize();

    std::string m_title;
    bool m_centred = false;
};

// Base of the forms that make up the lower part of the panels: a child widget of the main
// window in which Enter and Escape do nothing.
class CPanelForm : public QWidget {
    Q_OBJECT
public:
    explicit CPanelForm(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
