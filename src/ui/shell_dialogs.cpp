#include "ui/shell_dialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/program_files.h"
#include "core/texts.h"
#include "inventory/backup.h"
#include "ui/controls.h"
#include "ui/artwork.h"
#include "ui/background_work.h"

CSaveInventoryDialog::CSaveInventoryDialog(QWidget* parent, CInventoryData& inventory)
    : CDialogBox(parent, LangText(T_SAVE_INVENTORY_TITLE)), m_inventory(inventory)
{
    setObjectName(QStringLiteral("saveInventoryDialog"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("backupPathLabel"));
    layout->addWidget(label);
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("backupPathEdit"));
    m_path->setMaxLength(259);
    m_path->setMinimumWidth(420);
    layout->addWidget(m_path);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = new QPushButton(this);
    save->setObjectName(QStringLiteral("saveInventoryButton"));
    save->setAutoDefault(false);
    buttons->addWidget(save);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, [this] { Command(kIdSave); });
}

void CSaveInventoryDialog::OnInit()
{
    m_path->setText(QString::fromStdString(ProgramFilePath("backup", UniqueFileName("backup", "bkp"))));
    findChild<QPushButton*>(QStringLiteral("saveInventoryButton"))->setText(UiText(LangText(T_SAVE_INVENTORY_BUTTON)));
    findChild<QLabel*>(QStringLiteral("backupPathLabel"))->setText(UiText(LangText(T_BACKUP_PATH_LABEL)));
}

bool CSaveInventoryDialog::OnCommand(int id)
{
    if (id == kIdSave) {
        const std::string path = m_path->text().toStdString();
        RunInBackground(this, LangText(T_WORK_SAVING_INVENTORY), [this, &path] { SaveInventory(m_inventory, path); });
        Platform().ShowMessage(LangText(T_INVENTORY_SAVED), LangText(T_SAVE_INVENTORY_TITLE),
                               MessageIcon::Information, MessageButtons::Ok);
        return true;
    }
    return CDialogBox::OnCommand(id);
}

CAboutDialog::CAboutDialog(QWidget* parent)
    : CDialogBox(parent, std::string(LangText(T_ABOUT)) + " " + kProgramName)
{
    setObjectName(QStringLiteral("aboutDialog"));
    auto* layout = new QHBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("aboutPicture"));
    picture->setPixmap(AboutPicture());
    picture->setAlignment(Qt::AlignTop);
    layout->addWidget(picture);

    auto* texts = new QVBoxLayout;
    auto* name = new QLabel(UiText(kProgramName), this);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
    nameFont.setBold(true);
    name->setFont(nameFont);
    texts->addWidget(name);
    for (const char* line : {LangText(T_ABOUT_MAKER), LangText(T_ABOUT_WEB), LangText(T_ABOUT_SUPPORT)}) {
        auto* label = new QLabel(UiText(line), this);
        label->setWordWrap(true);
        texts->addWidget(label);
    }
    texts->addSpacing(8);
    for (const char* line : {LangText(T_ABOUT_WARNING1), LangText(T_ABOUT_WARNING2)}) {
        auto* warning = new QLabel(UiText(line), this);
        warning->setWordWrap(true);
        texts->addWidget(warning);
    }
    auto* version = new QLabel(QStringLiteral("%1 %2").arg(UiText(LangText(T_VERSION_LABEL)), UiText(kVersionText)), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    texts->addWidget(version);
    texts->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(UiText(LangText(T_OK)));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Command(kIdOk); });
    texts->addWidget(buttons);
    layout->addLayout(texts, 1);
    setMinimumSize(600, 260);
}
