#include "support/fake_platform.h"

MessageAnswer CFakePlatform::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                                         MessageButtons buttons)
{
    messages.push_back({text, caption, icon, buttons});
    if (answers.empty()) {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

namespace {

std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue)
{
    if (queue.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> path = queue.front();
    queue.pop_front();
    return path;
}

}  // namespace

std::optional<std::string> CFakePlatform::AskOpenFileName(const FILE_DIALOG& dialog)
{
    openDialogs.push_back(dialog);
    return Next(openPaths);
}

std::optional<std::string> CFakePlatform::AskSaveFileName(const FILE_DIALOG& dialog)
{
    saveDialogs.push_back(dialog);
    return Next(savePaths);
}

void CFakePlatform::SetMainWindowTitle(const std::string& title) { titles.push_back(title); }

bool CFakePlatform::OpenWithShell(const std::string& path)
{
    openedWithShell.push_back(path);
    return shellSucceeds;
}

std::tm CFakePlatform::LocalTime() { return now; }

CScopedFakePlatform::CScopedFakePlatform() { SetPlatform(this); }

CScopedFakePlatform::~CScopedFakePlatform() { SetPlatform(nullptr); }
