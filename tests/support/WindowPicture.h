#pragma once
#include <windows.h>

// Dispatches this thread's messages for ms milliseconds, so windows paint.
void PumpFor(DWORD ms);

// The window as it shows on the screen, as a 24-bit bottom-up .bmp file.
void SaveWindowPicture(HWND wnd, const char* path);
