// msgbox_headless.cpp - message boxes go to the test's user.
#include "framework/msgbox.h"

static FwMessageBoxUser s_user = nullptr;

void FwSetMessageBoxUser(FwMessageBoxUser user) { s_user = user; }

int FwMessageBox(HWND owner, const char *text, const char *caption, UINT style) {
    return s_user ? s_user(owner, text, caption, style) : IDOK;
}
