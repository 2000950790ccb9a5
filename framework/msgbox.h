// msgbox.h - the system's message box.
//
// On Windows it is MessageBoxA. Natively there is no screen: the box is
// handed to the test's "user", who reads it and answers with a button.
#pragma once

#include "framework/platform.h"

// Shows text with caption and style (MB_*), owned by owner; answers the
// button that closed the box.
int FwMessageBox(HWND owner, const char *text, const char *caption, UINT style);

#ifndef _WIN32
// The headless user: sees every message box and answers it. NULL (the
// default) answers IDOK.
typedef int (*FwMessageBoxUser)(HWND owner, const char *text, const char *caption, UINT style);
void FwSetMessageBoxUser(FwMessageBoxUser user);
#endif
