#pragma once

#include "ui/dialog_box.h"

class CMainWindow;
class QComboBox;
class QLabel;
class QLineEdit;

// The settings dialog: currency, length unit, precision and saw thickness. OK stores them
// and tells the main window (settingsChanged), so the panel shown takes the new unit and
// currency at once; Cancel stores nothing.
class CSettings : public CDialogBox {
    Q_OBJECT
public:
    explicit CSettings(CMainWindow& owner);

    static constexpr int kIdPrecision = 1015;
    static constexpr int kIdUnit = 1017;

protected:
    void OnInit() override;
    bool OnCommand(int id) override;

private:
    // The saved saw thickness in the unit and precision chosen in the lists; what was typed
    // into the field is replaced.
    void PreviewSawThickness();
    void OnUnitChosen();
    void Save();

    CMainWindow& m_owner;
    QLabel* m_currencyLabel;
    QLineEdit* m_currency;
    QLabel* m_unitLabel;
    QComboBox* m_unit;
    QLabel* m_precisionLabel;
    QComboBox* m_precision;
    QLabel* m_sawLabel;
    QLineEdit* m_saw;
    QLabel* m_sawUnit;
};
