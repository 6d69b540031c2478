#pragma once
#include "core/ChangeNote.h"
#include "core/Settings.h"
#include "framework/CmdTarget.h"
#include "framework/Str.h"
#include <memory>

class CollectionStore;
class CWnd;

// The expire list of the main window: the store read from the expire file
// the settings name, the match behind the refusal of a navigation, and the
// commands that switch the refusal and open the expire-page dialog.
class CExpireList : public CCmdTarget {
public:
    // owner: the main window, the dialog's owner; startDir: where the
    // default expire file lives; changes: told when the refusal is switched.
    CExpireList(CWnd& owner, Settings& settings, const CString& startDir, ChangeNote& changes);
    ~CExpireList() override;
    CExpireList(const CExpireList&) = delete;
    CExpireList& operator=(const CExpireList&) = delete;

    // Reads the list from the file now named, creating it when missing.
    void Open();
    // Reads the list again, from the file now named; nothing while closed.
    void Reload();
    void Close();
    CString GetFile() const;

    BOOL MatchesExpirePage(const CString& url) const;
    // The tab context menu's command, with the page of the tab it was opened on.
    void OnRegisterExpirePage(const CString& name, const CString& address);

protected:
    void OnExpireEnable();
    void OnOrganizeExpirePages();

private:
    friend struct ExpireListProbe;

    void RunDialog(int mode, const CString& name, const CString& address);

    CWnd& m_owner;
    Settings& m_settings;
    const CString m_strStartDir;
    ChangeNote& m_changes;
    std::unique_ptr<CollectionStore> m_pExpireList;

    DECLARE_MESSAGE_MAP()
};
