#include "core/language.h"

std::uint32_t Language = 0;

const char* MonthName(int month)
{
    if (month < 0 || month > 11) {
        month = 0;
    }
    return MONTH_NAMES[month][Language];
}
