#include "browser/WebBrowser2.h"
#include "core/Cp932.h"
#include <olectl.h>

namespace {
// The WebBrowser control's class and the members the shell calls.
const CLSID kClsidWebBrowser = { 0x8856F961, 0x340A, 0x11D0, { 0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2 } };
enum : DISPID {
    kGoBack = 100, kGoForward = 101, kGoHome = 102, kNavigate = 104, kRefresh = DISPID_REFRESH,
    kApplication = 200, kLocationName = 210, kLocationURL = 211,
};
}

BOOL CWebBrowser2::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateControlHost(style, rect, parent, id);
}

BOOL CWebBrowser2::CreateBrowser()
{
    return CreateControl(kClsidWebBrowser);
}

// Through the site, which counts the control as inside a call meanwhile: it
// may fire events and run loops of its own before it returns.
HRESULT CWebBrowser2::CallMethod(DISPID dispid, VARIANT* argsLastFirst, UINT count)
{
    CControlHost* site = GetControlSite();
    return site ? site->InvokeHelper(dispid, DISPATCH_METHOD, argsLastFirst, count, nullptr) : E_POINTER;
}

HRESULT CWebBrowser2::GetProperty(DISPID dispid, VARIANT* result)
{
    ::VariantInit(result);
    CControlHost* site = GetControlSite();
    return site ? site->InvokeHelper(dispid, DISPATCH_PROPERTYGET, nullptr, 0, result) : E_POINTER;
}

void CWebBrowser2::GoBack() { CallMethod(kGoBack); }
void CWebBrowser2::GoForward() { CallMethod(kGoForward); }
void CWebBrowser2::GoHome() { CallMethod(kGoHome); }
void CWebBrowser2::Refresh() { CallMethod(kRefresh); }

void CWebBrowser2::Navigate(const char* url, VARIANT* flags, VARIANT* targetFrameName, VARIANT* postData,
                            VARIANT* headers)
{
    VARIANT args[5];
    VARIANT empty[4];
    // Arguments go last-first; the optional ones by reference, empty when not given.
    VARIANT* optional[4] = { headers, postData, targetFrameName, flags };
    for (int i = 0; i < 4; ++i) {
        ::VariantInit(&empty[i]);
        ::VariantInit(&args[i]);
        args[i].vt = VT_BYREF | VT_VARIANT;
        args[i].pvarVal = optional[i] ? optional[i] : &empty[i];
    }
    ::VariantInit(&args[4]);
    args[4].vt = VT_BSTR;
    args[4].bstrVal = ::SysAllocString(CString(url).ToWide().c_str());
    CallMethod(kNavigate, args, 5);
    ::SysFreeString(args[4].bstrVal);
}

IDispatch* CWebBrowser2::GetApplication()
{
    VARIANT result;
    if (FAILED(GetProperty(kApplication, &result)) || result.vt != VT_DISPATCH) {
        ::VariantClear(&result);
        return nullptr;
    }
    return result.pdispVal;
}

CString CWebBrowser2::GetStringProperty(DISPID dispid, bool address)
{
    VARIANT result;
    CString text;
    if (SUCCEEDED(GetProperty(dispid, &result)) && result.vt == VT_BSTR)
        text = address ? CString(AddressFromWide(result.bstrVal)) : CString::FromWide(result.bstrVal);
    ::VariantClear(&result);
    return text;
}

CString CWebBrowser2::GetLocationName()
{
    return HasBrowser() ? GetStringProperty(kLocationName, false) : m_strGivenLocation;
}

CString CWebBrowser2::GetLocationURL()
{
    return HasBrowser() ? GetStringProperty(kLocationURL, true) : m_strGivenLocation;
}

BOOL CWebBrowser2::TranslateAccelerator(MSG* msg)
{
    CControlHost* site = GetControlSite();
    return site && site->TranslateAccelerator(msg);
}
