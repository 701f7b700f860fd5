#pragma once

#include <cstdint>
#include <string>

#include "core/length.h"

// Setting names, as stored.
inline constexpr const char* kSettingLengthUnit = "length_unit";
inline constexpr const char* kSettingPrecision = "precision";
inline constexpr const char* kSettingSawThickness = "saw_thickness";
inline constexpr const char* kSettingCurrency = "currency";
inline constexpr const char* kSettingLanguage = "language";
inline constexpr const char* kSettingJobInfoJR = "jobInfo_JR";
inline constexpr const char* kSettingSettingsJR = "settings_JR";
inline constexpr const char* kSettingStatisticsJR = "statistics_JR";
inline constexpr const char* kSettingCutLayoutsJR = "cutLayouts_JR";
inline constexpr const char* kSettingTotalCostsJR = "totalCosts_JR";
inline constexpr const char* kSettingBarsBoughtJR = "barsBought_JR";
inline constexpr const char* kSettingCutDiagramsJR = "cutDiagrams_JR";
inline constexpr const char* kSettingReuseStubsLO = "reuseStubs_LO";
inline constexpr const char* kSettingStockInfoSR = "stockInfo_SR";
inline constexpr const char* kSettingStockDetailsSR = "stockDetails_SR";
inline constexpr const char* kSettingTotalCostSR = "totalCost_SR";
inline constexpr const char* kSettingBarsBoughtSR = "barsBought_SR";
// The paper of printed and PDF reports: an index into the paper sizes, and 1 for landscape.
inline constexpr const char* kSettingPaperSize = "paperSize";
inline constexpr const char* kSettingPaperLandscape = "paperLandscape";

inline constexpr std::size_t kCurrencyMaxLength = 15;
inline constexpr std::size_t kSawThicknessTextMaxLength = 31;
// What one read of a stored value holds at most, terminating zero included.
inline constexpr std::size_t kSettingBufferSize = 260;

// Process-wide values, loaded at start-up and changed by the settings dialog.
extern std::int32_t LengthUnit;
extern std::int32_t Precision;
extern Length SawThickness;
extern std::string Currency;

// The stored integer: leading white space, an optional sign, then digits up to the first
// other character; 0 when absent or unreadable.
std::int32_t ReadIntSetting(const std::string& name);
// Replaces `buffer` with the stored text (at most 259 bytes); leaves it unchanged when absent.
void ReadTextSetting(const std::string& name, std::string& buffer);
// Storage failures are silent: the old value stays.
void WriteIntSetting(const std::string& name, std::int32_t value);
void WriteTextSetting(const std::string& name, const std::string& text);

// A check-box flag: any stored value other than 0 reads as checked.
bool ReadFlagSetting(const std::string& name);
void WriteFlagSetting(const std::string& name, bool checked);

// The start-up load: length unit, precision, saw thickness, currency, language, in this
// order. Out-of-range unit, precision and language values fall back to 0.
void LoadStartupSettings();

// What the settings dialog stores on OK, in this order: unit, precision, currency, then the
// saw thickness read in the new unit (the trimmed text is what is stored).
void SaveSettings(std::int32_t unit, std::int32_t precision, const std::string& currency,
                  const std::string& sawThicknessText);
