#pragma once
#include <windows.h>
#include <vector>

// Pixels of an icon drawn at size x size over a background colour.
std::vector<DWORD> Render(HICON icon, int size, COLORREF background);
