#pragma once
#include "framework/Wnd.h"

// The Open dialog behind both "参照(&B)..." buttons of the options. TRUE and
// the chosen file's full path in path; FALSE, path untouched, when cancelled.
BOOL ChooseHtmlFile(CWnd* parent, CString& path);
