#include "core/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::optional<std::size_t> g_failAfterBytes;

#ifndef _WIN32

bool WriteAll(int fd, std::string_view content)
{
    std::size_t limit = content.size();
    if (g_failAfterBytes && *g_failAfterBytes < limit) {
        limit = *g_failAfterBytes;
    }
    std::size_t written = 0;
    while (written < limit) {
        const ssize_t n = ::write(fd, content.data() + written, limit - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    if (limit < content.size()) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

#endif

}  // namespace

void SetWriteFailureForTesting(std::optional<std::size_t> failAfterBytes) { g_failAfterBytes = failAfterBytes; }

#ifndef _WIN32

std::optional<std::string> WriteTemporaryFile(const std::string& path, std::string_view content)
{
    std::string tempPath = path + ".tmp-XXXXXX";
    const int fd = ::mkstemp(tempPath.data());
    if (fd < 0) {
        return std::nullopt;
    }
    // mkstemp creates the file readable by the owner only; data files keep the usual mode.
    ::fchmod(fd, 0644);
    const bool written = WriteAll(fd, content) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        const int failure = written ? errno : savedErrno;
        ::unlink(tempPath.c_str());
        errno = failure;
        return std::nullopt;
    }
    return tempPath;
}

bool CommitTemporaryFile(const std::string& temporaryPath, const std::string& path)
{
    if (::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        const int failure = errno;
        ::unlink(temporaryPath.c_str());
        errno = failure;
        return false;
    }
    return true;
}

void DiscardTemporaryFile(const std::string& temporaryPath) { ::unlink(temporaryPath.c_str()); }

bool ReplaceFileAtomically(const std::string& path, std::string_view content)
{
    const std::optional<std::string> tempPath = WriteTemporaryFile(path, content);
    return tempPath && CommitTemporaryFile(*tempPath, path);
}

#else

std::optional<std::string> WriteTemporaryFile(const std::string& path, std::string_view content)
{
    const std::string tempPath = path + ".tmp";
    std::ofstream file(tempPath, std::ios::binary | std::ios::trunc);
    std::size_t limit = content.size();
    if (g_failAfterBytes && *g_failAfterBytes < limit) {
        limit = *g_failAfterBytes;
    }
    file.write(content.data(), static_cast<std::streamsize>(limit));
    file.flush();
    if (!file || limit < content.size()) {
        file.close();
        std::remove(tempPath.c_str());
        return std::nullopt;
    }
    return tempPath;
}

bool CommitTemporaryFile(const std::string& temporaryPath, const std::string& path)
{
    std::error_code error;
    std::filesystem::rename(temporaryPath, path, error);
    if (error) {
        std::remove(temporaryPath.c_str());
        return false;
    }
    return true;
}

void DiscardTemporaryFile(const std::string& temporaryPath) { std::remove(temporaryPath.c_str()); }

bool ReplaceFileAtomically(const std::string& path, std::string_view content)
{
    const std::optional<std::string> tempPath = WriteTemporaryFile(path, content);
    return tempPath && CommitTemporaryFile(*tempPath, path);
}

#endif

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return std::nullopt;
    }
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        return std::nullopt;
    }
    return content;
}
