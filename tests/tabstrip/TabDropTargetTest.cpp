#include "tests/tabstrip/TabStripFixture.h"
#include <shlobj.h>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
// A drag source's data offering one format in global memory.
class OneFormatData final : public IDataObject {
public:
    OneFormatData(CLIPFORMAT format, const void* bytes, size_t size)
        : m_format(format), m_bytes(static_cast<const char*>(bytes), static_cast<const char*>(bytes) + size) {}
    explicit OneFormatData(const char* text) : OneFormatData(CF_TEXT, text, std::strlen(text) + 1) {}

    LONG refs = 1;

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override
    {
        if (riid == IID_IUnknown || riid == IID_IDataObject) {
            *out = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++refs); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--refs); }

    STDMETHODIMP GetData(FORMATETC* fe, STGMEDIUM* medium) override
    {
        if (QueryGetData(fe) != S_OK)
            return DV_E_FORMATETC;
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, m_bytes.size());
        std::memcpy(::GlobalLock(block), m_bytes.data(), m_bytes.size());
        ::GlobalUnlock(block);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP QueryGetData(FORMATETC* fe) override
    {
        return fe->cfFormat == m_format && (fe->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    CLIPFORMAT m_format;
    std::vector<char> m_bytes;
};

const DWORD kAnyEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

// A drag that enters the strip over a tab, moves and drops; the effects it saw.
struct DragResult { DWORD enter, over, drop; };

DragResult DragOnto(IDropTarget* target, IDataObject* data, POINT screen, DWORD offered = kAnyEffect)
{
    const POINTL pt = { screen.x, screen.y };
    DragResult r = { offered, offered, offered };
    EXPECT_EQ(target->DragEnter(data, MK_LBUTTON, pt, &r.enter), S_OK);
    EXPECT_EQ(target->DragOver(MK_LBUTTON, pt, &r.over), S_OK);
    EXPECT_EQ(target->Drop(data, 0, pt, &r.drop), S_OK);
    return r;
}

// A DROPFILES block as a file manager hands it over, by OLE or WM_DROPFILES.
std::vector<char> FileDropBytes(const std::vector<std::string>& paths)
{
    std::vector<char> bytes(sizeof(DROPFILES));
    reinterpret_cast<DROPFILES*>(bytes.data())->pFiles = sizeof(DROPFILES);
    for (const std::string& p : paths)
        bytes.insert(bytes.end(), p.c_str(), p.c_str() + p.size() + 1);
    bytes.push_back('\0');
    return bytes;
}

HDROP MakeFileDrop(const std::vector<std::string>& paths)
{
    const std::vector<char> bytes = FileDropBytes(paths);
    HGLOBAL block = ::GlobalAlloc(GHND, bytes.size());
    std::memcpy(::GlobalLock(block), bytes.data(), bytes.size());
    ::GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

std::string WriteTempFile(const char* name, const char* content)
{
    char dir[MAX_PATH] = "";
    ::GetTempPathA(sizeof dir, dir);
    const std::string path = std::string(dir) + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fputs(content, f);
    std::fclose(f);
    return path;
}
}

class TabDropTest : public TabStripTest {
protected:
    IDropTarget* Target() { return OleDropTargetProbe::Interface(TabStripProbe::DropTarget(Strip())); }
    POINT OverTab(int index)
    {
        POINT p = InTab(index, 20, 4);
        Strip().ClientToScreen(&p);
        return p;
    }
    void DropFiles(const std::vector<std::string>& paths)
    {
        Strip().SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeFileDrop(paths)));
    }
};

TEST_F(TabDropTest, TextOfSeveralLinesOpensOneTabAtTheEndWithoutItsLineBreaks)
{
    OpenOnly({ "aa", "bb" });
    ASSERT_NE(Target(), nullptr) << "the main window registers the strip's drop target";
    EXPECT_EQ(::RegisterDragDrop(Strip().m_hWnd, Target()), DRAGDROP_E_ALREADYREGISTERED);

    OneFormatData data("http://example.com/a\r\nsecond line\n");
    const DragResult r = DragOnto(Target(), &data, OverTab(0));
    EXPECT_EQ(r.enter, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(r.over, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(r.drop, static_cast<DWORD>(DROPEFFECT_COPY));
    ASSERT_EQ(dlg->GetTabCount(), 3);
    EXPECT_EQ(NavigatedTo(2), L"http://example.com/asecond line");
    EXPECT_EQ(TabText(0), "aa") << "the tab under the drop point is not touched";
    EXPECT_EQ(data.refs, 1) << "the target let go of the data object";
}

TEST_F(TabDropTest, TextWithoutItsTerminatingZeroIsReadNoFurtherThanTheBlock)
{
    OpenOnly({ "aa" });
    const char bytes[] = { 'h', 't', 't', 'p', ':', '/', '/', 'x', '/' };
    OneFormatData data(CF_TEXT, bytes, sizeof bytes);
    DragOnto(Target(), &data, OverTab(0));
    ASSERT_EQ(dlg->GetTabCount(), 2);
    EXPECT_EQ(NavigatedTo(1), L"http://x/");

    // UTF-16 text keeps what code page 932 cannot hold, encoded.
    const wchar_t wide[] = L"http://x.de/\u00FCber/\u4F8B";
    OneFormatData unicode(CF_UNICODETEXT, wide, sizeof wide - sizeof(wchar_t));
    DragOnto(Target(), &unicode, OverTab(0));
    ASSERT_EQ(dlg->GetTabCount(), 3);
    EXPECT_EQ(NavigatedTo(2), L"http://x.de/%C3%BCber/\u4F8B");
}

TEST_F(TabDropTest, DataWithoutTextOrFilesShowsTheCopyCursorButIsRefusedAtTheDrop)
{
    OpenOnly({ "aa" });
    const char picture[] = "BM";
    OneFormatData files(CF_DIB, picture, sizeof picture);
    const DragResult r = DragOnto(Target(), &files, OverTab(0));
    EXPECT_EQ(r.enter, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(r.over, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(r.drop, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(dlg->GetTabCount(), 1);

    // A source that cannot copy is never told that it may.
    OneFormatData text("http://moved/");
    const DragResult moveOnly = DragOnto(Target(), &text, OverTab(0), DROPEFFECT_MOVE);
    EXPECT_EQ(moveOnly.over, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(moveOnly.drop, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(files.refs, 1);
    EXPECT_EQ(text.refs, 1);
}

// By OLE, as a file manager drags, and by WM_DROPFILES: every shortcut opens,
// in the order given, whatever the case of its extension and however long
// its address; other files are passed over.
TEST_F(TabDropTest, DroppedFilesOpenEveryShortcutWhateverTheCaseOfItsExtension)
{
    const std::string longUrl = "http://example.org/" + std::string(600, 'x');
    const std::string shortcut = WriteTempFile("Quenvo Link.URL", "[InternetShortcut]\r\nURL=http://example.org/dropped\r\n");
    const std::string text = WriteTempFile("quenvo-notes.txt", "[InternetShortcut]\r\nURL=http://example.org/not-a-shortcut\r\n");
    const std::string longOne = WriteTempFile("quenvo-long.url", ("[InternetShortcut]\r\nURL=" + longUrl + "\r\n").c_str());
    for (const bool ole : { true, false }) {
        OpenOnly({ "aa" });
        if (ole) {
            const std::vector<char> block = FileDropBytes({ shortcut, text, longOne });
            OneFormatData files(CF_HDROP, block.data(), block.size());
            EXPECT_EQ(DragOnto(Target(), &files, OverTab(0)).drop, static_cast<DWORD>(DROPEFFECT_COPY));
        } else {
            DropFiles({ shortcut, text, longOne });
        }
        ASSERT_EQ(dlg->GetTabCount(), 3) << (ole ? "OLE" : "WM_DROPFILES");
        EXPECT_EQ(NavigatedTo(1), L"http://example.org/dropped");
        EXPECT_EQ(NavigatedTo(2), CString(longUrl).ToWide());
    }
    ::DeleteFileA(shortcut.c_str());
    ::DeleteFileA(text.c_str());
    ::DeleteFileA(longOne.c_str());
}

TEST_F(TabDropTest, WithAllTabsOpenADropChangesNothing)
{
    OpenTabs(CMainDlg::kMaxTabs);
    const std::string shortcut = WriteTempFile("quenvo-full.url", "[InternetShortcut]\r\nURL=http://example.org/full\r\n");
    OneFormatData data("http://example.org/text");

    const DragResult r = DragOnto(Target(), &data, OverTab(0));
    EXPECT_EQ(r.drop, static_cast<DWORD>(DROPEFFECT_COPY)) << "success is reported all the same";
    DropFiles({ shortcut });
    EXPECT_EQ(dlg->GetTabCount(), CMainDlg::kMaxTabs);
    EXPECT_EQ(Strip().GetItemCount(), CMainDlg::kMaxTabs);
    ::DeleteFileA(shortcut.c_str());
}

TEST(OleDropTarget, HoldsExactReferencesAndAnswersNoDropOnceRevoked)
{
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    CTabDropTarget target;
    ASSERT_TRUE(target.Register(&window));
    EXPECT_FALSE(target.Register(&window));
    IDropTarget* com = OleDropTargetProbe::Interface(target);
    ASSERT_NE(com, nullptr);

    OneFormatData data("http://late/");
    DWORD effect = kAnyEffect;
    const POINTL pt = { 5, 5 };
    com->AddRef();
    target.Revoke();
    EXPECT_EQ(OleDropTargetProbe::Interface(target), nullptr);
    EXPECT_EQ(com->DragEnter(&data, 0, pt, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    com->DragLeave();
    EXPECT_EQ(com->Release(), 0u) << "OLE or the target kept a reference after Revoke";
    EXPECT_EQ(data.refs, 1);

    // The window is free for another target.
    ASSERT_TRUE(target.Register(&window));
    target.Revoke();
    window.DestroyWindow();
}
