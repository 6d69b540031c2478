// Resource and command identifiers shared by the resource script and the code.
// Ranges: IDD_ dialogs, IDR_ menus, IDI_ icons, IDC_ cursors and controls,
// IDS_ strings, ID_ commands, IDT_ the main window's timers. One number never carries two meanings of one kind;
// control ids are a kind per dialog (several dialogs use the same numbers for
// different controls), so each dialog's controls carry its prefix.
#pragma once

// Dialogs
#define IDD_ABOUTBOX            100
#define IDD_MAIN                102
#define IDD_COLLECTION          141
#define IDD_PR_GENERAL          153
#define IDD_PR_TAB              154
#define IDD_PR_STEALS           155
#define IDD_EXPIREPAGE          165
#define IDD_PR_EXPIREPAGE       166

// Menus
#define IDR_TABMENU             131
#define IDR_FUNCMENU            132
#define IDR_TRAYMENU            156
#define IDR_TREEMENU            160

// Icons (128..134 are the application icon and the seven tray pictures)
#define IDI_APP                 128
#define IDI_TRAY0               128
#define IDI_TRAY1               129
#define IDI_TRAY2               130
#define IDI_TRAY3               131
#define IDI_TRAY4               132
#define IDI_TRAY5               133
#define IDI_TRAY6               134
#define IDI_FOLDER_CLOSED       146
#define IDI_FOLDER_OPEN         147
#define IDI_PAGE                149
#define IDI_TABSET              150
#define IDI_FOLDER_OPEN_TREE    153
#define IDI_TAB_UNPINNED        157
#define IDI_TAB_PINNED          158
#define IDI_EXPIRE              159

// Cursors
#define IDC_CUR_TABDRAG         135
#define IDC_CUR_DROP_OK         162
#define IDC_CUR_DROP_NO         163

// Strings (the command prompts carry the numbers of their commands)
#define IDS_ABOUTBOX            101
#define IDS_PROMPT_STEALTH_MODE      32789
#define IDS_PROMPT_ADD_TO_COLLECTION 32794
#define IDS_PROMPT_DELETE_ITEM       32795
#define IDS_PROMPT_REGISTER_EXPIRE   32798
#define IDS_PROMPT_ORGANIZE_EXPIRE   32799
#define IDS_PROMPT_EXPIRE_ENABLE     32801

// System-menu command of the version dialog
#define IDM_ABOUTBOX            0x0010

// Main window controls
#define IDC_TABSTRIP            1000
#define IDC_ADDRESS             1002
#define IDC_GO                  1003
#define IDC_BACK                1004
#define IDC_FORWARD             1005
#define IDC_SEARCH              1006
#define IDC_FUNC                1007
#define IDC_NEW                 1008
#define IDC_BROWSER_FIRST       1201
#define IDC_BROWSER_LAST        1457

// Collection organizer (dialog 141)
#define IDC_COLL_NEWFOLDER      3
#define IDC_COLL_TREE           1004
#define IDC_COLL_NAME           1006
#define IDC_COLL_ADDRESS        1007
#define IDC_COLL_MESSAGE        1014

// Expire-page dialog (dialog 165)
#define IDC_EXP_NAME            1006
#define IDC_EXP_ADDRESS         1007
#define IDC_EXP_MESSAGE         1014
#define IDC_EXP_LIST            1015

// Options page "全般" (dialog 153)
#define IDC_GEN_BROWSE          1007
#define IDC_GEN_PRIORITY        1008
#define IDC_GEN_FILE            1009
#define IDC_GEN_USEDEFAULT      1010

// Options page "タブ" (dialog 154)
#define IDC_TAB_KEEPPINNED      1005
#define IDC_TAB_TEXTLENGTH      1012

// Options page "ステルスモード" (dialog 155)
#define IDC_STL_AUTOHIDE        1005
#define IDC_STL_MINUTES         1006
#define IDC_STL_TRAYICON        1008
#define IDC_STL_ICONPREVIEW     1011
#define IDC_STL_NEEDCLICK       1013

// Options page "無効ページ" (dialog 166)
#define IDC_XP_BROWSE           1007
#define IDC_XP_USEDEFAULT       1010
#define IDC_XP_FILE             1016

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

// Commands
#define ID_ORGANIZE_COLLECTIONS 101
#define ID_COLLECTION_FIRST     102
#define ID_COLLECTION_LAST      1125
#define ID_TAB_DELETE           32771
#define ID_SAVE_DEFAULT_TABS    32773
#define ID_OPEN_DEFAULT_TABS    32775
#define ID_TAB_BOTTOM           32777
#define ID_TAB_TOP              32778
#define ID_TAB_LEFT             32779
#define ID_TAB_RIGHT            32780
#define ID_SAVE_TABS_AT_EXIT    32781
#define ID_ARRANGE_FIRST        32782
#define ID_ARRANGE_MAX_VERT     32782
#define ID_ARRANGE_MAX_HORZ     32783
#define ID_ARRANGE_LEFT         32784
#define ID_ARRANGE_RIGHT        32785
#define ID_ARRANGE_TOP          32786
#define ID_ARRANGE_BOTTOM       32787
#define ID_ARRANGE_LAST         32787
#define ID_STEALTH_MODE         32789
#define ID_TAB_DELETE_OTHERS    32790
#define ID_OPTIONS              32792
#define ID_ADD_TO_COLLECTION    32794
#define ID_DELETE_ITEM          32795
#define ID_REGISTER_EXPIRE      32798
#define ID_ORGANIZE_EXPIRE      32799
#define ID_EXPIRE_ENABLE        32801
#define ID_TAB_MULTILINE        32802

// Framework commands (ID_APP_EXIT, ID_HELP)
#include "framework/AfxRes.h"

// Timers of the main window, each a part's own: stealth mode's check, the
// INI file's wait, the look at panes left to close
#define IDT_STEALTH             1
#define IDT_PROFILE_SAVE        2
#define IDT_RETIRED_PANES       3

// Private messages
#define WM_APP_TRAYICON         (0x8000 + 100)
#define WM_APP_CLOSETAB         (0x8000 + 101)
#define WM_APP_TOGGLEPIN        (0x8000 + 102)
// A refused page's tab, named by its serial (CTabSet), is to close.
#define WM_APP_CLOSEREFUSED     (0x8000 + 103)
