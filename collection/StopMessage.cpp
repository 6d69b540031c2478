#include "collection/StopMessage.h"
#include "framework/WinApp.h"

void ShowStopMessage(const std::string& text)
{
    AfxMessageBox(text.c_str(), MB_ICONSTOP);
}
