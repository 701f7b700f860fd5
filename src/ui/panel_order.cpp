#include "ui/panel_order.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/main_title.h"
#include "core/platform.h"
#include "core/program_files.h"
#include "core/settings.h"
#include "core/texts.h"
#include "job/global_data.h"
#include "job/order_csv.h"
#include "ui/background_work.h"
#include "ui/controls.h"
#include "ui/guarded_call.h"
#include "ui/launch_job_dialog.h"
#include "ui/list_views.h"
#include "ui/main_window.h"
#include "ui/order_import_preview.h"

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* NewLabel(QWidget* parent, const char (&text)[2][32])
{
    return new QLabel(UiText(LangText(text)), parent);
}

QPushButton* NewButton(QWidget* parent, const char* name, const char (&text)[2][32])
{
    auto* button = Named(new QPushButton(UiText(LangText(text)), parent), name);
    button->setAutoDefault(false);
    return button;
}

// The decimal conversion of the quantity field: leading white space, an optional sign,
// then digits up to the first other character; 0 when there are none. Values beyond the
// 32-bit range are held at its ends.
std::int32_t QuantityFromText(const std::string& text)
{
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > INT32_MAX) {
        return INT32_MAX;
    }
    if (value < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

COrderDialog::COrderDialog(CGlobalData& data, QWidget* parent) : CPanelForm(parent), m_data(data)
{
    setObjectName(QStringLiteral("orderEditor"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);

    auto* group = Named(new QGroupBox(UiText(LangText(T_ORDER_GROUP)), this), "orderGroup");
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(UiText(LangText(T_ORDER_TYPE_LABEL)), group), 0, 0, 1, 4);
    m_typeCombo = Named(new QComboBox(group), "typeCombo");
    m_typeCombo->setMinimumContentsLength(32);
    // Its width comes from that length: measuring every type of bar of a large inventory
    // would hold up each layout of the panel.
    m_typeCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_types.Attach(m_typeCombo);
    grid->addWidget(m_typeCombo, 1, 0, 1, 4);
    grid->addWidget(NewLabel(group, T_ORDER_IDENTIFIER_LABEL), 2, 0);
    grid->addWidget(NewLabel(group, T_ORDER_LENGTH_LABEL), 2, 1);
    grid->addWidget(NewLabel(group, T_ORDER_QUANTITY_LABEL), 2, 3);
    m_identifier = Named(new QLineEdit(group), "identifierEdit");
    m_identifier->setMaxLength(255);
    grid->addWidget(m_identifier, 3, 0);
    m_length = Named(new QLineEdit(group), "lengthEdit");
    m_length->setAlignment(Qt::AlignRight);
    grid->addWidget(m_length, 3, 1);
    m_unit = Named(new QLabel(group), "unitLabel");
    m_unit->setMinimumWidth(24);
    grid->addWidget(m_unit, 3, 2);
    m_quantity = Named(new QLineEdit(group), "quantityEdit");
    m_quantity->setAlignment(Qt::AlignRight);
    grid->addWidget(m_quantity, 3, 3);
    auto* orderButtons = new QHBoxLayout;
    orderButtons->addStretch();
    QPushButton* add = NewButton(group, "addButton", T_ORDER_ADD);
    QPushButton* update = NewButton(group, "updateButton", T_ORDER_UPDATE);
    QPushButton* remove = NewButton(group, "removeButton", T_ORDER_REMOVE);
    orderButtons->addWidget(add);
    orderButtons->addWidget(update);
    orderButtons->addWidget(remove);
    grid->addLayout(orderButtons, 4, 0, 1, 4);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    layout->addWidget(group, 3);

    auto* job = new QGridLayout;
    job->addWidget(NewLabel(this, T_JOB_NAME_LABEL), 0, 0);
    m_jobName = Named(new QLineEdit(this), "jobNameEdit");
    m_jobName->setMaxLength(63);
    job->addWidget(m_jobName, 0, 1, 1, 3);
    job->addWidget(NewLabel(this, T_JOB_DESCRIPTION_LABEL), 1, 0, Qt::AlignTop);
    m_jobDescription = Named(new QPlainTextEdit(this), "jobDescriptionEdit");
    m_jobDescription->setTabChangesFocus(true);
    m_jobDescription->setFixedHeight(m_jobName->sizeHint().height() * 3);
    job->addWidget(m_jobDescription, 1, 1, 1, 3);
    m_reuseStubs = Named(new QCheckBox(UiText(LangText(T_REUSE_STUBS)), this), "reuseStubsCheck");
    job->addWidget(m_reuseStubs, 2, 1);
    QPushButton* save = NewButton(this, "saveJobButton", T_SAVE_JOB);
    QPushButton* launch = NewButton(this, "launchJobButton", T_LAUNCH_JOB);
    job->addWidget(save, 2, 2);
    job->addWidget(launch, 2, 3);
    job->setColumnStretch(1, 1);
    layout->addLayout(job, 2);

    for (int index = 0; index < m_data.CountTypesOfBars(); ++index) {
        const TYPE_OF_BAR type = m_data.GetTypeOfBar(index);
        m_types.AddString(type.profileCode + " - " + type.material + " - " + type.color, index);
    }
    RefreshEditor();
    SetUnitLabel();
    m_reuseStubs->setChecked(ReadFlagSetting(kSettingReuseStubsLO));

    connect(add, &QPushButton::clicked, this, [this] { Guarded(&COrderDialog::OnAdd); });
    connect(update, &QPushButton::clicked, this, [this] { Guarded(&COrderDialog::OnUpdate); });
    connect(remove, &QPushButton::clicked, this, [this] { Guarded(&COrderDialog::OnRemove); });
    connect(save, &QPushButton::clicked, this, &COrderDialog::saveJob);
    connect(launch, &QPushButton::clicked, this, &COrderDialog::launchJob);
}

void COrderDialog::Guarded(void (COrderDialog::*handler)())
{
    GuardedCall(ErrorCaptions::Dialog, [this, handler] { (this->*handler)(); });
}

void COrderDialog::SelectFirstType()
{
    if (m_types.Count() > 0) {
        m_types.Select(0);
    }
}

void COrderDialog::ClearOrderFields(bool keepIdentifier)
{
    if (!keepIdentifier) {
        m_identifier->clear();
    }
    m_length->clear();
    m_quantity->clear();
}

void COrderDialog::RefreshEditor()
{
    SelectFirstType();
    ClearOrderFields(false);
    m_jobName->setText(QString::fromStdString(m_data.GetJobName()));
    m_jobDescription->setPlainText(QString::fromStdString(m_data.GetJobDescription()));
}

void COrderDialog::ShowOrder(const ORDER& order)
{
    if (order.quantity == 0) {
        SelectFirstType();
        ClearOrderFields(false);
        return;
    }
    // A type of bar removed from the database leaves no type selected.
    m_types.Select(m_data.FindTypeOfBar(order.profileCode, order.material, order.color));
    m_identifier->setText(order.identifier == kNoIdentifier ? QString() : QString::fromStdString(order.identifier));
    m_length->setText(QString::fromStdString(LengthToText(order.length, LengthUnit, Precision, false)));
    m_quantity->setText(QString::number(order.quantity));
}

void COrderDialog::CommitNameFields()
{
    m_data.SetJobName(m_jobName->text().left(63).toStdString());
    m_data.SetJobDescription(m_jobDescription->toPlainText().left(511).toStdString());
}

void COrderDialog::SetUnitLabel() { m_unit->setText(UiText(UnitLabel(LengthUnit))); }

bool COrderDialog::ReuseStubs() const { return m_reuseStubs->isChecked(); }

std::optional<ORDER> COrderDialog::ReadOrderFields() const
{
    const std::optional<std::uint32_t> typeIndex = m_types.GetSelectedData();
    if (!typeIndex) {
        return std::nullopt;
    }
    const TYPE_OF_BAR type = m_data.GetTypeOfBar(static_cast<int>(*typeIndex));
    ORDER order;
    order.profileCode = type.profileCode;
    order.material = type.material;
    order.color = type.color;
    order.typeIndex = static_cast<std::int32_t>(*typeIndex);
    order.identifier = m_identifier->text().left(255).toStdString();
    MakeItemText(order.identifier);
    order.length = TextToLength(m_length->text().toStdString(), LengthUnit);
    if (order.length == 0) {
        KX_RAISE(LangText(T_INVALID_LENGTH_FIELD));
    }
    order.quantity = QuantityFromText(m_quantity->text().toStdString());
    if (order.quantity == 0) {
        KX_RAISE(LangText(T_INVALID_QUANTITY_FIELD));
    }
    return order;
}

void COrderDialog::OnAdd()
{
    std::optional<ORDER> order = ReadOrderFields();
    if (!order) {
        return;
    }
    emit addOrder(*order);
    // The identifier stays, selected, for the next order.
    ClearOrderFields(true);
    m_identifier->setFocus();
    m_identifier->selectAll();
}

void COrderDialog::OnUpdate()
{
    std::optional<ORDER> order = ReadOrderFields();
    if (!order) {
        return;
    }
    emit updateOrder(*order);
    ClearOrderFields(false);
}

void COrderDialog::OnRemove()
{
    SelectFirstType();
    ClearOrderFields(false);
    emit removeOrder();
}

CPanelOrder::CPanelOrder(CMainWindow& mainWindow)
    : CPanel(&mainWindow),
      m_mainWindow(mainWindow),
      m_data(mainWindow.Data()),
      m_list(new COrderListView(mainWindow.Data(), this)),
      m_editor(new COrderDialog(mainWindow.Data(), this))
{
    setObjectName(QStringLiteral("jobPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_list, 1);
    m_editor->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(m_editor);

    connect(m_list, &COrderListView::orderSelected, m_editor, &COrderDialog::ShowOrder);
    connect(m_editor, &COrderDialog::addOrder, m_list, &COrderListView::AddOrder);
    connect(m_editor, &COrderDialog::updateOrder, m_list, &COrderListView::UpdateSelected);
    connect(m_editor, &COrderDialog::removeOrder, m_list, &COrderListView::RemoveSelected);
    connect(m_editor, &COrderDialog::saveJob, this, [this] {
        GuardedCall(ErrorCaptions::Dialog, [this] { SaveJob(); });
    });
    connect(m_editor, &COrderDialog::launchJob, this, [this] {
        GuardedCall(ErrorCaptions::Dialog, [this] { LaunchJob(); });
    });
    connect(&mainWindow, &CMainWindow::settingsChanged, this, &CPanelOrder::OnSettingsChanged);

    Refresh();
}

CPanelOrder::~CPanelOrder()
{
    CommitNameFields();
    WriteFlagSetting(kSettingReuseStubsLO, m_editor->ReuseStubs());
}

void CPanelOrder::SetTitle()
{
    std::string path;
    m_data.GetJobFilePath(path);
    SetMainTitle(LangText(T_JOB_LABEL), path);
}

void CPanelOrder::Refresh()
{
    m_list->Rebuild();
    SetTitle();
    m_editor->RefreshEditor();
}

void CPanelOrder::CommitNameFields() { m_editor->CommitNameFields(); }

void CPanelOrder::OnSettingsChanged()
{
    m_editor->SetUnitLabel();
    m_list->SetColumnHeaders();
    m_list->ReportSelectedOrder();
}

void CPanelOrder::SaveJob()
{
    CommitNameFields();
    m_data.SaveJob();
    // The job may have got its file path now.
    SetTitle();
}

void CPanelOrder::LaunchJob()
{
    CommitNameFields();
    if (m_data.CountOrders() == 0) {
        return;
    }
    CLaunchJobDialog dialog(&m_mainWindow, m_data, m_editor->ReuseStubs());
    dialog.Run();
}

void CPanelOrder::OpenJobCommand()
{
    CommitNameFields();
    if (!m_data.AskSaveJob()) {
        return;
    }
    const std::optional<std::string> path = m_data.AskJobFileToOpen();
    if (!path) {
        Refresh();
        return;
    }
    // While the orders are read beside the window the list has no rows, so drawing it asks
    // the job for nothing.
    m_list->Model()->DeleteAllRows();
    try {
        RunInBackground(&m_mainWindow, LangText(T_WORK_OPENING_JOB), [this, &path] { m_data.OpenJobFile(*path); });
    } catch (...) {
        // The job has been emptied: show that before the error is shown.
        Refresh();
        throw;
    }
    Refresh();
}

void CPanelOrder::NewJobCommand()
{
    CommitNameFields();
    if (!m_data.AskSaveJob()) {
        return;
    }
    m_data.ClearJob();
    Refresh();
}

void CPanelOrder::ImportOrdersCsvCommand()
{
    CommitNameFields();
    const std::optional<std::string> path = Platform().AskOpenFileName(
        FILE_DIALOG{LangText(T_IMPORT_ORDERS_CSV), LangText(T_CSV_FILTER), ProgramFilePath("orders", ""), "csv"});
    if (!path) {
        return;
    }
    const std::optional<std::string> text = ReadWholeFile(*path);
    if (!text) {
        KX_RAISE(LangText(T_CSV_FILE_NOT_OPENED));
    }
    // Raises when the header lacks a needed column; nothing has been added then.
    const ORDER_IMPORT import = ReadOrdersCsv(m_data, *text, LengthUnit);
    COrderImportPreview preview(&m_mainWindow, import);
    preview.Run();
    if (!preview.IsAccepted()) {
        return;
    }
    ApplyOrderImport(m_data, import);
    Refresh();
}

void CPanelOrder::ExportOrdersCsvCommand()
{
    CommitNameFields();
    const std::optional<std::string> path = Platform().AskSaveFileName(
        FILE_DIALOG{LangText(T_EXPORT_ORDERS_CSV), LangText(T_CSV_FILTER), ProgramFilePath("orders", ""), "csv"});
    if (!path) {
        return;
    }
    if (!ReplaceFileAtomically(*path, WriteOrdersCsv(m_data, LengthUnit, Precision))) {
        KX_RAISE(LangText(T_CSV_FILE_NOT_WRITTEN));
    }
}
