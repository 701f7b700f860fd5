#pragma once

#include "ui/dialog_box.h"

class CInventoryData;
class QLineEdit;

// Saves the whole inventory into one backup file; the path starts as a fresh file name in
// the backup folder. The dialog stays open after a save; its close box ends it.
class CSaveInventoryDialog : public CDialogBox {
    Q_OBJECT
public:
    CSaveInventoryDialog(QWidget* parent, CInventoryData& inventory);

protected:
    void OnInit() override;
    bool OnCommand(int id) override;

private:
    static constexpr int kIdSave = 1097;

    CInventoryData& m_inventory;
    QLineEdit* m_path = nullptr;
};

// The program's picture, maker and version.
class CAboutDialog : public CDialogBox {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent);
};
