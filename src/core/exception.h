#pragma once

#include <cstdint>

// The one error record of the program. Raised where a failure is found and shown once,
// where the user acted; only `message` is ever shown, the rest is for diagnosis.
struct CException {
    char file[256];
    std::uint32_t line;
    char message[256];
    std::uint32_t systemError;

    CException(const char* file, std::uint32_t line, const char* message);
};

// The base name of a source path ("src/inventory/globaldata.cpp" gives "globaldata.cpp"),
// computed at compile time for the raise macro.
constexpr const char* SourceBaseName(const char* path)
{
    const char* base = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '/' || *p == '\\') {
            base = p + 1;
        }
    }
    return base;
}

// Raises a CException carrying the raising file's name and line.
#define KX_RAISE(message) throw CException(SourceBaseName(__FILE__), __LINE__, (message))

// Texts of the catching places: the guarded-call helper of the user interface shows
// the message of a CException, or this text for any other exception.
inline constexpr const char* kUnknownErrorText = "Error - xtr";
