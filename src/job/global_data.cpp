#include "job/global_data.h"

#include <optional>

#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/main_title.h"
#include "core/platform.h"
#include "core/program_files.h"
#include "core/texts.h"
#include "job/job_file.h"

namespace {

constexpr std::size_t kMaxJobName = kJobNameBlock - 1;
constexpr std::size_t kMaxJobDescription = kJobDescriptionBlock - 1;

void FillEmptyIdentifier(ORDER& order)
{
    if (order.identifier.empty()) {
        order.identifier = kNoIdentifier;
    }
}

FILE_DIALOG JobFileDialog(const std::string& initialFolder)
{
    return FILE_DIALOG{"", kOrderFilesFilter, initialFolder, "odr"};
}

} // namespace

void CGlobalData::AddOrder(ORDER& order)
{
    FillEmptyIdentifier(order);
    const int typeIndex = FindTypeOfBar(order.profileCode, order.material, order.color);
    if (typeIndex < 0) {
        return;
    }
    order.typeIndex = typeIndex;
    m_jobOrders.push_back(order);
    m_jobSaved = false;
}

void CGlobalData::UpdateOrder(int index, ORDER& order)
{
    FillEmptyIdentifier(order);
    if (index < 0 || index >= CountOrders()) {
        KX_RAISE(LangText(T_INVALID_INDEX_GET_ORDER));
    }
    m_jobOrders[static_cast<std::size_t>(index)] = order;
    m_jobSaved = false;
}

void CGlobalData::RemoveOrder(int index)
{
    if (index < 0 || index >= CountOrders()) {
        return;
    }
    m_jobOrders.erase(m_jobOrders.begin() + index);
    m_jobSaved = false;
}

void CGlobalData::GetOrder(int index, ORDER& order) const
{
    if (index < 0 || index >= CountOrders()) {
        KX_RAISE(LangText(T_INVALID_INDEX_GET_ORDER));
    }
    order = m_jobOrders[static_cast<std::size_t>(index)];
}

int CGlobalData::CountOrders() const { return static_cast<int>(m_jobOrders.size()); }

long long CGlobalData::CountPieces() const
{
    long long pieces = 0;
    for (const ORDER& order : m_jobOrders) {
        pieces += order.quantity;
    }
    return pieces;
}

void CGlobalData::SetJobName(const std::string& text)
{
    if (text == m_jobName) {
        return;
    }
    m_jobName = CutText(text, kMaxJobName);
    m_jobSaved = false;
}

void CGlobalData::SetJobDescription(const std::string& text)
{
    if (text == m_jobDescription) {
        return;
    }
    m_jobDescription = CutText(text, kMaxJobDescription);
    m_jobSaved = false;
}

void CGlobalData::ClearJob()
{
    m_jobOrders.clear();
    m_jobFilePath.clear();
    m_jobName.clear();
    m_jobDescription.clear();
}

std::string CGlobalData::OrdersFolder() { return ProgramFilePath("orders", ""); }

void CGlobalData::SaveJob()
{
    if (m_jobFilePath.empty()) {
        const std::optional<std::string> path = Platform().AskSaveFileName(JobFileDialog(OrdersFolder()));
        if (!path) {
            return;
        }
        m_jobFilePath = *path;
    }
    const std::string content = WriteJobFile(JOB_FILE{m_jobName, m_jobDescription, m_jobOrders});
    if (!ReplaceFileAtomically(m_jobFilePath, content)) {
        KX_RAISE(LangText(T_JOB_NOT_SAVED));
    }
    m_jobSaved = true;
    SetMainTitle(LangText(T_JOB_LABEL), m_jobFilePath);
}

bool CGlobalData::OpenJob()
{
    const std::optional<std::string> path = AskJobFileToOpen();
    if (!path) {
        return false;
    }
    OpenJobFile(*path);
    return true;
}

std::optional<std::string> CGlobalData::AskJobFileToOpen() const
{
    return Platform().AskOpenFileName(JobFileDialog(OrdersFolder()));
}

void CGlobalData::OpenJobFile(const std::string& path)
{
    ClearJob();
    const std::optional<std::string> content = ReadWholeFile(path);
    if (!content) {
        KX_RAISE(LangText(T_JOB_NOT_OPENED));
    }
    JOB_FILE job = ReadJobFile(*content);
    m_jobName = std::move(job.name);
    m_jobDescription = std::move(job.description);
    for (ORDER& order : job.orders) {
        const int typeIndex = FindTypeOfBar(order.profileCode, order.material, order.color);
        if (typeIndex >= 0) {
            order.typeIndex = typeIndex;
            m_jobOrders.push_back(std::move(order));
        }
    }
    m_jobFilePath = path;
    m_jobSaved = true;
}

bool CGlobalData::AskSaveJob()
{
    if (m_jobSaved) {
        return true;
    }
    const MessageAnswer answer = Platform().ShowMessage(LangText(T_ASK_SAVE_JOB), LangText(T_QUESTION),
                                                        MessageIcon::Question, MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Yes) {
        SaveJob();
        return true;
    }
    return answer == MessageAnswer::No;
}
