#pragma once
// Small wrappers over the common controls and GDI objects the program uses.
#include "framework/Wnd.h"
#include <commctrl.h>

class CEdit : public CWnd {};

class CButton : public CWnd {
public:
    // Owner-drawn buttons paint themselves from the reflected WM_DRAWITEM.
    virtual void DrawItem(LPDRAWITEMSTRUCT dis) { (void)dis; }
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    int Add(HICON icon) { return ImageList_AddIcon(m_hImageList, icon); }
    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

private:
    HIMAGELIST m_hImageList = nullptr;
};

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    BOOL CreateFontIndirect(const LOGFONTA* lf);
    BOOL DeleteObject();
    HFONT GetSafeHandle() const { return m_hFont; }
    operator HFONT() const { return m_hFont; }

private:
    HFONT m_hFont = nullptr;
};

class CTabCtrl : public CWnd {
public:
    int GetItemCount() const { return (int)SendMessage(TCM_GETITEMCOUNT); }
    int GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL); }
    int SetCurSel(int item) { return (int)SendMessage(TCM_SETCURSEL, (WPARAM)item); }
    BOOL GetItem(int item, TCITEMA* tc) const { return (BOOL)SendMessage(TCM_GETITEMA, (WPARAM)item, (LPARAM)tc); }
    BOOL SetItem(int item, TCITEMA* tc) { return (BOOL)SendMessage(TCM_SETITEMA, (WPARAM)item, (LPARAM)tc); }
    int InsertItem(int item, TCITEMA* tc) { return (int)SendMessage(TCM_INSERTITEMA, (WPARAM)item, (LPARAM)tc); }
    BOOL DeleteItem(int item) { return (BOOL)SendMessage(TCM_DELETEITEM, (WPARAM)item); }
    BOOL GetItemRect(int item, RECT* r) const { return (BOOL)SendMessage(TCM_GETITEMRECT, (WPARAM)item, (LPARAM)r); }
    int HitTest(TCHITTESTINFO* info) const { return (int)SendMessage(TCM_HITTEST, 0, (LPARAM)info); }
    void AdjustRect(BOOL larger, RECT* r) { SendMessage(TCM_ADJUSTRECT, (WPARAM)larger, (LPARAM)r); }
    HIMAGELIST SetImageList(CImageList* list) { return (HIMAGELIST)SendMessage(TCM_SETIMAGELIST, 0, (LPARAM)list->GetSafeHandle()); }
    HWND GetToolTips() const { return (HWND)SendMessage(TCM_GETTOOLTIPS); }

    // Owner-drawn tabs paint themselves from the reflected WM_DRAWITEM.
    virtual void DrawItem(LPDRAWITEMSTRUCT dis) { (void)dis; }
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, (WPARAM)activate); }
    BOOL AddTool(HWND tool, const char* text);
    void RelayEvent(MSG* msg) { if (m_hWnd) SendMessage(TTM_RELAYEVENT, 0, (LPARAM)msg); }
};

// A button drawn from four bitmaps named after its caption: up, down
// (pressed), focused and disabled ("BACKU", "BACKD", "BACKF", "BACKX").
class CBitmapButton : public CButton {
public:
    CBitmapButton() = default;
    ~CBitmapButton() override;

    BOOL AutoLoad(UINT id, CWnd* parent);
    BOOL LoadBitmaps(const char* up, const char* down, const char* focus, const char* disabled);
    void SizeToContent();
    void DrawItem(LPDRAWITEMSTRUCT dis) override;

private:
    void FreeBitmaps();
    HBITMAP m_bitmaps[4] = {};
};
