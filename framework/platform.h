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

#define IDOK 1
#define IDCANCEL 2
#define MB_OK 0x00000000u
#define MB_ICONEXCLAMATION 0x00000030u
#define MAKEINTRESOURCEA(i) ((const char *)(uintptr_t)(WORD)(i))
#endif
