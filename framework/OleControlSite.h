#pragma once
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include "framework/Wnd.h"

// Hosts one ActiveX control inside a host window that stands for it among
// its parent's children: the host carries the control id and the size, the
// control's own window lives inside it. The site is the control's client
// site, in-place site and frame, answers ambient properties and receives
// its events, which it hands to the parent window's event-sink map with the
// host's id at the moment the event fires.
class COleControlSite final : public IOleClientSite, public IOleInPlaceSite, public IDispatch,
                              public CControlHost {
public:
    // The host window, bound to wnd; its site comes with its first control.
    static BOOL CreateHost(CWnd* wnd, DWORD style, const RECT& rect, HWND parent, UINT id);

    IDispatch* GetDispatch() const override { return m_pDispatch; }
    HRESULT CreateControl(REFCLSID clsid) override;
    void Close() override { CloseControl(); Release(); }
    HWND GetHostWindow() const { return m_hWndHost; }
    // Unadvises, deactivates and lets go of the control; the site stays
    // alive until its last reference goes.
    void CloseControl();
    // Offers a keystroke to the control's active object.
    bool TranslateAccelerator(MSG* msg) override;
    HRESULT InvokeHelper(DISPID dispid, WORD flags, VARIANT* argsLastFirst, UINT count, VARIANT* result) override;
    bool IsInCall() const override { return m_nCalls > 0 || m_nModalLoops > 0; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override { *out = nullptr; return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** out) override { *out = nullptr; return E_NOINTERFACE; }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    // IOleWindow / IOleInPlaceSite
    STDMETHODIMP GetWindow(HWND* out) override { *out = m_hWndHost; return S_OK; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }
    // IDispatch: ambient properties
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { *count = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                        EXCEPINFO*, UINT*) override;

private:
    class Frame;
    class EventSink;
    // CWnd::CreateControl makes the site.
    friend class CWnd;

    COleControlSite(CWnd* wnd, HWND host);
    ~COleControlSite();
    HRESULT Activate(REFCLSID clsid);
    void Advise();
    void FireEvent(DISPID dispid, DISPPARAMS* params);
    void ResizeControl();
    static LRESULT CALLBACK HostWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    ULONG m_refs = 1;
    CWnd* m_pWnd;
    HWND m_hWndHost;
    IOleObject* m_pObject = nullptr;
    IOleInPlaceObject* m_pInPlaceObject = nullptr;
    IDispatch* m_pDispatch = nullptr;
    // Reported by the control through the frame while it is UI-active.
    IOleInPlaceActiveObject* m_pActiveObject = nullptr;
    IConnectionPoint* m_pConnectionPoint = nullptr;
    DWORD m_dwCookie = 0;
    Frame* m_pFrame = nullptr;
    EventSink* m_pSink = nullptr;
    // Calls between the control and us under way, and the control's modal
    // loops (EnableModeless on its frame).
    int m_nCalls = 0;
    int m_nModalLoops = 0;

    // Counts one call while it lives, and keeps the site alive through it:
    // the call may close the tab and with it the site's window.
    class Call {
    public:
        explicit Call(COleControlSite& site) : m_site(site) { m_site.AddRef(); ++m_site.m_nCalls; }
        ~Call() { --m_site.m_nCalls; m_site.Release(); }
        Call(const Call&) = delete;
        Call& operator=(const Call&) = delete;

    private:
        COleControlSite& m_site;
    };
};
