#include "tests/support/FakeWebBrowser.h"
#include <gtest/gtest.h>
#include <exdisp.h>
#include <exdispid.h>
#include <olectl.h>

namespace {

// The container side, reduced to what in-place activation asks of a site.
class TestSite final : public IOleClientSite, public IOleInPlaceSite {
public:
    explicit TestSite(HWND host) : m_host(host) {}
    LONG refs = 0;
    std::vector<std::string> log;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IOleClientSite)
            *ppv = static_cast<IOleClientSite*>(this);
        else if (riid == IID_IOleInPlaceSite || riid == IID_IOleWindow)
            *ppv = static_cast<IOleInPlaceSite*>(this);
        else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }

    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** mk) override { *mk = nullptr; return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** c) override { *c = nullptr; return E_NOINTERFACE; }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    STDMETHODIMP GetWindow(HWND* hwnd) override { log.push_back("GetWindow"); *hwnd = m_host; return S_OK; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP CanInPlaceActivate() override { log.push_back("CanInPlaceActivate"); return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { log.push_back("OnInPlaceActivate"); return S_OK; }
    STDMETHODIMP OnUIActivate() override { log.push_back("OnUIActivate"); return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override
    {
        log.push_back("GetWindowContext");
        EXPECT_EQ(info->cb, sizeof(OLEINPLACEFRAMEINFO));
        *frame = nullptr;
        *doc = nullptr;
        ::GetClientRect(m_host, pos);
        *clip = *pos;
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { log.push_back("OnUIDeactivate"); return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { log.push_back("OnInPlaceDeactivate"); return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

private:
    HWND m_host;
};

struct Received {
    DISPID id;
    std::vector<VARTYPE> types;  // declaration order, not rgvarg order
    std::wstring text;           // first string argument, looked up through references
    IDispatch* disp;             // first VT_DISPATCH argument
};

// Answers only IDispatch, as a container's event sink commonly does.
class RecordingSink final : public IDispatch {
public:
    LONG refs = 0;
    std::vector<Received> received;
    bool cancelNavigation = false;
    IDispatch* newWindow = nullptr;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDispatch) {
            *ppv = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p, VARIANT*, EXCEPINFO*,
                        UINT*) override
    {
        EXPECT_TRUE(flags & DISPATCH_METHOD);
        Received r = { id, {}, L"", nullptr };
        for (UINT i = p->cArgs; i-- > 0;) {
            VARIANT& v = p->rgvarg[i];
            r.types.push_back(V_VT(&v));
            VARIANT* inner = V_VT(&v) == (VT_BYREF | VT_VARIANT) ? V_VARIANTREF(&v) : &v;
            if (V_VT(inner) == VT_BSTR && r.text.empty() && V_BSTR(inner))
                r.text = V_BSTR(inner);
            if (V_VT(&v) == VT_DISPATCH && !r.disp)
                r.disp = V_DISPATCH(&v);
            if (id == DISPID_BEFORENAVIGATE2 && i == 0 && cancelNavigation)
                *V_BOOLREF(&v) = VARIANT_TRUE;
            if (id == DISPID_NEWWINDOW2 && i == 1 && newWindow) {
                newWindow->AddRef();
                *V_DISPATCHREF(&v) = newWindow;
            }
        }
        received.push_back(r);
        return S_OK;
    }
};

HRESULT Call(IDispatch* d, DISPID id, WORD flags, VARIANT* args, UINT count, VARIANT* result = nullptr)
{
    DISPPARAMS params = { args, nullptr, count, 0 };
    UINT argErr = 0;
    return d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, &argErr);
}

std::wstring GetString(IDispatch* d, DISPID id)
{
    VARIANT v;
    ::VariantInit(&v);
    EXPECT_EQ(Call(d, id, DISPATCH_PROPERTYGET, nullptr, 0, &v), S_OK);
    EXPECT_EQ(V_VT(&v), VT_BSTR);
    std::wstring s = V_VT(&v) == VT_BSTR && V_BSTR(&v) ? V_BSTR(&v) : L"";
    ::VariantClear(&v);
    return s;
}

// A control brought up and torn down the way the container does it.
class FakeWebBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeWebBrowser::Register();
        host = ::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                 nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(host, nullptr);
        site = new TestSite(host);
        ASSERT_EQ(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                     reinterpret_cast<void**>(&object)), S_OK);
        ASSERT_EQ(object->SetClientSite(site), S_OK);
        IPersistStreamInit* persist = nullptr;
        ASSERT_EQ(object->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)), S_OK);
        EXPECT_EQ(persist->InitNew(), S_OK);
        persist->Release();
        ASSERT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, host, &rect), S_OK);
        ASSERT_EQ(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&disp)), S_OK);
        browser = FakeWebBrowser::FromHost(host);
        ASSERT_NE(browser, nullptr);
    }

    void TearDown() override
    {
        if (disp)
            disp->Release();
        if (object) {
            IOleInPlaceObject* ipo = nullptr;
            if (SUCCEEDED(object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&ipo)))) {
                EXPECT_EQ(ipo->InPlaceDeactivate(), S_OK);
                ipo->Release();
            }
            EXPECT_EQ(object->Close(OLECLOSE_NOSAVE), S_OK);
            EXPECT_EQ(object->SetClientSite(nullptr), S_OK);
            EXPECT_EQ(object->Release(), 0u);
        }
        EXPECT_EQ(FakeWebBrowser::LiveCount(), 0);
        EXPECT_EQ(FakeWebBrowser::FromHost(host), nullptr);
        if (site) {
            EXPECT_EQ(site->refs, 0);
            delete site;
        }
        if (host)
            ::DestroyWindow(host);
    }

    HWND host = nullptr;
    TestSite* site = nullptr;
    IOleObject* object = nullptr;
    IDispatch* disp = nullptr;
    FakeWebBrowser* browser = nullptr;
    RECT rect = { 10, 20, 210, 170 };
};

} // namespace

TEST(FakeWebBrowserCom, FoundByClsidAnswersContainerQueriesAndDiesOnLastRelease)
{
    FakeWebBrowser::Register();
    FakeWebBrowser::Register();
    IOleObject* object = nullptr;
    ASSERT_EQ(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                 reinterpret_cast<void**>(&object)), S_OK);
    EXPECT_EQ(FakeWebBrowser::LiveCount(), 1);
    FakeWebBrowser* browser = FakeWebBrowser::FromUnknown(object);
    ASSERT_NE(browser, nullptr);

    DWORD misc = 0;
    EXPECT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &misc), S_OK);
    EXPECT_TRUE(misc & OLEMISC_SETCLIENTSITEFIRST);

    IProvideClassInfo2* pci = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&pci)), S_OK);
    GUID source = GUID_NULL;
    EXPECT_EQ(pci->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), S_OK);
    EXPECT_TRUE(source == DIID_DWebBrowserEvents2);
    pci->Release();

    IConnectionPointContainer* cpc = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&cpc)), S_OK);
    IConnectionPoint* cp = nullptr;
    EXPECT_EQ(cpc->FindConnectionPoint(IID_IPropertyNotifySink, &cp), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(cp, nullptr);
    ASSERT_EQ(cpc->FindConnectionPoint(DIID_DWebBrowserEvents2, &cp), S_OK);
    // The connection point is its own object, not another face of the control.
    IOleObject* viaPoint = nullptr;
    EXPECT_EQ(cp->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&viaPoint)), E_NOINTERFACE);
    cp->Release();
    cpc->Release();

    IWebBrowser2* vtable = nullptr;
    EXPECT_EQ(object->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&vtable)), E_NOINTERFACE);
    EXPECT_EQ(browser->Lifecycle().size(), 0u);

    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(FakeWebBrowser::LiveCount(), 0);
    EXPECT_EQ(FakeWebBrowser::FromUnknown(nullptr), nullptr);
}

TEST(FakeWebBrowserCom, BehaviourCanWithholdPersistenceAndSiteFirst)
{
    FakeWebBrowser::Register();
    FakeBehaviour saved = FakeWebBrowser::Behaviour();
    FakeWebBrowser::Behaviour().persistStreamInit = false;
    FakeWebBrowser::Behaviour().miscStatus = OLEMISC_INSIDEOUT;
    IOleObject* object = nullptr;
    ASSERT_EQ(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                 reinterpret_cast<void**>(&object)), S_OK);
    FakeWebBrowser::Behaviour() = saved;

    IPersistStreamInit* persist = nullptr;
    EXPECT_EQ(object->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)), E_NOINTERFACE);
    DWORD misc = 0;
    object->GetMiscStatus(DVASPECT_CONTENT, &misc);
    EXPECT_EQ(misc, static_cast<DWORD>(OLEMISC_INSIDEOUT));
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(FakeWebBrowser::LiveCount(), 0);
}

TEST_F(FakeWebBrowserTest, ActivatesAsChildOfHostAndFollowsObjectRects)
{
    const std::vector<std::string> expected = { "CanInPlaceActivate", "OnInPlaceActivate", "GetWindow",
                                                "GetWindowContext" };
    EXPECT_EQ(site->log, expected);
    EXPECT_EQ(browser->Lifecycle(), (std::vector<std::string>{ "SetClientSite", "InitNew", "DoVerb" }));

    HWND w = browser->Window();
    ASSERT_TRUE(::IsWindow(w));
    EXPECT_EQ(::GetParent(w), host);
    wchar_t cls[64] = {};
    ::GetClassNameW(w, cls, 64);
    EXPECT_STREQ(cls, L"QuenvoFakeBrowser");
    RECT objectRect = browser->ObjectRect();
    EXPECT_TRUE(::EqualRect(&rect, &objectRect) != FALSE);

    IOleInPlaceObject* ipo = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&ipo)), S_OK);
    HWND reported = nullptr;
    EXPECT_EQ(ipo->GetWindow(&reported), S_OK);
    EXPECT_EQ(reported, w);
    RECT moved = { 5, 6, 105, 56 };
    EXPECT_EQ(ipo->SetObjectRects(&moved, &moved), S_OK);
    objectRect = browser->ObjectRect();
    EXPECT_TRUE(::EqualRect(&moved, &objectRect) != FALSE);
    RECT actual;
    ::GetWindowRect(w, &actual);
    ::MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_TRUE(::EqualRect(&moved, &actual) != FALSE);

    EXPECT_EQ(ipo->InPlaceDeactivate(), S_OK);
    ipo->Release();
    EXPECT_FALSE(::IsWindow(w));
    EXPECT_EQ(browser->Window(), nullptr);
    EXPECT_EQ(FakeWebBrowser::FromHost(host), nullptr);
    EXPECT_EQ(site->log.back(), "OnInPlaceDeactivate");
}

TEST_F(FakeWebBrowserTest, UIActivationIsUndoneBeforeDeactivation)
{
    EXPECT_EQ(object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site, 0, host, &rect), S_OK);
    EXPECT_TRUE(browser->UIActive());
    EXPECT_EQ(site->log.back(), "OnUIActivate");
    EXPECT_EQ(object->Close(OLECLOSE_NOSAVE), S_OK);
    const std::vector<std::string> tail(site->log.end() - 2, site->log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{ "OnUIDeactivate", "OnInPlaceDeactivate" }));
}

TEST_F(FakeWebBrowserTest, InvokeRecordsNavigationCallsByDispid)
{
    // Navigate(URL, Flags, TargetFrameName, PostData, Headers): rgvarg holds them last first.
    VARIANT empty[4];
    VARIANT args[5];
    for (int i = 0; i < 4; ++i) {
        ::VariantInit(&empty[i]);
        V_VT(&args[i]) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&args[i]) = &empty[i];
    }
    V_VT(&args[4]) = VT_BSTR;
    V_BSTR(&args[4]) = ::SysAllocString(L"http://example.jp/日本");
    EXPECT_EQ(Call(disp, 104, DISPATCH_METHOD, args, 5), S_OK);

    // The same arguments in declaration order put a reference where the URL belongs.
    VARIANT reversed[5];
    for (int i = 0; i < 5; ++i)
        reversed[i] = args[4 - i];
    EXPECT_EQ(Call(disp, 104, DISPATCH_METHOD, reversed, 5), DISP_E_TYPEMISMATCH);
    VARIANT byValue[2] = { empty[0], args[4] };
    EXPECT_EQ(Call(disp, 104, DISPATCH_METHOD, byValue, 2), DISP_E_TYPEMISMATCH);
    ::VariantClear(&args[4]);

    EXPECT_EQ(Call(disp, 100, DISPATCH_METHOD, nullptr, 0), S_OK);
    EXPECT_EQ(Call(disp, 101, DISPATCH_METHOD, nullptr, 0), S_OK);
    EXPECT_EQ(Call(disp, 102, DISPATCH_METHOD, nullptr, 0), S_OK);
    EXPECT_EQ(Call(disp, DISPID_REFRESH, DISPATCH_METHOD, nullptr, 0), S_OK);
    EXPECT_EQ(Call(disp, 100, DISPATCH_METHOD, args, 1), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(disp, 9999, DISPATCH_METHOD, nullptr, 0), DISP_E_MEMBERNOTFOUND);

    const auto& calls = browser->Calls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].name, "Navigate");
    EXPECT_EQ(calls[0].url, L"http://example.jp/日本");
    EXPECT_EQ(calls[1].name, "GoBack");
    EXPECT_EQ(calls[2].name, "GoForward");
    EXPECT_EQ(calls[3].name, "GoHome");
    EXPECT_EQ(calls[4].name, "Refresh");
    browser->ClearCalls();
    EXPECT_TRUE(browser->Calls().empty());
}

TEST_F(FakeWebBrowserTest, PropertiesHandOwnedResults)
{
    browser->locationName = L"題名";
    browser->locationURL = L"about:blank";
    EXPECT_EQ(GetString(disp, 210), L"題名");
    EXPECT_EQ(GetString(disp, 211), L"about:blank");

    VARIANT app;
    ::VariantInit(&app);
    ASSERT_EQ(Call(disp, 200, DISPATCH_PROPERTYGET, nullptr, 0, &app), S_OK);
    ASSERT_EQ(V_VT(&app), VT_DISPATCH);
    EXPECT_EQ(V_DISPATCH(&app), browser->Application());
    EXPECT_EQ(V_DISPATCH(&app), disp);
    ::VariantClear(&app);
    EXPECT_EQ(Call(disp, 211, DISPATCH_METHOD, nullptr, 0), DISP_E_MEMBERNOTFOUND);
}

TEST_F(FakeWebBrowserTest, EventsReachOneAdvisedSinkWithTheControlsArgumentTypes)
{
    RecordingSink sink;
    IConnectionPointContainer* cpc = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&cpc)), S_OK);
    IConnectionPoint* cp = nullptr;
    ASSERT_EQ(cpc->FindConnectionPoint(DIID_DWebBrowserEvents2, &cp), S_OK);
    cpc->Release();
    DWORD cookie = 0;
    ASSERT_EQ(cp->Advise(&sink, &cookie), S_OK);
    EXPECT_NE(cookie, 0u);
    EXPECT_TRUE(browser->Advised());
    RecordingSink second;
    DWORD cookie2 = 0;
    EXPECT_EQ(cp->Advise(&second, &cookie2), CONNECT_E_ADVISELIMIT);
    EXPECT_EQ(second.refs, 0);

    const VARTYPE byrefVariant = VT_BYREF | VT_VARIANT;
    bool cancel = true;
    browser->FireBeforeNavigate2(L"http://a/", &cancel);
    EXPECT_FALSE(cancel);
    sink.cancelNavigation = true;
    browser->FireBeforeNavigate2(L"http://b/", &cancel);
    EXPECT_TRUE(cancel);
    sink.newWindow = &second;
    IDispatch* opened = browser->FireNewWindow2(&cancel);
    EXPECT_EQ(opened, &second);
    EXPECT_FALSE(cancel);
    if (opened)
        opened->Release();
    EXPECT_EQ(second.refs, 0);
    browser->FireNavigateComplete2(L"http://c/");
    browser->FireDocumentComplete(L"http://d/");
    browser->FireTitleChange(L"タイトル");
    browser->FireProgressChange(3, 10);
    browser->FireCommandStateChange(CSC_NAVIGATEBACK, true);
    browser->FireStatusTextChange(L"status");
    browser->FirePropertyChange(L"prop");
    browser->FireDownloadBegin();
    browser->FireDownloadComplete();
    browser->FireOnQuit();

    const auto& r = sink.received;
    ASSERT_EQ(r.size(), 13u);
    const std::vector<VARTYPE> before = { VT_DISPATCH, byrefVariant, byrefVariant, byrefVariant,
                                          byrefVariant, byrefVariant, VT_BYREF | VT_BOOL };
    EXPECT_EQ(r[0].id, DISPID_BEFORENAVIGATE2);
    EXPECT_EQ(r[0].types, before);
    EXPECT_EQ(r[0].text, L"http://a/");
    EXPECT_EQ(r[0].disp, browser->Application());
    EXPECT_EQ(r[2].id, DISPID_NEWWINDOW2);
    EXPECT_EQ(r[2].types, (std::vector<VARTYPE>{ VT_BYREF | VT_DISPATCH, VT_BYREF | VT_BOOL }));
    const std::vector<VARTYPE> urlEvent = { VT_DISPATCH, byrefVariant };
    EXPECT_EQ(r[3].id, DISPID_NAVIGATECOMPLETE2);
    EXPECT_EQ(r[3].types, urlEvent);
    EXPECT_EQ(r[3].text, L"http://c/");
    EXPECT_EQ(r[4].id, DISPID_DOCUMENTCOMPLETE);
    EXPECT_EQ(r[4].types, urlEvent);
    EXPECT_EQ(r[4].text, L"http://d/");
    EXPECT_EQ(r[4].disp, browser->Application());
    EXPECT_EQ(r[5].id, DISPID_TITLECHANGE);
    EXPECT_EQ(r[5].text, L"タイトル");
    EXPECT_EQ(r[6].id, DISPID_PROGRESSCHANGE);
    EXPECT_EQ(r[6].types, (std::vector<VARTYPE>{ VT_I4, VT_I4 }));
    EXPECT_EQ(r[7].id, DISPID_COMMANDSTATECHANGE);
    EXPECT_EQ(r[7].types, (std::vector<VARTYPE>{ VT_I4, VT_BOOL }));
    EXPECT_EQ(r[8].id, DISPID_STATUSTEXTCHANGE);
    EXPECT_EQ(r[8].text, L"status");
    EXPECT_EQ(r[9].id, DISPID_PROPERTYCHANGE);
    EXPECT_EQ(r[9].types, (std::vector<VARTYPE>{ VT_BSTR }));
    EXPECT_EQ(r[10].id, DISPID_DOWNLOADBEGIN);
    EXPECT_EQ(r[11].id, DISPID_DOWNLOADCOMPLETE);
    EXPECT_EQ(r[12].id, DISPID_ONQUIT);
    EXPECT_TRUE(r[12].types.empty());

    EXPECT_EQ(cp->Unadvise(cookie + 1), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(cp->Unadvise(cookie), S_OK);
    cp->Release();
    EXPECT_FALSE(browser->Advised());
    EXPECT_EQ(sink.refs, 0);
    browser->FireTitleChange(L"unheard");
    EXPECT_EQ(sink.received.size(), 13u);
    EXPECT_EQ(browser->FireNewWindow2(nullptr), nullptr);
}
