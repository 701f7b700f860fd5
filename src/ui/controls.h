#pragma once

#include <cstdint>
#include <optional>
#include <string>

class QComboBox;
class QProgressBar;

// A drop-down list whose entries carry item data; the data, not the position, tells the
// caller which entry was chosen. It never owns its widget.
class CComboBoxCtrl {
public:
    void Attach(QComboBox* combo);
    void AddString(const std::string& text, std::uint32_t itemData);
    void Clear();
    // Selects the entry at `index`; a negative index clears the selection. Raises
    // "Index is too big." past the last entry added.
    void Select(int index);
    // The item data of the selected entry, or nothing when no entry is selected.
    std::optional<std::uint32_t> GetSelectedData() const;
    int Count() const { return m_count; }

private:
    void CheckAttached() const;

    QComboBox* m_combo = nullptr;
    int m_count = 0;
};

// A progress bar of 2000 steps for a run of `total` units of work.
class CProgressBar {
public:
    static constexpr int kRange = 2000;

    void Attach(QProgressBar* bar);
    void Start(long long total);
    // `done` units out of the total; nothing when the total is 0. 64-bit arithmetic, so no
    // piece count overflows, and clamped to the bar.
    void SetPos(long long done);
    // A position already scaled to 0..2000.
    void SetPosition(int position);
    void Fill();
    long long Total() const { return m_total; }

private:
    QProgressBar* m_bar = nullptr;
    long long m_total = 0;
};

class QPushButton;
class QString;
class QWidget;

// A text of the tables (plain ASCII) as a Qt string.
QString UiText(const char* text);

// A button of a panel form, found by `name` in tests; it never acts as the default button,
// since Enter does nothing in panel forms.
QPushButton* NewFormButton(QWidget* parent, const char* name, const char* text);
