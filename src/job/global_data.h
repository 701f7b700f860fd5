#pragma once

#include <optional>
#include <string>
#include <vector>

#include "inventory/inventory_data.h"
#include "job/order.h"

// The one global data object: the inventory (types of bars and the selected stock) and
// the job the user works on. Dialogs and questions go through the Platform.
class CGlobalData : public CInventoryData {
public:
    // Accepts the order when its type of bar exists (setting its typeIndex); an empty
    // identifier becomes "-|". An order of an unknown type is dropped silently.
    void AddOrder(ORDER& order);
    // Replaces the order at `index` with all fields as given (typeIndex included).
    void UpdateOrder(int index, ORDER& order);
    // An index outside the orders does nothing.
    void RemoveOrder(int index);
    void GetOrder(int index, ORDER& order) const;
    int CountOrders() const;
    long long CountPieces() const;

    // Texts are cut to 63 / 511 bytes; setting the current text changes nothing.
    void SetJobName(const std::string& text);
    const std::string& GetJobName() const { return m_jobName; }
    void SetJobDescription(const std::string& text);
    const std::string& GetJobDescription() const { return m_jobDescription; }
    void GetJobFilePath(std::string& path) const { path = m_jobFilePath; }
    bool IsJobSaved() const { return m_jobSaved; }

    // Empties the job; whether it counts as saved stays as it was.
    void ClearJob();
    // Writes the job file, asking for a path when the job has none.
    void SaveJob();
    // Replaces the job by a job file the user picks; false when the user cancelled.
    bool OpenJob();
    // The two halves of OpenJob: the job file the user picks, then the job replaced by it.
    // OpenJobFile shows nothing, so it may run away from the user-interface thread; the job
    // is emptied first, also when the file then cannot be read.
    std::optional<std::string> AskJobFileToOpen() const;
    void OpenJobFile(const std::string& path);
    // Asks to save an unsaved job: true when the caller may replace the job.
    bool AskSaveJob();

private:
    static std::string OrdersFolder();

    std::vector<ORDER> m_jobOrders;
    std::string m_jobFilePath;
    bool m_jobSaved = true;
    std::string m_jobName;
    std::string m_jobDescription;
};
