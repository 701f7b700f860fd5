#include "core/settings.h"

#include <cctype>
#include <cstdlib>
#include <limits>

#include "core/language.h"
#include "core/settings_store.h"

std::int32_t LengthUnit = 0;
std::int32_t Precision = 0;
Length SawThickness = 0;
std::string Currency;

namespace {

// The usual decimal conversion of C: white space, sign, digits; out-of-range values are
// clamped to the 32-bit range rather than overflowing.
std::int32_t ParseInt(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL) {
            value = 2147483648LL;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::string> ReadStored(const std::string& name)
{
    ISettingsStore* store = CurrentSettingsStore();
    if (store == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> value = store->ReadValue(name);
    if (value && value->size() >= kSettingBufferSize) {
        value->resize(kSettingBufferSize - 1);
    }
    return value;
}

void WriteStored(const std::string& name, const std::string& text)
{
    if (ISettingsStore* store = CurrentSettingsStore()) {
        store->WriteValue(name, text);
    }
}

std::int32_t InRangeOrZero(std::int32_t value, std::int32_t last)
{
    return value >= 0 && value <= last ? value : 0;
}

}  // namespace

std::int32_t ReadIntSetting(const std::string& name)
{
    const std::optional<std::string> text = ReadStored(name);
    return text ? ParseInt(*text) : 0;
}

void ReadTextSetting(const std::string& name, std::string& buffer)
{
    if (std::optional<std::string> text = ReadStored(name)) {
        buffer = std::move(*text);
    }
}

void WriteIntSetting(const std::string& name, std::int32_t value)
{
    WriteStored(name, std::to_string(value));
}

void WriteTextSetting(const std::string& name, const std::string& text) { WriteStored(name, text); }

bool ReadFlagSetting(const std::string& name) { return ReadIntSetting(name) != 0; }

void WriteFlagSetting(const std::string& name, bool checked) { WriteIntSetting(name, checked ? 1 : 0); }

void LoadStartupSettings()
{
    LengthUnit = InRangeOrZero(ReadIntSetting(kSettingLengthUnit), kLengthUnitCount - 1);
    Precision = InRangeOrZero(ReadIntSetting(kSettingPrecision), 4);
    std::string saw;
    ReadTextSetting(kSettingSawThickness, saw);
    if (saw.size() > kSawThicknessTextMaxLength) {
        saw.resize(kSawThicknessTextMaxLength);
    }
    SawThickness = TextToLength(saw, LengthUnit);
    std::string currency;
    ReadTextSetting(kSettingCurrency, currency);
    if (currency.size() > kCurrencyMaxLength) {
        currency.resize(kCurrencyMaxLength);
    }
    Currency = currency;
    Language = static_cast<std::uint32_t>(InRangeOrZero(ReadIntSetting(kSettingLanguage), 1));
}

void SaveSettings(std::int32_t unit, std::int32_t precision, const std::string& currency,
                  const std::string& sawThicknessText)
{
    LengthUnit = unit;
    WriteIntSetting(kSettingLengthUnit, LengthUnit);
    Precision = precision;
    WriteIntSetting(kSettingPrecision, Precision);
    Currency = currency.substr(0, kCurrencyMaxLength);
    WriteTextSetting(kSettingCurrency, Currency);
    const std::string saw = TrimRight(TrimLeft(sawThicknessText.substr(0, kSawThicknessTextMaxLength)));
    SawThickness = TextToLength(saw, LengthUnit);
    WriteTextSetting(kSettingSawThickness, saw);
}
