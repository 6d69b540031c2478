// Window arrangement against the work area, and the process priority.
#include "browser/MainDlg.h"
#include "core/SettingsRules.h"

void CMainDlg::OnArrangeWindow(UINT id)
{
    RECT work = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CRect window;
    GetWindowRect(&window);
    const int command = static_cast<int>(id) - ID_ARRANGE_FIRST;
    PlainRect r;
    if (!ArrangeRect(command, PlainRect{ work.left, work.top, work.right, work.bottom },
                     PlainRect{ window.left, window.top, window.right, window.bottom }, &r))
        return;
    MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void CMainDlg::ApplyPriority(int level)
{
    // Slider order from low to high. Real time is never offered: from a
    // user-interface thread it can starve the whole system, input included.
    static const DWORD kClasses[] = {
        IDLE_PRIORITY_CLASS, NORMAL_PRIORITY_CLASS, ABOVE_NORMAL_PRIORITY_CLASS, HIGH_PRIORITY_CLASS,
    };
    DWORD processId = 0;
    ::GetWindowThreadProcessId(m_hWnd, &processId);
    HANDLE process = ::OpenProcess(PROCESS_SET_INFORMATION, TRUE, processId);
    if (!process)
        return;
    if (level >= 0 && level < static_cast<int>(sizeof kClasses / sizeof kClasses[0]))
        ::SetPriorityClass(process, kClasses[level]);
    ::CloseHandle(process);
}
