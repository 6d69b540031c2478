#include "expire/ExpireList.h"
#include "collection/StopMessage.h"
#include "core/collection/CollectionStore.h"
#include "core/expire/ExpireRules.h"
#include "expire/ExpirePageDlg.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CExpireList, CCmdTarget)
    ON_COMMAND(ID_ORGANIZE_EXPIRE, OnOrganizeExpirePages)
    ON_COMMAND(ID_EXPIRE_ENABLE, OnExpireEnable)
END_MESSAGE_MAP()

CExpireList::CExpireList(CWnd& owner, Settings& settings, const CString& startDir, ChangeNote& changes)
    : m_owner(owner), m_settings(settings), m_strStartDir(startDir), m_changes(changes)
{
}

CExpireList::~CExpireList() = default;

void CExpireList::Open()
{
    m_pExpireList.reset(new CollectionStore(ShowStopMessage));
    Reload();
}

void CExpireList::Reload()
{
    if (m_pExpireList)
        m_pExpireList->LoadFile(GetFile().str(), kDefaultExpireTitle);
}

void CExpireList::Close()
{
    m_pExpireList.reset();
}

CString CExpireList::GetFile() const
{
    return CString(m_settings.ExpireFilePath(m_strStartDir.str()));
}

BOOL CExpireList::MatchesExpirePage(const CString& url) const
{
    return MatchesExpireList(m_pExpireList ? m_pExpireList->GetRoot() : nullptr, url.str());
}

void CExpireList::OnExpireEnable()
{
    m_settings.m_bExpireEnabled = !m_settings.m_bExpireEnabled;
    m_changes.NoteChange();
}

void CExpireList::OnRegisterExpirePage(const CString& name, const CString& address)
{
    RunDialog(CExpirePageDlg::kAddMode, name, address);
}

void CExpireList::OnOrganizeExpirePages()
{
    RunDialog(CExpirePageDlg::kOrganizeMode, CString(), CString());
}

void CExpireList::RunDialog(int mode, const CString& name, const CString& address)
{
    CExpirePageDlg dlg(&m_owner);
    dlg.SetMode(mode);
    dlg.SetPage(name, address);
    dlg.SetFile(GetFile());
    // Only an OK has rewritten the file.
    if (dlg.DoModal() == IDOK)
        Reload();
}
