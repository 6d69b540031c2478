#include "tests/support/FakeWebBrowser.h"
#include <exdisp.h>
#include <exdispid.h>
#include <olectl.h>
#include <algorithm>

namespace {

const wchar_t kWindowClass[] = L"QuenvoFakeBrowser";

enum : DISPID {
    kGoBack = 100,
    kGoForward = 101,
    kGoHome = 102,
    kNavigate = 104,
    kStop = 106,
    kApplication = 200,
    kLocationName = 210,
    kLocationURL = 211,
};

std::vector<FakeWebBrowser*>& Live()
{
    static std::vector<FakeWebBrowser*> live;
    return live;
}

void RegisterWindowClass(WNDPROC proc)
{
    WNDCLASSW wc = {};
    if (::GetClassInfoW(::GetModuleHandleW(nullptr), kWindowClass, &wc))
        return;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kWindowClass;
    ::RegisterClassW(&wc);
}

// An optional argument counts as given when passed by reference as a VARIANT,
// as the real control's callers do, or as missing in the usual way.
bool IsOptionalVariantArg(const VARIANT& v)
{
    if (V_VT(&v) == (VT_BYREF | VT_VARIANT))
        return V_VARIANTREF(&v) != nullptr;
    return V_VT(&v) == VT_ERROR && V_ERROR(&v) == DISP_E_PARAMNOTFOUND;
}

} // namespace

// Lives for the whole run; COM's references to it do not own it.
class FakeBrowserFactory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *ppv = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        *ppv = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        if (FakeWebBrowser::Behaviour().refuseCreation)
            return E_OUTOFMEMORY;
        FakeWebBrowser* browser = new FakeWebBrowser;
        HRESULT hr = browser->QueryInterface(riid, ppv);
        browser->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }

    DWORD cookie = 0;
};

static FakeBrowserFactory g_factory;

void FakeWebBrowser::Register()
{
    if (g_factory.cookie)
        return;
    RegisterWindowClass(WindowProc);
    ::CoRegisterClassObject(CLSID_WebBrowser, &g_factory, CLSCTX_INPROC_SERVER,
                            REGCLS_MULTIPLEUSE, &g_factory.cookie);
}

LRESULT CALLBACK FakeWebBrowser::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        RECT r;
        ::GetClientRect(hwnd, &r);
        ::FillRect(reinterpret_cast<HDC>(wParam), &r, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        return 1;
    }
    if (message == WM_KEYDOWN)
        if (auto* self = reinterpret_cast<FakeWebBrowser*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
            self->m_keysReceived.push_back(wParam);
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void FakeWebBrowser::Unregister()
{
    if (!g_factory.cookie)
        return;
    ::CoRevokeClassObject(g_factory.cookie);
    g_factory.cookie = 0;
}

FakeWebBrowser* FakeWebBrowser::FromHost(HWND host)
{
    for (FakeWebBrowser* b : Live()) {
        if (b->m_hwnd && ::GetParent(b->m_hwnd) == host)
            return b;
    }
    return nullptr;
}

FakeWebBrowser* FakeWebBrowser::FromUnknown(IUnknown* unknown)
{
    IUnknown* identity = nullptr;
    if (!unknown || FAILED(unknown->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity))))
        return nullptr;
    identity->Release();
    for (FakeWebBrowser* b : Live()) {
        if (static_cast<IOleObject*>(b) == identity)
            return b;
    }
    return nullptr;
}

int FakeWebBrowser::LiveCount()
{
    return static_cast<int>(Live().size());
}

int& FakeWebBrowser::CreatedCount()
{
    static int created = 0;
    return created;
}

FakeBehaviour& FakeWebBrowser::Behaviour()
{
    static FakeBehaviour behaviour;
    return behaviour;
}

FakeWebBrowser::FakeWebBrowser()
    : m_connectionPoint(*this),
      m_miscStatus(Behaviour().miscStatus),
      m_persistStreamInit(Behaviour().persistStreamInit),
      m_beforeNavigateInNavigate(Behaviour().beforeNavigateInNavigate)
{
    Live().push_back(this);
    ++CreatedCount();
}

FakeWebBrowser::~FakeWebBrowser()
{
    // Only reached with leftovers when the container skipped its teardown.
    if (m_hwnd)
        ::DestroyWindow(m_hwnd);
    if (m_frame)
        m_frame->Release();
    if (m_inPlaceSite)
        m_inPlaceSite->Release();
    if (m_site)
        m_site->Release();
    if (m_sink)
        m_sink->Release();
    Live().erase(std::find(Live().begin(), Live().end(), this));
}

STDMETHODIMP FakeWebBrowser::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IOleObject)
        *ppv = static_cast<IOleObject*>(this);
    else if (riid == IID_IOleInPlaceObject)
        *ppv = static_cast<IOleInPlaceObject*>(this);
    else if (riid == IID_IOleWindow)
        *ppv = static_cast<IOleWindow*>(static_cast<IOleInPlaceObject*>(this));
    else if (riid == IID_IOleInPlaceActiveObject)
        *ppv = static_cast<IOleInPlaceActiveObject*>(this);
    else if (riid == IID_IDispatch)
        *ppv = static_cast<IDispatch*>(this);
    else if (riid == IID_IConnectionPointContainer)
        *ppv = static_cast<IConnectionPointContainer*>(this);
    else if (riid == IID_IProvideClassInfo || riid == IID_IProvideClassInfo2)
        *ppv = static_cast<IProvideClassInfo2*>(this);
    else if (m_persistStreamInit && (riid == IID_IPersistStreamInit || riid == IID_IPersist))
        *ppv = static_cast<IPersistStreamInit*>(this);
    else {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) FakeWebBrowser::AddRef()
{
    return ++m_refs;
}

STDMETHODIMP_(ULONG) FakeWebBrowser::Release()
{
    ULONG refs = --m_refs;
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP FakeWebBrowser::SetClientSite(IOleClientSite* site)
{
    m_lifecycle.push_back(site ? "SetClientSite" : "SetClientSite(null)");
    if (site)
        site->AddRef();
    if (m_site)
        m_site->Release();
    m_site = site;
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::GetClientSite(IOleClientSite** site)
{
    if (!site)
        return E_POINTER;
    *site = m_site;
    if (m_site)
        m_site->AddRef();
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::SetHostNames(LPCOLESTR, LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::Close(DWORD)
{
    m_lifecycle.push_back("Close");
    InPlaceDeactivate();
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::SetMoniker(DWORD, IMoniker*)
{
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::GetMoniker(DWORD, DWORD, IMoniker** mk)
{
    if (mk)
        *mk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::InitFromData(IDataObject*, BOOL, DWORD)
{
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::GetClipboardData(DWORD, IDataObject** data)
{
    if (data)
        *data = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND,
                                    LPCRECT posRect)
{
    m_lifecycle.push_back("DoVerb");
    IOleClientSite* site = activeSite ? activeSite : m_site;
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
        return ActivateInPlace(site, posRect);
    case OLEIVERB_UIACTIVATE: {
        HRESULT hr = ActivateInPlace(site, posRect);
        if (FAILED(hr))
            return hr;
        if (!m_uiActive) {
            m_uiActive = true;
            m_inPlaceSite->OnUIActivate();
            // Like the real control, report the active object to the frame.
            if (m_frame)
                m_frame->SetActiveObject(this, L"FakeWebBrowser");
            ::SetFocus(m_hwnd);
        }
        return S_OK;
    }
    case OLEIVERB_HIDE:
        if (m_hwnd)
            ::ShowWindow(m_hwnd, SW_HIDE);
        return S_OK;
    default:
        return verb > 0 ? OLEOBJ_S_INVALIDVERB : E_NOTIMPL;
    }
}

HRESULT FakeWebBrowser::UIActivate()
{
    return DoVerb(OLEIVERB_UIACTIVATE, nullptr, m_site, 0, nullptr, nullptr);
}

HRESULT FakeWebBrowser::ActivateInPlace(IOleClientSite* site, LPCRECT posRect)
{
    if (m_hwnd) {
        if (posRect) {
            m_rect = *posRect;
            ::MoveWindow(m_hwnd, m_rect.left, m_rect.top, m_rect.right - m_rect.left,
                         m_rect.bottom - m_rect.top, TRUE);
        }
        ::ShowWindow(m_hwnd, SW_SHOW);
        return S_OK;
    }
    if (!site)
        return E_UNEXPECTED;
    IOleInPlaceSite* ips = nullptr;
    if (FAILED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&ips))) || !ips)
        return E_NOINTERFACE;
    if (ips->CanInPlaceActivate() != S_OK) {
        ips->Release();
        return E_FAIL;
    }
    ips->OnInPlaceActivate();

    HWND parent = nullptr;
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* ui = nullptr;
    RECT pos = {}, clip = {};
    OLEINPLACEFRAMEINFO frameInfo = {};
    frameInfo.cb = sizeof frameInfo;
    if (FAILED(ips->GetWindow(&parent)) || !parent ||
        FAILED(ips->GetWindowContext(&frame, &ui, &pos, &clip, &frameInfo))) {
        ips->OnInPlaceDeactivate();
        ips->Release();
        return E_FAIL;
    }
    if (ui)
        ui->Release();

    m_rect = posRect ? *posRect : pos;
    m_hwnd = ::CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                               m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top,
                               parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (!m_hwnd) {
        if (frame)
            frame->Release();
        ips->OnInPlaceDeactivate();
        ips->Release();
        return E_FAIL;
    }
    m_frame = frame;
    ::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_inPlaceSite = ips;
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::EnumVerbs(IEnumOLEVERB** e)
{
    if (e)
        *e = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::Update()
{
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::IsUpToDate()
{
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::GetUserClassID(CLSID* clsid)
{
    if (!clsid)
        return E_POINTER;
    *clsid = CLSID_WebBrowser;
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::GetUserType(DWORD, LPOLESTR* type)
{
    if (type)
        *type = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::SetExtent(DWORD aspect, SIZEL* size)
{
    if (!size)
        return E_POINTER;
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    m_extent = *size;
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::GetExtent(DWORD aspect, SIZEL* size)
{
    if (!size)
        return E_POINTER;
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    *size = m_extent;
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::Advise(IAdviseSink*, DWORD* connection)
{
    if (connection)
        *connection = 0;
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::Unadvise(DWORD)
{
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::EnumAdvise(IEnumSTATDATA** e)
{
    if (e)
        *e = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::GetMiscStatus(DWORD, DWORD* status)
{
    if (!status)
        return E_POINTER;
    *status = m_miscStatus;
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::SetColorScheme(LOGPALETTE*)
{
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::GetWindow(HWND* hwnd)
{
    if (!hwnd)
        return E_POINTER;
    *hwnd = m_hwnd;
    return m_hwnd ? S_OK : E_FAIL;
}

STDMETHODIMP FakeWebBrowser::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::InPlaceDeactivate()
{
    if (!m_inPlaceSite)
        return S_OK;
    m_lifecycle.push_back("InPlaceDeactivate");
    UIDeactivate();
    ::DestroyWindow(m_hwnd);
    m_hwnd = nullptr;
    if (m_frame) {
        m_frame->Release();
        m_frame = nullptr;
    }
    // Let go of the site before telling it, in case it drops its last reference to us.
    IOleInPlaceSite* ips = m_inPlaceSite;
    m_inPlaceSite = nullptr;
    ips->OnInPlaceDeactivate();
    ips->Release();
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::UIDeactivate()
{
    if (!m_uiActive)
        return S_OK;
    m_lifecycle.push_back("UIDeactivate");
    m_uiActive = false;
    if (m_frame)
        m_frame->SetActiveObject(nullptr, nullptr);
    m_inPlaceSite->OnUIDeactivate(FALSE);
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::SetObjectRects(LPCRECT pos, LPCRECT)
{
    if (!pos)
        return E_POINTER;
    m_lifecycle.push_back("SetObjectRects");
    m_rect = *pos;
    if (m_hwnd)
        ::MoveWindow(m_hwnd, pos->left, pos->top, pos->right - pos->left, pos->bottom - pos->top, TRUE);
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::ReactivateAndUndo()
{
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::TranslateAccelerator(LPMSG msg)
{
    if (!msg)
        return E_POINTER;
    m_accelerators.push_back(*msg);
    return claimedKey && msg->message == WM_KEYDOWN && msg->wParam == claimedKey ? S_OK : S_FALSE;
}

STDMETHODIMP FakeWebBrowser::OnFrameWindowActivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::OnDocWindowActivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL)
{
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::EnableModeless(BOOL)
{
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    static const struct { const wchar_t* name; DISPID id; } known[] = {
        { L"GoBack", kGoBack }, { L"GoForward", kGoForward }, { L"GoHome", kGoHome },
        { L"Navigate", kNavigate }, { L"Refresh", DISPID_REFRESH }, { L"Stop", kStop },
        { L"Application", kApplication }, { L"LocationName", kLocationName },
        { L"LocationURL", kLocationURL },
    };
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (!names || !ids)
        return E_POINTER;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        if (i > 0) {
            hr = DISP_E_UNKNOWNNAME;  // none of these take named arguments
            continue;
        }
        for (const auto& k : known) {
            if (_wcsicmp(names[i], k.name) == 0)
                ids[i] = k.id;
        }
        if (ids[i] == DISPID_UNKNOWN)
            hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

STDMETHODIMP FakeWebBrowser::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                                    VARIANT* result, EXCEPINFO*, UINT* argErr)
{
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (!params)
        return E_INVALIDARG;
    switch (id) {
    case kGoBack:
    case kGoForward:
    case kGoHome:
    case kNavigate:
    case kStop:
    case DISPID_REFRESH:
        return InvokeMethod(id, flags, params, argErr);
    case kApplication:
    case kLocationName:
    case kLocationURL:
        return InvokeProperty(id, flags, params, result);
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT FakeWebBrowser::InvokeMethod(DISPID id, WORD flags, DISPPARAMS* params, UINT* argErr)
{
    if (!(flags & DISPATCH_METHOD))
        return DISP_E_MEMBERNOTFOUND;
    if (params->cNamedArgs != 0)
        return DISP_E_NONAMEDARGS;
    const UINT n = params->cArgs;
    if (id != kNavigate) {
        if (n != 0)
            return DISP_E_BADPARAMCOUNT;
        const char* name = id == kGoBack ? "GoBack"
                         : id == kGoForward ? "GoForward"
                         : id == kGoHome ? "GoHome"
                         : id == kStop ? "Stop" : "Refresh";
        m_calls.push_back({ name, L"" });
        return S_OK;
    }

    if (n < 1 || n > 5)
        return DISP_E_BADPARAMCOUNT;
    // rgvarg runs last argument first: the URL is at the end.
    const VARIANT& url = params->rgvarg[n - 1];
    if (V_VT(&url) != VT_BSTR) {
        if (argErr)
            *argErr = n - 1;
        return DISP_E_TYPEMISMATCH;
    }
    for (UINT i = 0; i + 1 < n; ++i) {
        if (!IsOptionalVariantArg(params->rgvarg[i])) {
            if (argErr)
                *argErr = i;
            return DISP_E_TYPEMISMATCH;
        }
    }
    const BSTR s = V_BSTR(&url);
    const std::wstring address(s ? s : L"", s ? ::SysStringLen(s) : 0);
    m_calls.push_back({ "Navigate", address });
    if (m_beforeNavigateInNavigate) {
        bool cancel = false;
        FireBeforeNavigate2(address.c_str(), &cancel);
    }
    return S_OK;
}

HRESULT FakeWebBrowser::InvokeProperty(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result)
{
    if (!(flags & DISPATCH_PROPERTYGET))
        return DISP_E_MEMBERNOTFOUND;
    if (params->cArgs != 0)
        return DISP_E_BADPARAMCOUNT;
    if (!result)
        return E_POINTER;
    ::VariantInit(result);
    if (id == kApplication) {
        V_VT(result) = VT_DISPATCH;
        V_DISPATCH(result) = Application();
        Application()->AddRef();
        return S_OK;
    }
    const std::wstring& text = id == kLocationName ? locationName : locationURL;
    BSTR b = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!b)
        return E_OUTOFMEMORY;
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = b;
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::EnumConnectionPoints(IEnumConnectionPoints** e)
{
    if (e)
        *e = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::FindConnectionPoint(REFIID riid, IConnectionPoint** cp)
{
    if (!cp)
        return E_POINTER;
    if (riid != DIID_DWebBrowserEvents2) {
        *cp = nullptr;
        return CONNECT_E_NOCONNECTION;
    }
    *cp = &m_connectionPoint;
    AddRef();
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::GetClassInfo(ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::GetGUID(DWORD kind, GUID* guid)
{
    if (!guid)
        return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_INVALIDARG;
    }
    *guid = DIID_DWebBrowserEvents2;
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::GetClassID(CLSID* clsid)
{
    return GetUserClassID(clsid);
}

STDMETHODIMP FakeWebBrowser::IsDirty()
{
    return S_FALSE;
}

STDMETHODIMP FakeWebBrowser::Load(LPSTREAM)
{
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::Save(LPSTREAM, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::GetSizeMax(ULARGE_INTEGER*)
{
    return E_NOTIMPL;
}

STDMETHODIMP FakeWebBrowser::InitNew()
{
    m_lifecycle.push_back("InitNew");
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::ConnectionPoint::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IConnectionPoint) {
        *ppv = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP FakeWebBrowser::ConnectionPoint::GetConnectionInterface(IID* iid)
{
    if (!iid)
        return E_POINTER;
    *iid = DIID_DWebBrowserEvents2;
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** cpc)
{
    if (!cpc)
        return E_POINTER;
    *cpc = &m_owner;
    m_owner.AddRef();
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie)
{
    if (!cookie)
        return E_POINTER;
    *cookie = 0;
    if (!sink)
        return E_POINTER;
    if (m_owner.m_sink)
        return CONNECT_E_ADVISELIMIT;
    IDispatch* disp = nullptr;
    if (FAILED(sink->QueryInterface(DIID_DWebBrowserEvents2, reinterpret_cast<void**>(&disp))) &&
        FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&disp))))
        return CONNECT_E_CANNOTCONNECT;
    m_owner.m_sink = disp;
    *cookie = 1;
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::ConnectionPoint::Unadvise(DWORD cookie)
{
    if (cookie != 1 || !m_owner.m_sink)
        return CONNECT_E_NOCONNECTION;
    IDispatch* sink = m_owner.m_sink;
    m_owner.m_sink = nullptr;
    sink->Release();
    return S_OK;
}

STDMETHODIMP FakeWebBrowser::ConnectionPoint::EnumConnections(IEnumConnections** e)
{
    if (e)
        *e = nullptr;
    return E_NOTIMPL;
}

void FakeWebBrowser::Fire(DISPID id, VARIANT* args, UINT count)
{
    if (!m_sink)
        return;
    // The handler may unadvise or drop the container's last reference to us.
    IDispatch* sink = m_sink;
    sink->AddRef();
    AddRef();
    DISPPARAMS params = { args, nullptr, count, 0 };
    sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    sink->Release();
    Release();
}

void FakeWebBrowser::FireBeforeNavigate2(const wchar_t* url, bool* cancelOut)
{
    VARIANT vUrl, vFlags, vFrame, vPostData, vPostDataRef, vHeaders;
    V_VT(&vUrl) = VT_BSTR;
    V_BSTR(&vUrl) = ::SysAllocString(url);
    V_VT(&vFlags) = VT_I4;
    V_I4(&vFlags) = 0;
    V_VT(&vFrame) = VT_BSTR;
    V_BSTR(&vFrame) = nullptr;
    ::VariantInit(&vPostData);
    V_VT(&vPostDataRef) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&vPostDataRef) = &vPostData;
    V_VT(&vHeaders) = VT_BSTR;
    V_BSTR(&vHeaders) = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;

    VARIANT args[7];
    V_VT(&args[6]) = VT_DISPATCH;
    V_DISPATCH(&args[6]) = Application();
    VARIANT* refs[] = { &vUrl, &vFlags, &vFrame, &vPostDataRef, &vHeaders };
    for (int i = 0; i < 5; ++i) {
        V_VT(&args[5 - i]) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&args[5 - i]) = refs[i];
    }
    V_VT(&args[0]) = VT_BYREF | VT_BOOL;
    V_BOOLREF(&args[0]) = &cancel;

    Fire(DISPID_BEFORENAVIGATE2, args, 7);
    ::VariantClear(&vUrl);
    ::VariantClear(&vFrame);
    ::VariantClear(&vHeaders);
    ::VariantClear(&vPostData);
    if (cancelOut)
        *cancelOut = cancel != VARIANT_FALSE;
}

IDispatch* FakeWebBrowser::FireNewWindow2(bool* cancelOut)
{
    IDispatch* stored = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT args[2];
    V_VT(&args[1]) = VT_BYREF | VT_DISPATCH;
    V_DISPATCHREF(&args[1]) = &stored;
    V_VT(&args[0]) = VT_BYREF | VT_BOOL;
    V_BOOLREF(&args[0]) = &cancel;
    Fire(DISPID_NEWWINDOW2, args, 2);
    if (cancelOut)
        *cancelOut = cancel != VARIANT_FALSE;
    return stored;
}

void FakeWebBrowser::FireUrlEvent(DISPID id, const wchar_t* url)
{
    VARIANT vUrl;
    V_VT(&vUrl) = VT_BSTR;
    V_BSTR(&vUrl) = ::SysAllocString(url);
    VARIANT args[2];
    V_VT(&args[1]) = VT_DISPATCH;
    V_DISPATCH(&args[1]) = Application();
    V_VT(&args[0]) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&args[0]) = &vUrl;
    Fire(id, args, 2);
    ::VariantClear(&vUrl);
}

void FakeWebBrowser::FireNavigateComplete2(const wchar_t* url)
{
    FireUrlEvent(DISPID_NAVIGATECOMPLETE2, url);
}

void FakeWebBrowser::FireDocumentComplete(const wchar_t* url)
{
    FireUrlEvent(DISPID_DOCUMENTCOMPLETE, url);
}

void FakeWebBrowser::FireText(DISPID id, const wchar_t* text)
{
    VARIANT arg;
    V_VT(&arg) = VT_BSTR;
    V_BSTR(&arg) = ::SysAllocString(text);
    Fire(id, &arg, 1);
    ::VariantClear(&arg);
}

void FakeWebBrowser::FireTitleChange(const wchar_t* text)
{
    FireText(DISPID_TITLECHANGE, text);
}

void FakeWebBrowser::FireStatusTextChange(const wchar_t* text)
{
    FireText(DISPID_STATUSTEXTCHANGE, text);
}

void FakeWebBrowser::FirePropertyChange(const wchar_t* name)
{
    FireText(DISPID_PROPERTYCHANGE, name);
}

void FakeWebBrowser::FireProgressChange(long progress, long progressMax)
{
    VARIANT args[2];
    V_VT(&args[1]) = VT_I4;
    V_I4(&args[1]) = progress;
    V_VT(&args[0]) = VT_I4;
    V_I4(&args[0]) = progressMax;
    Fire(DISPID_PROGRESSCHANGE, args, 2);
}

void FakeWebBrowser::FireCommandStateChange(long command, bool enable)
{
    VARIANT args[2];
    V_VT(&args[1]) = VT_I4;
    V_I4(&args[1]) = command;
    V_VT(&args[0]) = VT_BOOL;
    V_BOOL(&args[0]) = enable ? VARIANT_TRUE : VARIANT_FALSE;
    Fire(DISPID_COMMANDSTATECHANGE, args, 2);
}

void FakeWebBrowser::FireDownloadBegin()
{
    Fire(DISPID_DOWNLOADBEGIN, nullptr, 0);
}

void FakeWebBrowser::FireDownloadComplete()
{
    Fire(DISPID_DOWNLOADCOMPLETE, nullptr, 0);
}

void FakeWebBrowser::FireOnQuit()
{
    Fire(DISPID_ONQUIT, nullptr, 0);
}
