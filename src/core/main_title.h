#pragma once

#include <string>

// Sets the main window's title to "Kalomax - label - path", or "Kalomax - label" when the
// path is empty.
void SetMainTitle(const std::string& label, const std::string& path);
