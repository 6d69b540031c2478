#include "framework/Wnd.h"
#include "framework/WinApp.h"
#include "framework/WindowIcon.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>

namespace {
enum { kPartCommand = 100, kWindowCommand = 101, kDeclined = 102 };

// A part of a window that answers some of its messages itself.
class Part : public CCmdTarget {
public:
    std::string seen;

protected:
    void OnPartCommand() { seen += "part;"; }
    BOOL OnDeclined(UINT, NMHDR*, LRESULT*) { seen += "declined;"; return FALSE; }
    LRESULT OnApp(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) + 1; }
    void OnMoved() { seen += "noted;"; }
    void OnTimer(UINT_PTR id)
    {
        if (id != 5)
            return SetMsgHandled(FALSE);
        seen += "timer;";
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Part, CCmdTarget)
    ON_WM_TIMER()
    ON_COMMAND(kPartCommand, OnPartCommand)
    ON_NOTIFY_EX_RANGE(NM_CLICK, kDeclined, kDeclined, OnDeclined)
    ON_MESSAGE(WM_APP, OnApp)
    ON_MESSAGE_NOTED(WM_APP + 1, OnMoved)
END_MESSAGE_MAP()

class PartedWnd : public CWnd {
public:
    Part part;
    std::string seen;

protected:
    void OnPartCommand() { seen += "window;"; }
    void OnWindowCommand() { seen += "window;"; }
    void OnClick(NMHDR*, LRESULT*) { seen += "window;"; }
    LRESULT OnMoved(WPARAM, LPARAM) { seen += "moved;"; return 7; }
    void OnTimer(UINT_PTR) { seen += "timer;"; }

    DECLARE_MESSAGE_MAP()
};

class IconWnd : public CWnd {
public:
    explicit IconWnd(HICON icon) : icon(*this, icon) {}
    CWindowIcon icon;

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(IconWnd, CWnd)
    CHAIN_MSG_MAP_MEMBER(icon)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(PartedWnd, CWnd)
    CHAIN_MSG_MAP_MEMBER(part)
    ON_COMMAND(kPartCommand, OnPartCommand)
    ON_COMMAND(kWindowCommand, OnWindowCommand)
    ON_NOTIFY(NM_CLICK, kDeclined, OnClick)
    ON_MESSAGE(WM_APP + 1, OnMoved)
    ON_WM_TIMER()
END_MESSAGE_MAP()
}

TEST(MessageMap, AChainedPartTakesItsMessagesFirstAndWhatItDeclinesGoesOn)
{
    PartedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "parted", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));

    wnd.SendMessage(WM_COMMAND, kPartCommand, 0);
    EXPECT_EQ(wnd.part.seen, "part;");
    EXPECT_EQ(wnd.seen, "");

    wnd.SendMessage(WM_COMMAND, kWindowCommand, 0);
    NMHDR nm = { wnd.m_hWnd, kDeclined, static_cast<UINT>(NM_CLICK) };
    wnd.SendMessage(WM_NOTIFY, kDeclined, reinterpret_cast<LPARAM>(&nm));
    EXPECT_EQ(wnd.part.seen, "part;declined;");
    EXPECT_EQ(wnd.seen, "window;window;");

    EXPECT_EQ(wnd.SendMessage(WM_APP, 41, 0), 42);
    EXPECT_EQ(wnd.SendMessage(WM_APP + 1, 0, 0), 7);
    EXPECT_EQ(wnd.part.seen, "part;declined;noted;");
    EXPECT_EQ(wnd.seen, "window;window;moved;");

    // A handler that says the message is not its own passes it on.
    wnd.SendMessage(WM_TIMER, 5, 0);
    wnd.SendMessage(WM_TIMER, 6, 0);
    EXPECT_EQ(wnd.part.seen, "part;declined;noted;timer;");
    EXPECT_EQ(wnd.seen, "window;window;moved;timer;");
    wnd.DestroyWindow();
}

TEST(WindowIcon, IsTheWindowsBigSmallAndDragIcon)
{
    const HICON icon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32516));  // IDI_INFORMATION
    IconWnd wnd(icon);
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "icon", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    wnd.icon.Attach();
    EXPECT_EQ(reinterpret_cast<HICON>(wnd.SendMessage(WM_GETICON, ICON_BIG, 0)), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(wnd.SendMessage(WM_GETICON, ICON_SMALL, 0)), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(wnd.SendMessage(WM_QUERYDRAGICON, 0, 0)), icon);
    wnd.DestroyWindow();
}
