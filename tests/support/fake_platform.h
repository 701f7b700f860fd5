#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/platform.h"

// A scripted Platform: answers come from queues the test fills, every call is recorded.
// A message box with no scripted answer answers Ok (or Cancel for a question), a file
// dialog with no scripted path is cancelled.
class CFakePlatform : public IPlatform {
public:
    struct MESSAGE {
        std::string text;
        std::string caption;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<std::string> AskOpenFileName(const FILE_DIALOG& dialog) override;
    std::optional<std::string> AskSaveFileName(const FILE_DIALOG& dialog) override;
    void SetMainWindowTitle(const std::string& title) override;
    bool OpenWithShell(const std::string& path) override;
    std::tm LocalTime() override;

    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::string>> openPaths;
    std::deque<std::optional<std::string>> savePaths;
    std::tm now{};
    bool shellSucceeds = true;

    std::vector<MESSAGE> messages;
    std::vector<FILE_DIALOG> openDialogs;
    std::vector<FILE_DIALOG> saveDialogs;
    std::vector<std::string> titles;
    std::vector<std::string> openedWithShell;
};

// Installs a fake platform for the lifetime of a test and removes it afterwards.
class CScopedFakePlatform : public CFakePlatform {
public:
    CScopedFakePlatform();
    ~CScopedFakePlatform() override;
    CScopedFakePlatform(const CScopedFakePlatform&) = delete;
    CScopedFakePlatform& operator=(const CScopedFakePlatform&) = delete;
};
