#pragma once
#include <string>

// How a collection store's message reaches the user: a message box with the
// stop icon.
void ShowStopMessage(const std::string& text);
