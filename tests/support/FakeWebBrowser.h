#pragma once
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <functional>
#include <string>
#include <vector>

// name: "Navigate", "GoBack", "GoForward", "GoHome", "Refresh", "Stop"
struct FakeCall { std::string name; std::wstring url; };

// How doubles created from now on present themselves to their container.
struct FakeBehaviour {
    // What the real control reports: site first, activate when visible, inside-out.
    DWORD miscStatus = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE |
                       OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT;
    // Off: QueryInterface for IPersistStreamInit answers E_NOINTERFACE.
    bool persistStreamInit = true;
    // On: Navigate fires BeforeNavigate2 before it returns, as the real control does.
    bool beforeNavigateInNavigate = false;
    // On: the class object refuses to create the control.
    bool refuseCreation = false;
};

// Stands in for the WebBrowser control in the tests: a single COM object that a
// container creates by the control's CLSID, activates in place and drives by
// DISPID, recording what it is asked and firing events on demand.
class FakeWebBrowser final : public IOleObject, public IOleInPlaceObject,
                             public IOleInPlaceActiveObject, public IDispatch,
                             public IConnectionPointContainer, public IProvideClassInfo2,
                             public IPersistStreamInit {
public:
    // Registers the double's class object for the WebBrowser CLSID in this
    // apartment (CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE); idempotent.
    static void Register();
    static void Unregister();
    // The double in-place active inside the given host window (its window is a
    // direct child of host), or null.
    static FakeWebBrowser* FromHost(HWND host);
    // The live double behind any of its interfaces, or null.
    static FakeWebBrowser* FromUnknown(IUnknown* unknown);
    static int LiveCount();
    // Doubles created so far; a test may set it back to 0.
    static int& CreatedCount();
    static FakeBehaviour& Behaviour();

    const std::vector<FakeCall>& Calls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }
    // Container-facing steps in the order they happened: "SetClientSite",
    // "SetClientSite(null)", "InitNew", "DoVerb", "SetObjectRects",
    // "UIDeactivate", "InPlaceDeactivate", "Close".
    const std::vector<std::string>& Lifecycle() const { return m_lifecycle; }

    // Keystrokes the container offered to TranslateAccelerator, and the keys
    // (WM_KEYDOWN) the double's window was sent.
    const std::vector<MSG>& Accelerators() const { return m_accelerators; }
    const std::vector<WPARAM>& KeysReceived() const { return m_keysReceived; }
    // TranslateAccelerator takes a WM_KEYDOWN of this key (S_OK); 0: none.
    WPARAM claimedKey = 0;
    // Runs inside Navigate, after its BeforeNavigate2: what may happen while
    // a navigation is still under way (its own loops pumping messages).
    std::function<void()> whileNavigating;
    // Runs inside Close, as the control's own code there.
    std::function<void()> onClose;
    // A modal loop of the control's own, as a script's box runs it: inside
    // runs between EnableModeless(FALSE) and EnableModeless(TRUE) on the
    // frame.
    void RunModalLoop(const std::function<void()>& inside);
    // What a click into the page does: UI activation, which reports the double
    // to the frame as the active object.
    HRESULT UIActivate();

    std::wstring locationName;  // answered by LocationName (210)
    std::wstring locationURL;   // answered by LocationURL (211)

    // What property 200 returns; not AddRef'd here.
    IDispatch* Application() { return static_cast<IDispatch*>(this); }
    HWND Window() const { return m_hwnd; }
    RECT ObjectRect() const { return m_rect; }
    bool Advised() const { return m_sink != nullptr; }
    bool UIActive() const { return m_uiActive; }

    // DWebBrowserEvents2, with the argument types the real control uses.
    void FireBeforeNavigate2(const wchar_t* url, bool* cancelOut);
    // Returns the dispatch the sink stored (caller owns one reference), or null.
    IDispatch* FireNewWindow2(bool* cancelOut);
    // The newer event, with the NWMF flags and the window's address.
    IDispatch* FireNewWindow3(unsigned flags, const wchar_t* url, bool* cancelOut);
    void FireNavigateComplete2(const wchar_t* url);
    void FireDocumentComplete(const wchar_t* url);
    void FireTitleChange(const wchar_t* text);
    void FireProgressChange(long progress, long progressMax);
    void FireCommandStateChange(long command, bool enable);
    void FireStatusTextChange(const wchar_t* text);
    void FirePropertyChange(const wchar_t* name);
    void FireDownloadBegin();
    void FireDownloadComplete();
    void FireOnQuit();

    FakeWebBrowser(const FakeWebBrowser&) = delete;
    FakeWebBrowser& operator=(const FakeWebBrowser&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

private:
    class ConnectionPoint : public IConnectionPoint {
    public:
        explicit ConnectionPoint(FakeWebBrowser& owner) : m_owner(owner) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override { return m_owner.AddRef(); }
        STDMETHODIMP_(ULONG) Release() override { return m_owner.Release(); }
        STDMETHODIMP GetConnectionInterface(IID* iid) override;
        STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** cpc) override;
        STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
        STDMETHODIMP Unadvise(DWORD cookie) override;
        STDMETHODIMP EnumConnections(IEnumConnections** e) override;
    private:
        FakeWebBrowser& m_owner;
    };
    friend class ConnectionPoint;
    friend class FakeBrowserFactory;

    FakeWebBrowser();
    ~FakeWebBrowser();

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) override;
    STDMETHODIMP SetHostNames(LPCOLESTR app, LPCOLESTR obj) override;
    STDMETHODIMP Close(DWORD saveOption) override;
    STDMETHODIMP SetMoniker(DWORD which, IMoniker* mk) override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** mk) override;
    STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
    STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG msg, IOleClientSite* activeSite, LONG index,
                        HWND parent, LPCRECT posRect) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** e) override;
    STDMETHODIMP Update() override;
    STDMETHODIMP IsUpToDate() override;
    STDMETHODIMP GetUserClassID(CLSID* clsid) override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* type) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP Unadvise(DWORD connection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** e) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE* pal) override;

    // IOleWindow, IOleInPlaceObject
    STDMETHODIMP GetWindow(HWND* hwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT pos, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override;

    // IOleInPlaceActiveObject
    STDMETHODIMP TranslateAccelerator(LPMSG msg) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* ui, BOOL frame) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* excep, UINT* argErr) override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** e) override;
    STDMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** cp) override;

    // IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

    // IPersist, IPersistStreamInit
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(LPSTREAM stream) override;
    STDMETHODIMP Save(LPSTREAM stream, BOOL clearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;
    STDMETHODIMP InitNew() override;

    static constexpr wchar_t kWindowClass[] = L"QuenvoFakeBrowser";
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HRESULT ActivateInPlace(IOleClientSite* site, LPCRECT posRect);
    HRESULT InvokeMethod(DISPID id, WORD flags, DISPPARAMS* params, UINT* argErr);
    HRESULT InvokeProperty(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result);
    void Fire(DISPID id, VARIANT* args, UINT count);
    void FireUrlEvent(DISPID id, const wchar_t* url);
    void FireText(DISPID id, const wchar_t* text);

    LONG m_refs = 1;
    ConnectionPoint m_connectionPoint;
    DWORD m_miscStatus;
    bool m_persistStreamInit;
    bool m_beforeNavigateInNavigate;
    IOleClientSite* m_site = nullptr;
    IOleInPlaceSite* m_inPlaceSite = nullptr;
    IDispatch* m_sink = nullptr;
    HWND m_hwnd = nullptr;
    RECT m_rect = {};
    SIZEL m_extent = {};
    bool m_uiActive = false;
    IOleInPlaceFrame* m_frame = nullptr;  // held while in place
    std::vector<FakeCall> m_calls;
    std::vector<MSG> m_accelerators;
    std::vector<WPARAM> m_keysReceived;
    std::vector<std::string> m_lifecycle;
};
