// The double's events: its one connection point and what it fires through it.
#include "tests/support/FakeWebBrowser.h"
#include <exdisp.h>
#include <exdispid.h>
#include <olectl.h>

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

IDispatch* FakeWebBrowser::FireNewWindow3(unsigned flags, const wchar_t* url, bool* cancelOut)
{
    IDispatch* stored = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT args[5];
    V_VT(&args[4]) = VT_BYREF | VT_DISPATCH;
    V_DISPATCHREF(&args[4]) = &stored;
    V_VT(&args[3]) = VT_BYREF | VT_BOOL;
    V_BOOLREF(&args[3]) = &cancel;
    V_VT(&args[2]) = VT_UI4;
    V_UI4(&args[2]) = flags;
    V_VT(&args[1]) = VT_BSTR;
    V_BSTR(&args[1]) = ::SysAllocString(L"http://opener.example/");
    V_VT(&args[0]) = VT_BSTR;
    V_BSTR(&args[0]) = ::SysAllocString(url);
    Fire(DISPID_NEWWINDOW3, args, 5);
    ::SysFreeString(V_BSTR(&args[1]));
    ::SysFreeString(V_BSTR(&args[0]));
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
