#include "app/BrowserApp.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <ole2.h>

// The Win32 tests run inside the program's own application object, so the
// framework's profile functions and resource lookups behave as in Quenvo.exe.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    theApp.m_hInstance = ::GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX icc = { sizeof icc, ICC_WIN95_CLASSES };
    ::InitCommonControlsEx(&icc);
    AfxOleInit();
    return RUN_ALL_TESTS();
}
