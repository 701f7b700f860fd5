#pragma once

#include <ctime>
#include <optional>
#include <string>

// What the domain layers ask of the outside world. The program implements it with Qt;
// tests install a scripted fake, so no test opens a window.
enum class MessageIcon { Error, Question, Information, Warning };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct FILE_DIALOG {
    std::string title;
    std::string filter;            // e.g. "Job files (*.odr)"
    std::string initialFolder;
    std::string defaultExtension;  // without the point, e.g. "odr"
};

class IPlatform {
public:
    virtual ~IPlatform() = default;
    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                                      MessageButtons buttons) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> AskOpenFileName(const FILE_DIALOG& dialog) = 0;
    virtual std::optional<std::string> AskSaveFileName(const FILE_DIALOG& dialog) = 0;
    virtual void SetMainWindowTitle(const std::string& title) = 0;
    // Opens a file with the desktop's program for it; false when that failed.
    virtual bool OpenWithShell(const std::string& path) = 0;
    virtual std::tm LocalTime() = 0;
};

// The local time of the system clock, for the platforms' LocalTime.
std::tm SystemLocalTime();

// The installed platform. Using it before one is installed is a programming error.
IPlatform& Platform();
void SetPlatform(IPlatform* platform);
