// platform.h - the few Win32 types and constants the add-in names.
//
// On Windows this is <windows.h> itself. Natively it declares the same names
// with the same values, so the add-in's code reads the same in both builds;
// handles are opaque pointer-sized values and ids stay 32-bit integers.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <stdint.h>

typedef struct HWND__ *HWND;
typedef struct HINSTANCE__ *HINSTANCE;
typedef int BOOL;
typedef unsigned int UINT;
typedef uint32_t DWORD;
typedef uint16_t WORD;
typedef intptr_t LONG_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LRESULT;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

typedef int32_t LONG;
typedef intptr_t INT_PTR;
typedef uintptr_t DWORD_PTR;

typedef struct tagRECT {
    LONG left, top, right, bottom;
} RECT;
typedef struct tagPOINT {
    LONG x, y;
} POINT;

#define IDOK 1
#define IDCANCEL 2
#define MB_OK 0x00000000u
#define MB_ICONEXCLAMATION 0x00000030u
#define MAKEINTRESOURCEA(i) ((const char *)(uintptr_t)(WORD)(i))

// Window styles the dialogs' templates and the headless side read.
#define WS_POPUP 0x80000000u
#define WS_CHILD 0x40000000u
#define WS_VISIBLE 0x10000000u
#define WS_DISABLED 0x08000000u
#define WS_CAPTION 0x00C00000u
#define WS_BORDER 0x00800000u
#define WS_VSCROLL 0x00200000u
#define WS_SYSMENU 0x00080000u
#define WS_GROUP 0x00020000u
#define WS_TABSTOP 0x00010000u
#define DS_SETFONT 0x40u
#define DS_MODALFRAME 0x80u
#define BS_PUSHBUTTON 0x0u
#define BS_DEFPUSHBUTTON 0x1u
#define ES_LEFT 0x0u
#define ES_AUTOHSCROLL 0x80u
#define ES_READONLY 0x800u
#define SS_LEFT 0x0u
#define LBS_NOTIFY 0x1u
#define LBS_SORT 0x2u
#define LBS_USETABSTOPS 0x80u

// Messages.
#define WM_SETREDRAW 0x000B
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_CLOSE 0x0010
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define LB_ADDSTRING 0x0180
#define LB_INSERTSTRING 0x0181
#define LB_DELETESTRING 0x0182
#define LB_SETCURSEL 0x0186
#define LB_GETCURSEL 0x0188
#define LB_GETTEXT 0x0189
#define LB_GETTEXTLEN 0x018A
#define LB_GETCOUNT 0x018B
#define LB_SETTABSTOPS 0x0192
#define LB_GETITEMDATA 0x0199
#define LB_SETITEMDATA 0x019A
#define LB_INITSTORAGE 0x01A8
#define LB_ERR (-1)
#define LB_ERRSPACE (-2)

// Command notifications.
#define BN_CLICKED 0
#define BN_DOUBLECLICKED 5
#define LBN_SELCHANGE 1
#define LBN_DBLCLK 2
#define EN_CHANGE 0x0300
#endif
