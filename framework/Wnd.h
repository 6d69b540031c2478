#pragma once
#include "framework/CmdTarget.h"
#include "framework/Str.h"
#include <cassert>

// An ActiveX control hosted in a window (see COleControlSite), as the
// window object sees it: the control's dispatch, and letting go of it.
class CControlHost {
public:
    virtual IDispatch* GetDispatch() const = 0;
    // Offers a keystroke aimed at the control's window (or one inside it) to
    // the control first; true when the control took it.
    virtual bool TranslateAccelerator(MSG* msg) = 0;
    // Creates the control by CLSID and activates it in place; a failure
    // leaves the host empty, ready for another try.
    virtual HRESULT CreateControl(REFCLSID clsid) = 0;
    // Closes the control and drops the window object's reference.
    virtual void Close() = 0;
    // Calls a member of the control's dispatch interface by DISPID (a
    // method, or a property's get with result).
    virtual HRESULT InvokeHelper(DISPID dispid, WORD flags, VARIANT* argsLastFirst, UINT count, VARIANT* result) = 0;
    // True while the control is inside a call: one of ours into it, one of
    // its events into us, or a modal loop of its own (between its
    // EnableModeless(FALSE) and TRUE). Its window must outlive the call.
    virtual bool IsInCall() const = 0;

protected:
    ~CControlHost() = default;
};

// A window object bound to one HWND. Windows are bound by subclassing, so
// every message passes WindowProc first and Default() hands it on; a window
// whose class procedure is the framework's own may be bound without.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }

    static CWnd* FromHandlePermanent(HWND hWnd);
    // Closes the control of every window that hosts one (see AfxEndProgram).
    static void CloseEveryControl();

    // Creates a window and binds it to this object.
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                  int x, int y, int width, int height, HWND parent, HMENU menuOrId);
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* msg);
    // A parent hands notifications it does not handle back to the sender.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Creates the child window with this id that hosts an ActiveX control,
    // without the control; CreateControl(clsid) puts it in, now or later
    // (defined beside COleControlSite, which hosts it).
    BOOL CreateControlHost(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    BOOL CreateControl(REFCLSID clsid);
    CControlHost* GetControlSite() const { return m_pCtrlSite; }
    IDispatch* GetControlDispatch() const { return m_pCtrlSite ? m_pCtrlSite->GetDispatch() : nullptr; }

    // Thin wrappers: the window is there, then one call. Those whose failure
    // on a wrong handle would pass unnoticed check it in debug builds.
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    int SetDlgCtrlID(int id) { assert(::IsWindow(m_hWnd)); return (int)::SetWindowLongPtrA(m_hWnd, GWLP_ID, id); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    DWORD GetStyle() const { return (DWORD)::GetWindowLongPtrA(m_hWnd, GWL_STYLE); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT& r, BOOL repaint = TRUE) { MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top, repaint); }
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags);
    BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    void GetClientRect(RECT* r) const { ::GetClientRect(m_hWnd, r); }
    void GetWindowRect(RECT* r) const { ::GetWindowRect(m_hWnd, r); }
    void ScreenToClient(POINT* p) const { ::ScreenToClient(m_hWnd, p); }
    // A child window's rectangle in this window's client coordinates.
    CRect ChildRect(HWND child) const
    {
        CRect r;
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    void ClientToScreen(POINT* p) const { ::ClientToScreen(m_hWnd, p); }
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    void GetWindowText(CString& text) const;
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(const RECT* r, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, r, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    // Paints the whole window, frame included, in one colour.
    void FillWindow(COLORREF color);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
        { assert(::IsWindow(m_hWnd)); return ::SendMessageA(m_hWnd, message, wParam, lParam); }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
        { assert(::IsWindow(m_hWnd)); return ::PostMessageA(m_hWnd, message, wParam, lParam); }
    void SetIcon(HICON icon, BOOL bigIcon) { SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, (LPARAM)icon); }
    HFONT GetFont() const { return (HFONT)SendMessage(WM_GETFONT); }
    void SetFont(HFONT font, BOOL redraw = TRUE) { SendMessage(WM_SETFONT, (WPARAM)font, redraw); }

protected:
    // Passes the message being handled on to the window's own procedure.
    LRESULT Default();
    virtual void PreSubclassWindow() {}
    virtual void PostNcDestroy() {}
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Default handlers that program classes call from their overrides.
    void OnDrawItem(int idCtl, LPDRAWITEMSTRUCT dis);
    void OnMeasureItem(int idCtl, LPMEASUREITEMSTRUCT mis);
    void OnSysCommand(UINT id, LPARAM lParam) { (void)id; (void)lParam; Default(); }
    void OnSize(UINT type, int cx, int cy) { (void)type; (void)cx; (void)cy; Default(); }
    void OnPaint() { Default(); }
    void OnDestroy() { Default(); }
    void OnClose() { Default(); }
    void OnLButtonDown(UINT flags, CPoint p) { (void)flags; (void)p; Default(); }
    void OnLButtonUp(UINT flags, CPoint p) { (void)flags; (void)p; Default(); }
    void OnMouseMove(UINT flags, CPoint p) { (void)flags; (void)p; Default(); }
    void OnKeyDown(UINT key, UINT repeat, UINT flags) { (void)key; (void)repeat; (void)flags; Default(); }
    UINT OnGetDlgCode() { return (UINT)Default(); }
    void OnMenuSelect(UINT item, UINT flags, HMENU menu) { (void)item; (void)flags; (void)menu; Default(); }
    void OnDropFiles(HDROP drop) { (void)drop; Default(); }
    void OnHScroll(UINT code, UINT pos, HWND scrollBar) { (void)code; (void)pos; (void)scrollBar; Default(); }
    int OnCreate(LPCREATESTRUCT cs) { (void)cs; return (int)Default(); }

    DECLARE_MESSAGE_MAP()

private:
    static LRESULT CALLBACK StaticWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Gives the window back its own procedure, unless another took ours.
    void Unhook();
    bool ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Attach(HWND hWnd);
    void Detach();

    AFX_MSG m_current = { 0, 0, 0 };
    // The procedure the window had before ours; null while not subclassed.
    WNDPROC m_pfnSuper = nullptr;
    CControlHost* m_pCtrlSite = nullptr;
    friend class COleControlSite;
};

// The application object and the message-box helper.
class CWinApp;
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
int AfxMessageBox(const char* text, UINT type = MB_OK);
HINSTANCE AfxGetResourceHandle();
// Offers a command that no window handled to the application object.
BOOL AfxRouteCommandToApp(UINT code, UINT id, const AFX_MSG& msg, LRESULT& result);

// Centres a window over its owner, or on the work area while the owner is
// hidden or minimised, and keeps it on the work area.
void CenterOverOwner(HWND window);
