// The double's embedding: client site, in-place activation and its window.
#include "tests/support/FakeWebBrowser.h"
#include <exdisp.h>
#include <exdispid.h>
#include <olectl.h>

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
    if (const std::function<void()> hook = onClose)
        hook();
    InPlaceDeactivate();
    return S_OK;
}

void FakeWebBrowser::RunModalLoop(const std::function<void()>& inside)
{
    AddRef();
    if (m_frame)
        m_frame->EnableModeless(FALSE);
    inside();
    if (m_frame)
        m_frame->EnableModeless(TRUE);
    Release();
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

// Only the content aspect has an extent.
static HRESULT CheckExtentArgs(DWORD aspect, const SIZEL* size)
{
    if (!size)
        return E_POINTER;
    return aspect == DVASPECT_CONTENT ? S_OK : DV_E_DVASPECT;
}

STDMETHODIMP FakeWebBrowser::SetExtent(DWORD aspect, SIZEL* size)
{
    const HRESULT hr = CheckExtentArgs(aspect, size);
    if (SUCCEEDED(hr))
        m_extent = *size;
    return hr;
}

STDMETHODIMP FakeWebBrowser::GetExtent(DWORD aspect, SIZEL* size)
{
    const HRESULT hr = CheckExtentArgs(aspect, size);
    if (FAILED(hr))
        return hr;
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
