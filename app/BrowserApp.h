#pragma once
#include "framework/WinApp.h"

// The start directory: the current directory at program load, ending in a
// backslash, or empty when it could not be read. Built before the application
// object, which fills it in.
extern CString g_strStartDir;

class CBrowserApp : public CWinApp {
public:
    CBrowserApp();
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CBrowserApp theApp;
