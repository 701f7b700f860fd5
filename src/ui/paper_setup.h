#pragma once

#include <QPageLayout>
#include <QWidget>

class QComboBox;
class QLabel;

// The paper that reports are printed on and saved as PDF: one of the offered sizes and the
// orientation, kept in the settings for the next time.
struct PAPER_SETUP {
    int size = 0; // index into the offered sizes; 0 is A4
    bool landscape = false;
};

// The page layout of the setup, with the margins of the report pages.
QPageLayout PageLayoutOf(const PAPER_SETUP& paper);

// The stored setup; a size outside the offered ones reads as A4.
PAPER_SETUP ReadPaperSetup();
void WritePaperSetup(const PAPER_SETUP& paper);

// "Paper:", the sizes and the orientation, for the report dialogs. Starts as stored and
// stores every change at once.
class CPaperChoice : public QWidget {
    Q_OBJECT
public:
    explicit CPaperChoice(QWidget* parent);

    // The texts in the language of the settings, and the stored setup.
    void Load();
    PAPER_SETUP Setup() const;

private:
    QLabel* m_label;
    QComboBox* m_size;
    QComboBox* m_orientation;
};
