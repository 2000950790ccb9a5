// msgbox_win.cpp - the message box is the system's own.
#include "framework/msgbox.h"

int FwMessageBox(HWND owner, const char *text, const char *caption, UINT style) {
    return MessageBoxA(owner, text, caption, style);
}
