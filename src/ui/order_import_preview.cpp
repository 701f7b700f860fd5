#include "ui/order_import_preview.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/settings.h"
#include "core/texts.h"

namespace {

QString Text(const char* text) { return QString::fromUtf8(text); }

// The orders of the import, read only; the texts are made when a row is drawn, so that
// thousands of rows open at once.
class COrderImportModel : public QAbstractTableModel {
public:
    COrderImportModel(const ORDER_IMPORT& import, QObject* parent) : QAbstractTableModel(parent), m_import(import) {}

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_import.orders.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 7; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid()) {
            return {};
        }
        if (role == Qt::TextAlignmentRole) {
            const bool number = index.column() == 0 || index.column() >= 5;
            return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
        }
        if (role != Qt::DisplayRole) {
            return {};
        }
        const ORDER& order = m_import.orders[index.row()];
        switch (index.column()) {
        case 0: return index.row() < static_cast<int>(m_import.lines.size()) ? m_import.lines[index.row()] : QVariant();
        case 1: return Utf8(order.profileCode);
        case 2: return Utf8(order.material);
        case 3: return Utf8(order.color);
        case 4: return order.identifier == kNoIdentifier ? QString() : Utf8(order.identifier);
        case 5: return QString::fromStdString(LengthToText(order.length, LengthUnit, Precision, false));
        case 6: return order.quantity;
        default: return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
            return {};
        }
        switch (section) {
        case 0: return Text(LangText(T_IMPORT_LINE));
        case 1: return Text(LangText(T_TOB_PROFILE_CODE_LABEL)).remove(QLatin1Char(':'));
        case 2: return Text(LangText(T_TOB_MATERIAL_LABEL)).remove(QLatin1Char(':'));
        case 3: return Text(LangText(T_TOB_COLOR_LABEL)).remove(QLatin1Char(':'));
        case 4: return Text(LangText(T_ORDER_IDENTIFIER_LABEL)).remove(QLatin1Char(':'));
        case 5: return Text(LangText(T_STOCK_LENGTH_LABEL)).remove(QLatin1Char(':'));
        case 6: return Text(LangText(T_STOCK_QUANTITY_LABEL)).remove(QLatin1Char(':'));
        default: return {};
        }
    }

private:
    static QString Utf8(const std::string& text)
    {
        return QString::fromStdString(text);
    }

    const ORDER_IMPORT& m_import;
};

} // namespace

COrderImportPreview::COrderImportPreview(QWidget* owner, const ORDER_IMPORT& import)
    : CDialogBox(owner, LangText(T_IMPORT_PREVIEW_TITLE)), m_import(import)
{
    setObjectName(QStringLiteral("orderImportPreview"));
    auto* layout = new QVBoxLayout(this);
    auto* ordersLabel = new QLabel(this);
    ordersLabel->setObjectName(QStringLiteral("ordersLabel"));
    layout->addWidget(ordersLabel);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("importOrderTable"));
    m_table->setModel(new COrderImportModel(import, m_table));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    m_table->setMinimumSize(640, 260);
    layout->addWidget(m_table, 3);
    auto* problemsLabel = new QLabel(this);
    problemsLabel->setObjectName(QStringLiteral("problemsLabel"));
    layout->addWidget(problemsLabel);
    m_problems = new QListWidget(this);
    m_problems->setObjectName(QStringLiteral("importProblemList"));
    layout->addWidget(m_problems, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("importButtons"));
    layout->addWidget(buttons);
    connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, [this] { Command(kIdOk); });
    connect(buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this, [this] { Command(kIdCancel); });
}

void COrderImportPreview::OnInit()
{
    findChild<QLabel*>(QStringLiteral("ordersLabel"))->setText(Text(LangText(T_IMPORT_ROWS_ADDED)));
    auto* problemsLabel = findChild<QLabel*>(QStringLiteral("problemsLabel"));
    problemsLabel->setText(Text(LangText(T_IMPORT_BAD_ROWS)));
    auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("importButtons"));
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(kOkText));
    buttons->button(QDialogButtonBox::Cancel)->setText(Text(LangText(T_CANCEL)));
    // Nothing to add: OK would do nothing.
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_import.orders.empty());
    m_problems->clear();
    for (const CSV_ROW_PROBLEM& problem : m_import.problems) {
        m_problems->addItem(QStringLiteral("%1 %2: %3")
                                .arg(Text(LangText(T_IMPORT_LINE)))
                                .arg(problem.line)
                                .arg(QString::fromStdString(problem.reason)));
    }
    problemsLabel->setVisible(!m_import.problems.empty());
    m_problems->setVisible(!m_import.problems.empty());
    m_table->resizeColumnsToContents();
}

bool COrderImportPreview::OnCommand(int id)
{
    if (id == kIdOk || id == kIdCancel) {
        m_accepted = id == kIdOk && !m_import.orders.empty();
        EndDialog();
    }
    return true;
}
