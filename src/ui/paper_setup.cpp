#include "ui/paper_setup.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include <algorithm>
#include <array>

#include "core/settings.h"
#include "core/texts.h"
#include "ui/controls.h"

namespace {

struct PAPER_SIZE {
    QPageSize::PageSizeId id;
    const char* name;
};

const std::array<PAPER_SIZE, 5> kPaperSizes = {{{QPageSize::A4, "A4"},
                                                {QPageSize::A3, "A3"},
                                                {QPageSize::A5, "A5"},
                                                {QPageSize::Letter, "Letter"},
                                                {QPageSize::Legal, "Legal"}}};

const QMarginsF kReportMargins(15, 15, 15, 12); // millimetres

} // namespace

QPageLayout PageLayoutOf(const PAPER_SETUP& paper)
{
    const int size = paper.size >= 0 && paper.size < static_cast<int>(kPaperSizes.size()) ? paper.size : 0;
    return QPageLayout(QPageSize(kPaperSizes[size].id),
                       paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, kReportMargins,
                       QPageLayout::Millimeter);
}

PAPER_SETUP ReadPaperSetup()
{
    PAPER_SETUP paper;
    const int size = ReadIntSetting(kSettingPaperSize);
    paper.size = size >= 0 && size < static_cast<int>(kPaperSizes.size()) ? size : 0;
    paper.landscape = ReadFlagSetting(kSettingPaperLandscape);
    return paper;
}

void WritePaperSetup(const PAPER_SETUP& paper)
{
    WriteIntSetting(kSettingPaperSize, paper.size);
    WriteFlagSetting(kSettingPaperLandscape, paper.landscape);
}

CPaperChoice::CPaperChoice(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("paperChoice"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_label = new QLabel(this);
    row->addWidget(m_label);
    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("paperSizeCombo"));
    for (const PAPER_SIZE& size : kPaperSizes) {
        m_size->addItem(QString::fromLatin1(size.name));
    }
    row->addWidget(m_size);
    m_orientation = new QComboBox(this);
    m_orientation->setObjectName(QStringLiteral("paperOrientationCombo"));
    m_orientation->addItem(QString());
    m_orientation->addItem(QString());
    row->addWidget(m_orientation);
    const auto store = [this] { WritePaperSetup(Setup()); };
    connect(m_size, &QComboBox::currentIndexChanged, this, store);
    connect(m_orientation, &QComboBox::currentIndexChanged, this, store);
}

void CPaperChoice::Load()
{
    const QSignalBlocker sizeBlocker(m_size);
    const QSignalBlocker orientationBlocker(m_orientation);
    m_label->setText(UiText(LangText(T_PAPER)));
    m_orientation->setItemText(0, UiText(LangText(T_PORTRAIT)));
    m_orientation->setItemText(1, UiText(LangText(T_LANDSCAPE)));
    const PAPER_SETUP paper = ReadPaperSetup();
    m_size->setCurrentIndex(paper.size);
    m_orientation->setCurrentIndex(paper.landscape ? 1 : 0);
}

PAPER_SETUP CPaperChoice::Setup() const
{
    return {std::max(0, m_size->currentIndex()), m_orientation->currentIndex() == 1};
}
