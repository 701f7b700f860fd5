#include "core/exception.h"

#include <cerrno>

namespace {

void CopyCut(char (&target)[256], const char* source)
{
    std::size_t i = 0;
    if (source != nullptr) {
        for (; i < 255 && source[i] != '\0'; ++i) {
            target[i] = source[i];
        }
    }
    for (; i < 256; ++i) {
        target[i] = '\0';
    }
}

}  // namespace

CException::CException(const char* fileName, std::uint32_t lineNumber, const char* text)
    // The system error is taken first, before anything below can change it: the raising
    // place has just seen a system call fail, so the code belongs to that call.
    : systemError(static_cast<std::uint32_t>(errno))
{
    line = lineNumber;
    CopyCut(file, fileName);
    CopyCut(message, text);
}
