// screen.h - the headless side's windows: dialogs and their in-memory
// controls, made from the generated templates, and foreign windows of
// declared size. The handle of a window made here is the address of its
// CScreenWindow; a foreign window keeps the handle it was declared with.
// Every use of a handle is checked against the windows alive.
#pragma once

#include "framework/platform.h"

#include <string>
#include <vector>

class CDialog;

struct CListLine {
    std::string text;
    LPARAM data;
};

struct CScreenWindow {
    enum Kind { DIALOG, CONTROL, FOREIGN };

    HWND handle = nullptr;
    Kind kind = FOREIGN;
    int id = 0;
    WORD classAtom = 0;  // 0x80 button, 0x81 edit, 0x82 static, 0x83 list box
    DWORD style = 0;
    std::string text;
    RECT window = {0, 0, 0, 0};  // on the screen
    RECT client = {0, 0, 0, 0};  // on the screen
    CScreenWindow *parent = nullptr;
    int paints = 0;
    bool redraw = true;

    // A dialog.
    CDialog *dialog = nullptr;
    UINT templateId = 0;
    HWND owner = nullptr;
    bool ended = false;
    CScreenWindow *focus = nullptr;
    std::vector<CScreenWindow *> controls;  // template order; owned

    // A list box.
    std::vector<CListLine> lines;
    int selected = -1;
    std::vector<int> tabStops;

    HWND Handle() const { return handle; }
};

enum { CLASS_BUTTON = 0x80, CLASS_EDIT = 0x81, CLASS_STATIC = 0x82, CLASS_LISTBOX = 0x83 };

// The live window of a handle, or NULL.
CScreenWindow *ScreenWindow(HWND hWnd);
// A dialog and its controls from template templateId, placed at the
// template's position relative to owner's client area; NULL (after a
// failure report) when there is no such template.
CScreenWindow *CreateScreenDialog(UINT templateId, HWND owner, CDialog *dialog);
void DestroyScreenDialog(CScreenWindow *dialog);
CScreenWindow *DialogControl(CScreenWindow *dialog, int id);
// The first visible, enabled control with WS_TABSTOP.
CScreenWindow *FirstTabStop(CScreenWindow *dialog);
// What a control answers to a message; a dialog passes WM_COMMAND to its
// CDialog. 0 for a message it does not know.
LRESULT ScreenSendMessage(CScreenWindow *window, UINT message, WPARAM wParam, LPARAM lParam);
void ForgetForeignWindows();
void ReportFailure(const std::string &message);
