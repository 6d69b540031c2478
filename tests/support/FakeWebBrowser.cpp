// The double's class object, its window class and the live instances.
#include "tests/support/FakeWebBrowser.h"
#include <exdisp.h>
#include <exdispid.h>
#include <olectl.h>
#include <algorithm>

namespace {

std::vector<FakeWebBrowser*>& Live()
{
    static std::vector<FakeWebBrowser*> live;
    return live;
}

void RegisterWindowClass(WNDPROC proc, const wchar_t* name)
{
    WNDCLASSW wc = {};
    if (::GetClassInfoW(::GetModuleHandleW(nullptr), name, &wc))
        return;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = name;
    ::RegisterClassW(&wc);
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
    RegisterWindowClass(WindowProc, kWindowClass);
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
