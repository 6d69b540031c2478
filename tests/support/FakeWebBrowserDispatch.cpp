// The double's automation: methods and properties by DISPID, the connection
// point container, class info and persistence.
#include "tests/support/FakeWebBrowser.h"
#include <exdisp.h>
#include <exdispid.h>
#include <olectl.h>

namespace {

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

// An optional argument counts as given when passed by reference as a VARIANT,
// as the real control's callers do, or as missing in the usual way.
bool IsOptionalVariantArg(const VARIANT& v)
{
    if (V_VT(&v) == (VT_BYREF | VT_VARIANT))
        return V_VARIANTREF(&v) != nullptr;
    return V_VT(&v) == VT_ERROR && V_ERROR(&v) == DISP_E_PARAMNOTFOUND;
}

} // namespace

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
    // The hook may close the pane and with it this double's last outside
    // reference.
    AddRef();
    if (const std::function<void()> hook = whileNavigating)
        hook();
    Release();
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
