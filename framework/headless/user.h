// user.h - the headless side's screen and its user, for native tests.
//
// Natively a modal dialog is made from its template (generated from
// res/tagpin.rc) as in-memory controls, initialised, and then handed to the
// user the test has queued for it. The user reads the dialog and acts on it
// with the functions below, which send the same command notifications a
// real dialog would get. A dialog must be ended by the time its user
// returns; one that is not, or that has no user, is a test failure (reported
// to the failure handler) and DoModal answers -1: nothing ever waits.
//
// Message boxes go to the user of framework/msgbox.h.
#pragma once

#include "framework/platform.h"

#include <functional>
#include <string>

// ---- the user -----------------------------------------------------------------

typedef std::function<void(HWND dialog)> FwDialogUser;
// Queues the user of the next modal dialog; each run takes the first one.
void FwQueueDialogUser(FwDialogUser user);
int FwQueuedDialogUsers();
// Forgets queued users and foreign windows; the failure handler stays.
void FwResetHeadless();

// Where the headless side reports what a real screen would not allow: a
// dialog that never ends, a dialog without a user, an action on a control
// that does not exist or on a dialog that has ended. NULL prints to stderr.
typedef void (*FwFailureHandler)(const char *message);
void FwSetFailureHandler(FwFailureHandler handler);

// ---- what the user sees ------------------------------------------------------

UINT FwDialogTemplate(HWND dialog);
// True while the dialog runs and has not been ended.
bool FwIsOpen(HWND dialog);
std::string FwWindowText(HWND window);
// The control with that id, or NULL.
HWND FwControl(HWND dialog, int id);
// The dialog's control that has the focus, or NULL.
HWND FwFocus(HWND dialog);
int FwControlId(HWND control);
DWORD FwStyle(HWND window);
// The window the dialog was created for.
HWND FwOwner(HWND dialog);
RECT FwWindowRect(HWND window);
// Times the window was repainted at once (UpdateWindow).
int FwPaintCount(HWND window);
// A list box's lines, selection and tab stops.
int FwLineCount(HWND dialog, int listId);
std::string FwLine(HWND dialog, int listId, int index);
int FwSelectedLine(HWND dialog, int listId);
std::string FwTabStops(HWND dialog, int listId);  // "114,170,217"
// Any message a control answers (LB_GETITEMDATA, WM_GETTEXT, ...).
LRESULT FwSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---- what the user does ------------------------------------------------------

void FwClick(HWND dialog, int buttonId);
void FwDoubleClickButton(HWND dialog, int buttonId);
void FwSelectLine(HWND dialog, int listId, int index);
// Selects the line and double-clicks it.
void FwDoubleClickLine(HWND dialog, int listId, int index);
// Replaces the field's text, as typing over a selection of all of it would.
void FwType(HWND dialog, int editId, const char *text);
void FwPressEnter(HWND dialog);   // the default button
void FwPressEscape(HWND dialog);  // IDCANCEL
void FwCloseBox(HWND dialog);     // IDCANCEL, as the system's dialog does

// ---- other programs' windows -------------------------------------------------

// Gives a foreign handle (the host's frame window) a client area of width by
// height pixels whose top-left corner is at left, top on the screen. An
// undeclared foreign handle has an empty client area.
void FwDeclareForeignWindow(HWND window, int left, int top, int width, int height);

// Dialog units to pixels: the headless screen's fixed base units.
enum { FW_BASE_UNIT_X = 8, FW_BASE_UNIT_Y = 16, FW_FRAME = 3, FW_CAPTION = 20 };
