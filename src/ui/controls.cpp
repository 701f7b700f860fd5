#include "ui/controls.h"

#include <algorithm>

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>

#include "core/exception.h"
#include "job/optimization_run.h"

void CComboBoxCtrl::Attach(QComboBox* combo)
{
    if (m_combo != nullptr) {
        KX_RAISE("The control is already initialized.");
    }
    m_combo = combo;
}

void CComboBoxCtrl::CheckAttached() const
{
    if (m_combo == nullptr) {
        KX_RAISE("The list is not initialized.");
    }
}

void CComboBoxCtrl::AddString(const std::string& text, std::uint32_t itemData)
{
    CheckAttached();
    m_combo->addItem(QString::fromStdString(text), QVariant::fromValue(itemData));
    ++m_count;
}

void CComboBoxCtrl::Clear()
{
    if (m_combo != nullptr) {
        m_combo->clear();
    }
    m_count = 0;
}

void CComboBoxCtrl::Select(int index)
{
    CheckAttached();
    if (index >= m_count) {
        KX_RAISE("Index is too big.");
    }
    m_combo->setCurrentIndex(index < 0 ? -1 : index);
}

std::optional<std::uint32_t> CComboBoxCtrl::GetSelectedData() const
{
    CheckAttached();
    if (m_combo->currentIndex() < 0) {
        return std::nullopt;
    }
    return m_combo->currentData().value<std::uint32_t>();
}

void CProgressBar::Attach(QProgressBar* bar)
{
    if (m_bar != nullptr) {
        KX_RAISE("The control is already initialized.");
    }
    m_bar = bar;
}

void CProgressBar::Start(long long total)
{
    if (m_bar == nullptr) {
        KX_RAISE("The progress bar is not initialized.");
    }
    m_total = total;
    m_bar->setRange(0, kRange);
    m_bar->setValue(0);
}

void CProgressBar::SetPos(long long done)
{
    if (m_total == 0) {
        return;
    }
    SetPosition(ProgressPosition(done, m_total));
}

void CProgressBar::SetPosition(int position)
{
    if (m_bar != nullptr) {
        m_bar->setValue(std::clamp(position, 0, kRange));
    }
}

void CProgressBar::Fill() { SetPosition(kRange); }

QString UiText(const char* text) { return QString::fromLatin1(text); }

QPushButton* NewFormButton(QWidget* parent, const char* name, const char* text)
{
    auto* button = new QPushButton(UiText(text), parent);
    button->setObjectName(UiText(name));
    button->setAutoDefault(false);
    return button;
}
