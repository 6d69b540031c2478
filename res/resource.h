// Resource and command identifiers shared by the resource script and the code.
// Ranges: IDD_ dialogs, IDR_ menus, IDI_ icons, IDC_ cursors and controls,
// IDS_ strings, ID_ commands. One number never carries two meanings of one kind.
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

// Strings
#define IDS_ABOUTBOX            101

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

// Framework commands
#define ID_APP_EXIT             57665
#define ID_HELP                 57670

// Private messages
#define WM_APP_TRAYICON         (0x8000 + 100)
#define WM_APP_CLOSETAB         (0x8000 + 101)
#define WM_APP_TOGGLEPIN        (0x8000 + 102)
