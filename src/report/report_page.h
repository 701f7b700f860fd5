#pragma once

#include <ctime>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/length.h"
#include "inventory/type_of_bar.h"

// What the job report and the inventory report share: the fixed parts of the page, the way
// values are written, and how the page reaches the disk and the user.

// Fills a printf-like pattern with ready-made texts, one per directive in order: %s and %d
// take a value as it is, %02d pads it to two digits with leading zeros, %% writes one %.
// The patterns are fixed texts of the program; a wrong number of values is a programming
// error (std::logic_error).
std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> values);

// "<html><head><title>", the title, "</title></head><body>".
std::string ReportHead(const char* title);
// The maker's logo with its link and the program name.
std::string ReportBanner();
// The maker's notice under a rule, and the end of the page.
std::string ReportFooter();

// Values as the reports write them: lengths in the current unit and precision (report
// form), money and percentages truncated to 2 decimals, counts in plain decimal.
std::string ReportLength(Length length);
std::string ReportMoney(double value);
std::string ReportCount(long long count);
// The currency of the settings, made safe for the page.
std::string ReportCurrency();

// "dd Month yyyy, hh:mm" of a local time, the month in the current language.
std::string ReportDateTime(const std::tm& time);

// The type heading shared by both reports: profile code, material and color in blue labels.
std::string TypeOfBarHeading(const TYPE_OF_BAR& type);

// Raises "Stock is invalid!" for a type whose price length cannot divide a price.
void CheckPriceLength(const TYPE_OF_BAR& type);

// Replaces the file at `path` with the page; raises "Cannot create report!" when the file
// cannot be written.
void WriteReportFile(const std::string& path, const std::string& page);

// Replaces the file at `path` with the page and opens it with the desktop shell; raises
// "Cannot create report!" when the file cannot be written (nothing is then opened). Whether
// the shell managed to open it does not matter: the report is on the disk either way.
void WriteAndOpenReport(const std::string& path, const std::string& page);
