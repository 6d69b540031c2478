// The tab collections and the expire-page list of the main window.
#include "browser/MainDlg.h"
#include "collection/CollectionNode.h"
#include "collection/CollectionNodeList.h"

void CMainDlg::CreateCollections()
{
    m_pCollection.reset(new CollectionMenu);
    m_pCollection->LoadFile(m_strBookmarkFile.str(), nullptr);
    m_hCollectionMenu = m_pCollection->BuildMenu();
    m_pExpireList.reset(new CollectionMenu);
    m_pExpireList->LoadFile(m_strExpireFile.str(), kDefaultExpireTitle);
}

void CMainDlg::DeleteCollections()
{
    m_pHoveredNode = nullptr;
    m_hCollectionMenu = nullptr;
    m_pCollection.reset();
    m_pExpireList.reset();
}

void CMainDlg::RebuildCollectionMenu()
{
    if (!m_pCollection)
        return;
    // The recorded node belongs to the tree that is about to be replaced.
    m_pHoveredNode = nullptr;
    m_pCollection->LoadFile(m_strBookmarkFile.str(), nullptr);
    m_pCollection->DestroyPopups();
    m_hCollectionMenu = m_pCollection->BuildMenu();
}
