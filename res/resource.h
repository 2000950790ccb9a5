// resource.h - ids of the add-in's resources in tagpin.rc.
#pragma once

// String table.
#define IDS_NO_BOOKMARKS 1
#define IDS_CAPTION 2
#define IDS_PROMPT 3
#define IDS_NAME_IN_USE 4
#define IDS_MENU_PLACE 5
#define IDS_MENU_CHOOSE 6
#define IDS_MENU_PLACE_PROMPT 7
#define IDS_MENU_CHOOSE_PROMPT 8
#define IDS_NO_PROJECT_BOOKMARKS 9
#define IDS_ALL_FOR_PROJECTS 10

// Dialog templates and their controls.
#define IDD_BOOKMARK_LIST 101
#define IDD_RENAME 102
#define IDC_CLEAR 1000
#define IDC_DELETE 1001
#define IDC_CHANGE 1002
#define IDC_INFO 1003
#define IDC_LIST 1004
#define IDC_CURRENT_NAME 1005
#define IDC_NEW_NAME 1006
