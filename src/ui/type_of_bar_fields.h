#pragma once

#include "inventory/type_of_bar.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// The price and the four lengths of a type of bar as a form shows them: one edit each,
// the currency beside the price and the unit label beside every length. The forms of the
// types-of-bars panel and of the inventory panel share them.
class CTypeOfBarFields {
public:
    // Adds the five rows to `grid`, starting at `row` (label, edit, currency or unit).
    void Build(QWidget* parent, QGridLayout* grid, int row);

    // Reads the price and the four lengths into `record`, checked in this order: the price
    // length, then the default length must be readable and not 0, then default >= minimum
    // reused >= maximum waste. The first failed check raises its message and `record` is
    // left as it was. An unreadable price is 0.
    void Read(TYPE_OF_BAR& record) const;
    // The price with 2 decimals and the lengths as plain length text in the current unit.
    void Show(const TYPE_OF_BAR& type);
    void Clear();
    // The currency and the unit labels from the current settings.
    void SetUnitLabels();

private:
    QLineEdit* m_price = nullptr;
    QLineEdit* m_priceLength = nullptr;
    QLineEdit* m_minReusedLength = nullptr;
    QLineEdit* m_maxWasteLength = nullptr;
    QLineEdit* m_defaultLength = nullptr;
    QLabel* m_currency = nullptr;
    QLabel* m_units[4] = {};
};

// The label, edit and button helpers of the panel forms; every control gets the object name
// that tests and screenshots find it by.
QLabel* NewFormLabel(QWidget* parent, const char* text, const char* name = nullptr);
QLineEdit* NewFormEdit(QWidget* parent, const char* name, int maxLength);
