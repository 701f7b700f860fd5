#pragma once

#include <functional>

class QWidget;

// Runs `work` on a worker thread while a window-modal progress dialog with a busy bar stands
// over `owner`: the window keeps drawing itself, but no command of it can be reached until the
// work has ended, so the data the work changes is used by one thread only. Returns when the
// work has ended; an exception the work raised is raised again here, on the calling thread,
// so its message is shown as usual. Work that ends within a few hundredths of a second ends
// before the dialog would show. `work` must neither touch widgets nor use the Platform.
void RunInBackground(QWidget* owner, const char* text, const std::function<void()>& work);

// True while such work runs: the main window refuses commands and closing then.
bool IsBackgroundWorkRunning();
