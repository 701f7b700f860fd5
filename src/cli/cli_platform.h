#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "core/platform.h"

// The platform of the command line: no windows. A file dialog answers with the path the
// command put in beforehand, a message goes to the error stream and is answered with OK
// (or No), the shell opens nothing.
class CCliPlatform : public IPlatform {
public:
    explicit CCliPlatform(std::ostream& err) : m_err(err) { SetPlatform(this); }
    ~CCliPlatform() override { SetPlatform(nullptr); }
    CCliPlatform(const CCliPlatform&) = delete;
    CCliPlatform& operator=(const CCliPlatform&) = delete;

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<std::string> AskOpenFileName(const FILE_DIALOG& dialog) override;
    std::optional<std::string> AskSaveFileName(const FILE_DIALOG& dialog) override;
    void SetMainWindowTitle(const std::string&) override {}
    bool OpenWithShell(const std::string&) override { return false; }
    std::tm LocalTime() override;

    // The answer of the next file dialog.
    std::optional<std::string> nextPath;

private:
    std::ostream& m_err;
};
