#pragma once
#include <windows.h>

// For the scenes the test program draws for the screenshots.

// Handles whatever messages arrive for ms milliseconds.
void PumpFor(DWORD ms);
// The window as it shows on the screen, as a 24-bit bottom-up .bmp file.
void SaveWindowPicture(HWND wnd, const char* path);
