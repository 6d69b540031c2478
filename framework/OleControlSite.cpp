#include "framework/OleControlSite.h"
#include <olectl.h>

namespace {
const char kHostClass[] = "AfxControlHost";
}

// The frame the control sees while in place: the top-level window. It has
// no menus or tool space to offer.
class COleControlSite::Frame final : public IOleInPlaceFrame {
public:
    explicit Frame(COleControlSite* site) : m_site(site) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override
    {
        if (riid == IID_IUnknown || riid == IID_IOleWindow || riid == IID_IOleInPlaceUIWindow ||
            riid == IID_IOleInPlaceFrame) {
            *out = static_cast<IOleInPlaceFrame*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return m_site->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_site->Release(); }
    STDMETHODIMP GetWindow(HWND* out) override { *out = ::GetAncestor(m_site->m_hWndHost, GA_ROOT); return S_OK; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override
    {
        if (object)
            object->AddRef();
        if (m_site->m_pActiveObject)
            m_site->m_pActiveObject->Release();
        m_site->m_pActiveObject = object;
        return S_OK;
    }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    // The control runs a modal loop of its own (a script's box) between
    // these two.
    STDMETHODIMP EnableModeless(BOOL enable) override
    {
        if (!enable)
            ++m_site->m_nModalLoops;
        else if (m_site->m_nModalLoops > 0)
            --m_site->m_nModalLoops;
        return S_OK;
    }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    COleControlSite* m_site;
};

// Receives the control's events through its connection point.
class COleControlSite::EventSink final : public IDispatch {
public:
    EventSink(COleControlSite* site, REFIID iid) : m_site(site), m_iid(iid) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override
    {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == m_iid) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return m_site->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_site->Release(); }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { *count = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override
    {
        m_site->FireEvent(dispid, params);
        return S_OK;
    }

private:
    COleControlSite* m_site;
    IID m_iid;
};

COleControlSite::COleControlSite(CWnd* wnd, HWND host) : m_pWnd(wnd), m_hWndHost(host)
{
    m_pFrame = new Frame(this);
}

COleControlSite::~COleControlSite()
{
    delete m_pFrame;
    delete m_pSink;
}

BOOL CWnd::CreateControlHost(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return COleControlSite::CreateHost(this, style, rect, parent->m_hWnd, id);
}

BOOL CWnd::CreateControl(REFCLSID clsid)
{
    if (!m_hWnd)
        return FALSE;
    // The site comes with the first control: a host that never gets one
    // (a tab whose page is never shown) needs none.
    if (!m_pCtrlSite)
        m_pCtrlSite = new COleControlSite(this, m_hWnd);
    return SUCCEEDED(m_pCtrlSite->CreateControl(clsid));
}

BOOL COleControlSite::CreateHost(CWnd* wnd, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = HostWndProc;
        wc.hInstance = AfxGetResourceHandle();
        wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        wc.lpszClassName = kHostClass;
        registered = ::RegisterClassA(&wc) != 0;
    }
    // The parent made the host and destroys it: it needs no notice of either.
    HWND host = ::CreateWindowExA(WS_EX_NOPARENTNOTIFY, kHostClass, nullptr, style | WS_CLIPCHILDREN, rect.left,
                                  rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AfxGetResourceHandle(), nullptr);
    if (!host)
        return FALSE;
    // Bound, not subclassed: the class procedure is ours already, and under
    // Wine a subclassed window costs server calls with every message.
    wnd->Attach(host);
    return TRUE;
}

HRESULT COleControlSite::CreateControl(REFCLSID clsid)
{
    if (m_pObject)
        return S_FALSE;
    const Call call(*this);
    const HRESULT hr = Activate(clsid);
    if (FAILED(hr))
        CloseControl();
    return hr;
}

HRESULT COleControlSite::Activate(REFCLSID clsid)
{
    HRESULT hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                    reinterpret_cast<void**>(&m_pObject));
    if (FAILED(hr))
        return hr;
    DWORD misc = 0;
    m_pObject->GetMiscStatus(DVASPECT_CONTENT, &misc);
    const bool siteFirst = (misc & OLEMISC_SETCLIENTSITEFIRST) != 0;
    if (siteFirst)
        m_pObject->SetClientSite(this);
    IPersistStreamInit* persist = nullptr;
    if (SUCCEEDED(m_pObject->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)))) {
        persist->InitNew();
        persist->Release();
    }
    if (!siteFirst)
        m_pObject->SetClientSite(this);
    m_pObject->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_pDispatch));
    Advise();
    RECT rc;
    ::GetClientRect(m_hWndHost, &rc);
    return m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, m_hWndHost, &rc);
}

void COleControlSite::Advise()
{
    IProvideClassInfo2* info = nullptr;
    if (FAILED(m_pObject->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&info))))
        return;
    IID events;
    HRESULT hr = info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events);
    info->Release();
    if (FAILED(hr))
        return;
    IConnectionPointContainer* container = nullptr;
    if (FAILED(m_pObject->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container))))
        return;
    hr = container->FindConnectionPoint(events, &m_pConnectionPoint);
    container->Release();
    if (FAILED(hr)) {
        m_pConnectionPoint = nullptr;
        return;
    }
    // A sink left from a control that failed to activate was let go with it.
    delete m_pSink;
    m_pSink = new EventSink(this, events);
    if (FAILED(m_pConnectionPoint->Advise(m_pSink, &m_dwCookie))) {
        m_pConnectionPoint->Release();
        m_pConnectionPoint = nullptr;
        m_dwCookie = 0;
    }
}

void COleControlSite::CloseControl()
{
    // Keep the site alive while the control lets go of its references.
    AddRef();
    if (m_pConnectionPoint) {
        m_pConnectionPoint->Unadvise(m_dwCookie);
        m_pConnectionPoint->Release();
        m_pConnectionPoint = nullptr;
        m_dwCookie = 0;
    }
    if (m_pInPlaceObject)
        m_pInPlaceObject->InPlaceDeactivate();
    if (m_pInPlaceObject) {
        m_pInPlaceObject->Release();
        m_pInPlaceObject = nullptr;
    }
    if (m_pActiveObject) {
        m_pActiveObject->Release();
        m_pActiveObject = nullptr;
    }
    if (m_pDispatch) {
        m_pDispatch->Release();
        m_pDispatch = nullptr;
    }
    if (m_pObject) {
        IOleObject* object = m_pObject;
        m_pObject = nullptr;
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
        object->Release();
    }
    Release();
}

bool COleControlSite::TranslateAccelerator(MSG* msg)
{
    if (!m_pActiveObject || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
        return false;
    if (msg->hwnd != m_hWndHost && !::IsChild(m_hWndHost, msg->hwnd))
        return false;
    const Call call(*this);
    IOleInPlaceActiveObject* object = m_pActiveObject;
    object->AddRef();
    const bool taken = object->TranslateAccelerator(msg) == S_OK;
    object->Release();
    return taken;
}

void COleControlSite::FireEvent(DISPID dispid, DISPPARAMS* params)
{
    const Call call(*this);
    HWND host = m_hWndHost;
    if (::IsWindow(host))
        if (CWnd* parent = CWnd::FromHandlePermanent(::GetParent(host)))
            parent->DispatchEvent(static_cast<UINT>(::GetDlgCtrlID(host)), dispid, params);
}

void COleControlSite::ResizeControl()
{
    if (!m_pInPlaceObject)
        return;
    RECT rc;
    ::GetClientRect(m_hWndHost, &rc);
    m_pInPlaceObject->SetObjectRects(&rc, &rc);
}

LRESULT CALLBACK COleControlSite::HostWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        // No caption to keep and no scroll bars to set up.
        return TRUE;
    case WM_NCCALCSIZE:
        // No frame: the client area is the whole window. Wine's default
        // measures the caption and menu fonts for it, at every creation and
        // every move of every host.
        return 0;
    default:
        break;
    }
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    auto* site = wnd ? static_cast<COleControlSite*>(wnd->m_pCtrlSite) : nullptr;
    if (site) {
        if (message == WM_SIZE)
            site->ResizeControl();
        else if (message == WM_DESTROY)
            site->CloseControl();
    }
    const LRESULT result = ::DefWindowProcA(hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY && wnd)
        wnd->Detach();
    return result;
}

STDMETHODIMP COleControlSite::QueryInterface(REFIID riid, void** out)
{
    if (riid == IID_IUnknown || riid == IID_IOleClientSite)
        *out = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
        *out = static_cast<IOleInPlaceSite*>(this);
    else if (riid == IID_IDispatch)
        *out = static_cast<IDispatch*>(this);
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleControlSite::AddRef()
{
    return ++m_refs;
}

STDMETHODIMP_(ULONG) COleControlSite::Release()
{
    ULONG refs = --m_refs;
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP COleControlSite::OnInPlaceActivate()
{
    if (!m_pInPlaceObject && m_pObject)
        m_pObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&m_pInPlaceObject));
    return S_OK;
}

STDMETHODIMP COleControlSite::OnInPlaceDeactivate()
{
    if (m_pInPlaceObject) {
        m_pInPlaceObject->Release();
        m_pInPlaceObject = nullptr;
    }
    return S_OK;
}

STDMETHODIMP COleControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                               LPRECT pos, LPRECT clip, LPOLEINPLACEFRAMEINFO info)
{
    *frame = m_pFrame;
    m_pFrame->AddRef();
    *doc = nullptr;
    ::GetClientRect(m_hWndHost, pos);
    *clip = *pos;
    info->fMDIApp = FALSE;
    info->hwndFrame = ::GetAncestor(m_hWndHost, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP COleControlSite::Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO*, UINT*)
{
    // The only ambient property that matters: the control runs for a user,
    // not in a designer.
    if (dispid == DISPID_AMBIENT_USERMODE && (flags & DISPATCH_PROPERTYGET) && result) {
        ::VariantInit(result);
        result->vt = VT_BOOL;
        result->boolVal = VARIANT_TRUE;
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT COleControlSite::InvokeHelper(DISPID dispid, WORD flags, VARIANT* argsLastFirst, UINT count, VARIANT* result)
{
    if (!m_pDispatch)
        return E_POINTER;
    const Call call(*this);
    IDispatch* dispatch = m_pDispatch;
    dispatch->AddRef();
    DISPPARAMS params = { argsLastFirst, nullptr, count, 0 };
    VARIANT ignored;
    ::VariantInit(&ignored);
    const HRESULT hr = dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                        result ? result : &ignored, nullptr, nullptr);
    ::VariantClear(&ignored);
    dispatch->Release();
    return hr;
}
