// Resource and control ids shared by korvatel.rc and the code.
#pragma once

// Menu, keys, icon, bitmap and dialogs
#define IDR_MAIN_MENU           1
#define IDR_LIST_KEYS           2
#define IDI_MAIN                11
#define IDB_TOOLBAR             21
#define IDD_ABOUT               31
#define IDD_PROFILE_EDITOR      32
#define IDD_SETTINGS            33

// Menu and toolbar commands
#define IDM_ADD                 51
#define IDM_EDIT                52
#define IDM_DELETE              53
#define IDM_MOVE_UP             54
#define IDM_MOVE_DOWN           55
#define IDM_SETTINGS            56
#define IDM_HELP                57
#define IDM_ABOUT               58
#define IDM_HOMEPAGE            59
#define IDM_END                 60
#define IDT_APPLY               330
#define IDT_ADD                 331
#define IDT_SETTINGS            332
#define IDT_END                 333

// Commands that only keys give, with the focus on the profile list
#define IDK_APPLY_FOCUSED       61
#define IDK_REFRESH             62

// Main window children
#define IDC_TOOLBAR             329
#define IDC_PROFILE_LIST        300

// Profile editor (dialog 32)
#define IDC_EDITOR_SEARCH       101
#define IDC_EDITOR_SET          102
#define IDC_EDITOR_CLOSE        103
#define IDC_EDITOR_ADDRESS1     121
#define IDC_EDITOR_ADDRESS2     122
#define IDC_EDITOR_ADDRESS3     123
#define IDC_EDITOR_ADDRESS4     124
#define IDC_EDITOR_MASK1        125
#define IDC_EDITOR_MASK2        126
#define IDC_EDITOR_MASK3        127
#define IDC_EDITOR_MASK4        128
#define IDC_EDITOR_DHCP         131
#define IDC_EDITOR_ADAPTERS     191

// Settings dialog (dialog 33)
#define IDC_SETTINGS_OK         101
#define IDC_SETTINGS_CLOSE      102
#define IDC_SETTINGS_ID_TIME    121
#define IDC_SETTINGS_PW_TIME    122
#define IDC_SETTINGS_OFSET_X    123
#define IDC_SETTINGS_OFSET_Y    124
#define IDC_SETTINGS_ID         125
#define IDC_SETTINGS_PW         126
#define IDC_SETTINGS_PW_MODE    131
#define IDC_SETTINGS_TOPMOST    167
#define IDC_SETTINGS_BOTTOM     168

// About dialog (dialog 31)
#define IDC_ABOUT_OK            101
#define IDC_ABOUT_NEW_VERSION   102
