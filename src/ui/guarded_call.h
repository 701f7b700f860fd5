#pragma once

#include <functional>

// Which captions a catching place shows its errors under: the modal and child dialogs use
// the fixed English "Error" / "Application error", the main window and its panels the
// current language.
enum class ErrorCaptions { Dialog, Window };

// Runs `call`; a CException shows its message, any other exception "Error - xtr", as an
// error message box through the Platform. True when the call ended normally.
bool GuardedCall(ErrorCaptions captions, const std::function<void()>& call);
