#pragma once

#include <string>

#include "core/settings_store.h"

class CInventoryData;

// The large workshop both scale benchmarks work on, generated into a scratch program folder:
// types of bars made of profile codes x materials x colors, 20 stock entries each, and a
// job with orders spread over every type.

struct SCALE_OPTIONS {
    int types = 10000;
    int orders = 100000;
    int inserts = 1000;
    bool keep = false;
};

// Reads --types N, --orders N, --keep and (when `withInserts`) --inserts N; false and the
// usage on stderr for anything else.
bool ParseScaleOptions(int argc, char** argv, bool withInserts, SCALE_OPTIONS& options);

// Profile codes, materials and colors whose product gives the types: at most 2000 items
// per category file.
inline constexpr int kMaterials = 5;
inline constexpr int kColors = 2;
std::string ProfileCode(int index);
std::string Color(int index);

// A program folder under the temporary folder with the sub-folders of the program, made the
// program folder with settings in memory; removed with everything in it at the end unless
// `keep` is set.
class CScaleFolder {
public:
    CScaleFolder();
    ~CScaleFolder();
    CScaleFolder(const CScaleFolder&) = delete;
    CScaleFolder& operator=(const CScaleFolder&) = delete;

    const std::string& Path() const { return m_path; }
    bool keep = false;

private:
    std::string m_path;
    CMemorySettingsStore m_settings;
};

// Writes the inventory files the way the program writes them: the types in list order,
// each with its stock file of 20 entries, and the three category files.
void MakeInventory(int types);

// Writes a job file of `orders` orders that go round the types of bars of `inventory`.
void MakeJob(const CInventoryData& inventory, int orders, const std::string& path);
