#include "ui/qt_platform.h"

#include <ctime>

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

QWidget* CQtPlatform::Owner() const
{
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr) {
        return modal;
    }
    return m_mainWindow.data();
}

MessageAnswer CQtPlatform::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                                       MessageButtons buttons)
{
    QMessageBox box(Owner());
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    switch (icon) {
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    }
    switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: break;
    }
    // The window's close box on a question means "not now".
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok
           : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                : MessageAnswer::Cancel;
}

namespace {

QString Filter(const FILE_DIALOG& dialog)
{
    return QString::fromStdString(dialog.filter);
}

} // namespace

std::optional<std::string> CQtPlatform::AskOpenFileName(const FILE_DIALOG& dialog)
{
    const QString path = QFileDialog::getOpenFileName(Owner(), QString::fromStdString(dialog.title),
                                                      QString::fromStdString(dialog.initialFolder), Filter(dialog));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(path).exists() ? std::optional<std::string>(path.toStdString()) : std::nullopt;
}

std::optional<std::string> CQtPlatform::AskSaveFileName(const FILE_DIALOG& dialog)
{
    QFileDialog fileDialog(Owner(), QString::fromStdString(dialog.title), QString::fromStdString(dialog.initialFolder),
                           Filter(dialog));
    fileDialog.setAcceptMode(QFileDialog::AcceptSave);
    fileDialog.setFileMode(QFileDialog::AnyFile);
    fileDialog.setDefaultSuffix(QString::fromStdString(dialog.defaultExtension));
    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return fileDialog.selectedFiles().first().toStdString();
}

void CQtPlatform::SetMainWindowTitle(const std::string& title)
{
    if (m_mainWindow != nullptr) {
        m_mainWindow->setWindowTitle(QString::fromStdString(title));
    }
}

bool CQtPlatform::OpenWithShell(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

std::tm CQtPlatform::LocalTime() { return SystemLocalTime(); }
