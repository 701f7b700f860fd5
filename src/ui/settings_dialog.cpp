#include "ui/settings_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/length.h"
#include "core/settings.h"
#include "core/texts.h"
#include "ui/controls.h"
#include "ui/main_window.h"

namespace {

// The unit modes whose lengths are written with decimals; the others have fractions.
constexpr int kLastDecimalUnit = 5;

} // namespace

CSettings::CSettings(CMainWindow& owner) : CDialogBox(&owner, LangText(T_SETTINGS_TITLE)), m_owner(owner)
{
    setObjectName(QStringLiteral("settingsDialog"));
    auto* grid = new QGridLayout(this);
    m_currencyLabel = new QLabel(this);
    grid->addWidget(m_currencyLabel, 0, 0, 1, 2);
    m_currency = new QLineEdit(this);
    m_currency->setObjectName(QStringLiteral("currencyEdit"));
    m_currency->setMaxLength(static_cast<int>(kCurrencyMaxLength));
    grid->addWidget(m_currency, 1, 0);
    m_unitLabel = new QLabel(this);
    grid->addWidget(m_unitLabel, 2, 0, 1, 2);
    m_unit = new QComboBox(this);
    m_unit->setObjectName(QStringLiteral("unitCombo"));
    grid->addWidget(m_unit, 3, 0);
    m_precisionLabel = new QLabel(this);
    grid->addWidget(m_precisionLabel, 4, 0, 1, 2);
    m_precision = new QComboBox(this);
    m_precision->setObjectName(QStringLiteral("precisionCombo"));
    grid->addWidget(m_precision, 5, 0);
    m_sawLabel = new QLabel(this);
    grid->addWidget(m_sawLabel, 6, 0, 1, 2);
    m_saw = new QLineEdit(this);
    m_saw->setObjectName(QStringLiteral("sawThicknessEdit"));
    m_saw->setMaxLength(static_cast<int>(kSawThicknessTextMaxLength));
    grid->addWidget(m_saw, 7, 0);
    m_sawUnit = new QLabel(QStringLiteral("mm3"), this);
    m_sawUnit->setObjectName(QStringLiteral("sawThicknessUnit"));
    m_sawUnit->setMinimumWidth(m_sawUnit->fontMetrics().horizontalAdvance(QStringLiteral("ft/in")) + 4);
    grid->addWidget(m_sawUnit, 7, 1);
    m_currency->setMinimumWidth(340);

    auto* buttons = new QVBoxLayout;
    auto* ok = new QPushButton(UiText(kOkText), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(UiText(kCancelText), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 1, 2, 7, 1);
    grid->setColumnStretch(0, 1);

    connect(ok, &QPushButton::clicked, this, [this] { Command(kIdOk); });
    connect(cancel, &QPushButton::clicked, this, [this] { Command(kIdCancel); });
    // Only a choice of the user previews, not the filling at initialisation.
    connect(m_unit, &QComboBox::activated, this, [this] { Command(kIdUnit); });
    connect(m_precision, &QComboBox::activated, this, [this] { Command(kIdPrecision); });
}

void CSettings::OnInit()
{
    m_unit->clear();
    for (const LENGTH_UNIT& unit : kLengthUnits) {
        m_unit->addItem(UiText(unit.name));
    }
    m_unit->setCurrentIndex(LengthUnit);
    m_precision->clear();
    for (const char* text : kPrecisionTexts) {
        m_precision->addItem(UiText(text));
    }
    m_precision->setCurrentIndex(Precision);
    // Left enabled at opening whatever the unit; the first choice of a unit sets it.
    m_precision->setEnabled(true);
    m_currency->setText(QString::fromStdString(Currency));
    m_saw->setText(QString::fromStdString(LengthToText(SawThickness, LengthUnit, Precision, false)));
    m_sawUnit->setText(UiText(UnitLabel(LengthUnit)));
    m_currencyLabel->setText(UiText(LangText(T_CURRENCY_LABEL)));
    m_unitLabel->setText(UiText(LangText(T_LENGTH_UNIT_LABEL)));
    m_precisionLabel->setText(UiText(LangText(T_PRECISION_LABEL)));
    m_sawLabel->setText(UiText(LangText(T_SAW_THICKNESS_LABEL)));
}

bool CSettings::OnCommand(int id)
{
    switch (id) {
    case kIdOk:
        Save();
        EndDialog();
        emit m_owner.settingsChanged();
        break;
    case kIdCancel: EndDialog(); break;
    case kIdPrecision: PreviewSawThickness(); break;
    case kIdUnit: OnUnitChosen(); break;
    default: break;
    }
    return true;
}

void CSettings::PreviewSawThickness()
{
    const int unit = std::max(0, m_unit->currentIndex());
    const int precision = std::max(0, m_precision->currentIndex());
    m_saw->setText(QString::fromStdString(LengthToText(SawThickness, unit, precision, false)));
}

void CSettings::OnUnitChosen()
{
    const int unit = std::max(0, m_unit->currentIndex());
    m_precision->setEnabled(unit <= kLastDecimalUnit);
    m_sawUnit->setText(UiText(UnitLabel(unit)));
    PreviewSawThickness();
}

void CSettings::Save()
{
    SaveSettings(std::max(0, m_unit->currentIndex()), std::max(0, m_precision->currentIndex()),
                 m_currency->text().left(static_cast<int>(kCurrencyMaxLength)).toStdString(),
                 m_saw->text().left(static_cast<int>(kSawThicknessTextMaxLength)).toStdString());
}
