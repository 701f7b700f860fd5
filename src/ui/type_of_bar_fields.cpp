#include "ui/type_of_bar_fields.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/exception.h"
#include "core/length.h"
#include "core/settings.h"
#include "core/texts.h"
#include "ui/controls.h"


namespace {

// What the edits of a type of bar take, as the stored record can hold it.
constexpr int kNumberFieldLength = 254;

Length ReadLength(const QLineEdit* edit) { return TextToLength(edit->text().toStdString(), LengthUnit); }

QString PlainLength(Length length) { return QString::fromStdString(LengthToText(length, LengthUnit, Precision, false)); }

} // namespace

QLabel* NewFormLabel(QWidget* parent, const char* text, const char* name)
{
    auto* label = new QLabel(UiText(text), parent);
    if (name != nullptr) {
        label->setObjectName(UiText(name));
    }
    return label;
}

QLineEdit* NewFormEdit(QWidget* parent, const char* name, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(UiText(name));
    edit->setMaxLength(maxLength);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

void CTypeOfBarFields::Build(QWidget* parent, QGridLayout* grid, int row)
{
    grid->addWidget(NewFormLabel(parent, LangText(T_TOB_PRICE_LABEL)), row, 0);
    m_price = NewFormEdit(parent, "priceEdit", kNumberFieldLength);
    grid->addWidget(m_price, row, 1);
    m_currency = NewFormLabel(parent, "", "currencyLabel");
    grid->addWidget(m_currency, row, 2);
    // The price length follows the price on the same row: "price / length".
    grid->addWidget(NewFormLabel(parent, "/"), row, 3, Qt::AlignCenter);
    m_priceLength = NewFormEdit(parent, "priceLengthEdit", kNumberFieldLength);
    grid->addWidget(m_priceLength, row, 4);
    m_units[0] = NewFormLabel(parent, "", "priceLengthUnit");
    grid->addWidget(m_units[0], row, 5);

    struct ROW {
        const char (&label)[2][32];
        QLineEdit** edit;
        const char* editName;
        const char* unitName;
    };
    const ROW rows[] = {
        {T_TOB_MIN_REUSED_LABEL, &m_minReusedLength, "minReusedLengthEdit", "minReusedLengthUnit"},
        {T_TOB_MAX_WASTE_LABEL, &m_maxWasteLength, "maxWasteLengthEdit", "maxWasteLengthUnit"},
        {T_TOB_DEFAULT_LENGTH_LABEL, &m_defaultLength, "defaultLengthEdit", "defaultLengthUnit"},
    };
    int unit = 1;
    for (const ROW& line : rows) {
        ++row;
        grid->addWidget(NewFormLabel(parent, LangText(line.label)), row, 0);
        *line.edit = NewFormEdit(parent, line.editName, kNumberFieldLength);
        grid->addWidget(*line.edit, row, 1);
        m_units[unit] = NewFormLabel(parent, "", line.unitName);
        grid->addWidget(m_units[unit], row, 2);
        ++unit;
    }
    for (QLabel* label : m_units) {
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("ft/in")) + 4);
    }
    m_currency->setMinimumWidth(m_units[0]->minimumWidth());
    SetUnitLabels();
}

void CTypeOfBarFields::Read(TYPE_OF_BAR& record) const
{
    TYPE_OF_BAR read = record;
    read.price = TextToNumber(m_price->text().toStdString());
    read.priceLength = ReadLength(m_priceLength);
    if (read.priceLength == 0) {
        KX_RAISE(LangText(T_INVALID_PRICE_LENGTH));
    }
    read.minReusedLength = ReadLength(m_minReusedLength);
    read.maxWasteLength = ReadLength(m_maxWasteLength);
    read.defaultLength = ReadLength(m_defaultLength);
    if (read.defaultLength == 0) {
        KX_RAISE(LangText(T_INVALID_DEFAULT_LENGTH));
    }
    if (read.defaultLength < read.minReusedLength) {
        KX_RAISE(LangText(T_DEFAULT_BELOW_MIN_REUSED));
    }
    if (read.minReusedLength < read.maxWasteLength) {
        KX_RAISE(LangText(T_MAX_WASTE_ABOVE_MIN_REUSED));
    }
    record = read;
}

void CTypeOfBarFields::Show(const TYPE_OF_BAR& type)
{
    m_price->setText(QString::fromStdString(NumberToText(type.price, 2)));
    m_priceLength->setText(PlainLength(type.priceLength));
    m_minReusedLength->setText(PlainLength(type.minReusedLength));
    m_maxWasteLength->setText(PlainLength(type.maxWasteLength));
    m_defaultLength->setText(PlainLength(type.defaultLength));
}

void CTypeOfBarFields::Clear()
{
    for (QLineEdit* edit : {m_price, m_priceLength, m_minReusedLength, m_maxWasteLength, m_defaultLength}) {
        edit->clear();
    }
}

void CTypeOfBarFields::SetUnitLabels()
{
    m_currency->setText(QString::fromStdString(Currency));
    for (QLabel* label : m_units) {
        label->setText(UiText(UnitLabel(LengthUnit)));
    }
}
