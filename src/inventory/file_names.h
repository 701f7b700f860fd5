#pragma once

#include <string_view>

// True when `name` is a bare file name that stays inside the folder it is joined to: not
// empty, at most 255 bytes, not "." or "..", and without a NUL or a path or drive separator
// of any platform ('/', '\\', ':').
bool IsBareFileName(std::string_view name);
