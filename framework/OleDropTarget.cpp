#include "framework/OleDropTarget.h"

namespace {
FORMATETC GlobalFormat(CLIPFORMAT format)
{
    FORMATETC fe = { format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
    return fe;
}

// A target must not report an effect the source did not offer; scrolling
// is the target's own business and may always be reported while dragging.
DWORD Offered(DROPEFFECT effect, DWORD offered, bool dropping)
{
    return effect & (dropping ? offered : offered | DROPEFFECT_SCROLL);
}
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT format) const
{
    FORMATETC fe = GlobalFormat(format);
    return m_lpDataObject && m_lpDataObject->QueryGetData(&fe) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT format, STGMEDIUM* medium) const
{
    ::ZeroMemory(medium, sizeof *medium);
    FORMATETC fe = GlobalFormat(format);
    return m_lpDataObject && SUCCEEDED(m_lpDataObject->GetData(&fe, medium));
}

// The IDropTarget that OLE holds. It keeps the data object of the drag in
// progress from DragEnter to DragLeave or Drop, since DragOver gets none.
class COleDropTarget::Site final : public IDropTarget {
public:
    Site(COleDropTarget* owner, CWnd* wnd) : m_owner(owner), m_wnd(wnd), m_hWnd(wnd->m_hWnd) {}
    Site(const Site&) = delete;
    Site& operator=(const Site&) = delete;

    HWND Window() const { return m_hWnd; }
    void Disconnect()
    {
        m_owner = nullptr;
        m_wnd = nullptr;
        SetData(nullptr);
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDropTarget) {
            *out = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG refs = ::InterlockedDecrement(&m_refs);
        if (refs == 0)
            delete this;
        return static_cast<ULONG>(refs);
    }

    STDMETHODIMP DragEnter(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override
    {
        if (!effect)
            return E_INVALIDARG;
        SetData(data);
        DROPEFFECT result = DROPEFFECT_NONE;
        if (m_owner) {
            COleDataObject wrapped(m_data);
            result = m_owner->OnDragEnter(m_wnd, &wrapped, keyState, ToClient(pt));
        }
        *effect = Offered(result, *effect, false);
        return S_OK;
    }

    STDMETHODIMP DragOver(DWORD keyState, POINTL pt, DWORD* effect) override
    {
        if (!effect)
            return E_INVALIDARG;
        *effect = Offered(Over(keyState, pt), *effect, false);
        return S_OK;
    }

    STDMETHODIMP DragLeave() override
    {
        if (m_owner)
            m_owner->OnDragLeave(m_wnd);
        SetData(nullptr);
        return S_OK;
    }

    STDMETHODIMP Drop(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override
    {
        if (!effect)
            return E_INVALIDARG;
        SetData(data);
        DROPEFFECT result = DROPEFFECT_NONE;
        if (m_owner) {
            const CPoint point = ToClient(pt);
            const DWORD offered = *effect;
            const DROPEFFECT proposed = Offered(Over(keyState, pt), offered, true);
            COleDataObject wrapped(m_data);
            result = m_owner->OnDropEx(m_wnd, &wrapped, proposed, offered, point);
            if (result == static_cast<DROPEFFECT>(-1))
                result = m_owner && m_owner->OnDrop(m_wnd, &wrapped, proposed, point) ? proposed
                                                                                        : DROPEFFECT_NONE;
        }
        *effect = Offered(result, *effect, true);
        SetData(nullptr);
        return S_OK;
    }

private:
    ~Site() { SetData(nullptr); }

    DROPEFFECT Over(DWORD keyState, POINTL pt)
    {
        if (!m_owner)
            return DROPEFFECT_NONE;
        const CPoint point = ToClient(pt);
        DROPEFFECT result = m_owner->OnDragScroll(m_wnd, keyState, point);
        if (result == DROPEFFECT_NONE && m_owner) {
            COleDataObject wrapped(m_data);
            result = m_owner->OnDragOver(m_wnd, &wrapped, keyState, point);
        }
        return result;
    }

    void SetData(IDataObject* data)
    {
        if (data)
            data->AddRef();
        if (m_data)
            m_data->Release();
        m_data = data;
    }

    CPoint ToClient(POINTL pt) const
    {
        POINT p = { pt.x, pt.y };
        ::ScreenToClient(m_hWnd, &p);
        return CPoint(p.x, p.y);
    }

    LONG m_refs = 1;
    COleDropTarget* m_owner;
    CWnd* m_wnd;
    HWND m_hWnd;
    IDataObject* m_data = nullptr;
};

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* wnd)
{
    if (m_pSite || !wnd || !wnd->m_hWnd)
        return FALSE;
    Site* site = new Site(this, wnd);
    if (FAILED(::RegisterDragDrop(wnd->m_hWnd, site))) {
        site->Disconnect();
        site->Release();
        return FALSE;
    }
    m_pSite = site;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (!m_pSite)
        return;
    ::RevokeDragDrop(m_pSite->Window());
    m_pSite->Disconnect();
    m_pSite->Release();
    m_pSite = nullptr;
}

IDropTarget* COleDropTarget::GetInterface() const
{
    return m_pSite;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return static_cast<DROPEFFECT>(-1);
}

void COleDropTarget::OnDragLeave(CWnd*)
{
}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}
