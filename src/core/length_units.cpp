#include "core/length.h"

const LENGTH_UNIT kLengthUnits[kLengthUnitCount] = {
    {"millimeter (mm)", "mm", 1.0},
    {"centimeter (cm)", "cm", 10.0},
    {"meter (m)", "m", 1000.0},
    {"inch (in)", "in", 25.4},
    {"foot (ft)", "ft", 304.8},
    {"feet and decimal inches (e.g. 45' 5.21\")", "ft,in", 25.4},
    {"fractional inches 1/4\" (e.g. 72 3/4\")", "/in", 25.4},
    {"fractional inches 1/8\" (e.g. 72 7/8\")", "/in", 25.4},
    {"fractional inches 1/16\" (e.g. 72 15/16\")", "/in", 25.4},
    {"fractional inches 1/32\" (e.g. 72 31/32\")", "/in", 25.4},
    {"fractional inches 1/64\" (e.g. 72 63/64\")", "/in", 25.4},
    {"fractional inches 1/128\" (e.g. 72 127/128\")", "/in", 25.4},
    {"fractional inches 1/256\" (e.g. 72 255/256\")", "/in", 25.4},
    {"fractional inches 1/512\" (e.g. 72 511/512\")", "/in", 25.4},
    {"feet and fractional inches 1/4\" (e.g. 17' 3 3/4\")", "ft/in", 25.4},
    {"feet and fractional inches 1/8\" (e.g. 17' 3 7/8\")", "ft/in", 25.4},
    {"feet and fractional inches 1/16\" (e.g. 17' 3 15/16\")", "ft/in", 25.4},
    {"feet and fractional inches 1/32\" (e.g. 17' 3 31/32\")", "ft/in", 25.4},
    {"feet and fractional inches 1/64\" (e.g. 17' 3 63/64\")", "ft/in", 25.4},
    {"feet and fractional inches 1/128\" (e.g. 17' 3 127/128\")", "ft/in", 25.4},
    {"feet and fractional inches 1/256\" (e.g. 17' 3 255/256\")", "ft/in", 25.4},
    {"feet and fractional inches 1/512\" (e.g. 17' 3 511/512\")", "ft/in", 25.4},
};

const char* UnitLabel(int unit)
{
    if (unit < 0 || unit >= kLengthUnitCount) {
        unit = 0;
    }
    return kLengthUnits[unit].label;
}
