#include "cli/cli_platform.h"

#include <ctime>

MessageAnswer CCliPlatform::ShowMessage(const std::string& text, const std::string&, MessageIcon,
                                        MessageButtons buttons)
{
    m_err << text << '\n';
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

std::optional<std::string> CCliPlatform::AskOpenFileName(const FILE_DIALOG&)
{
    std::optional<std::string> path = std::move(nextPath);
    nextPath.reset();
    return path;
}

std::optional<std::string> CCliPlatform::AskSaveFileName(const FILE_DIALOG& dialog) { return AskOpenFileName(dialog); }

std::tm CCliPlatform::LocalTime() { return SystemLocalTime(); }
