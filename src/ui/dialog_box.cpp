#include "ui/dialog_box.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "ui/artwork.h"
#include "ui/guarded_call.h"

CDialogBox::CDialogBox(QWidget* parent, const std::string& title) : QDialog(parent), m_title(title.substr(0, 127))
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void CDialogBox::Initialize()
{
    GuardedCall(ErrorCaptions::Dialog, [this] { OnInit(); });
    // Set after OnInit, so this caption wins over one set there.
    setWindowTitle(QString::fromStdString(m_title));
    setWindowIcon(ProgramIcon());
}

void CDialogBox::Run()
{
    Initialize();
    exec();
}

void CDialogBox::Open()
{
    Initialize();
    show();
}

void CDialogBox::EndDialog() { done(0); }

void CDialogBox::Command(int id)
{
    GuardedCall(ErrorCaptions::Dialog, [this, id] {
        if (OnCommand(id)) {
            return;
        }
        if (id == kIdOk) {
            OnOK();
        } else if (id == kIdCancel) {
            OnCancel();
        }
    });
}

bool CDialogBox::OnCommand(int id)
{
    if (id == kIdOk || id == kIdCancel) {
        EndDialog();
    }
    return true;
}

void CDialogBox::accept() { Command(kIdOk); }

void CDialogBox::reject() { Command(kIdCancel); }

void CDialogBox::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    GuardedCall(ErrorCaptions::Dialog, [this, &mayClose] { mayClose = OnClose(); });
    if (mayClose) {
        event->accept();
        EndDialog();
    } else {
        event->ignore();
    }
}

void CDialogBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_centred) {
        return;
    }
    m_centred = true;
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size = frameGeometry().size();
    move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

CPanelForm::CPanelForm(QWidget* parent) : QWidget(parent) {}

void CPanelForm::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
