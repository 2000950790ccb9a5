// user_headless.cpp - the test's user: what it reads of a headless dialog,
// and its clicks, keys and typing, sent as the command notifications a real
// dialog gets. Acting on an ended dialog or a missing control is reported.
#include "framework/headless/screen.h"
#include "framework/headless/user.h"

namespace {

CScreenWindow *OpenDialog(HWND hWnd, const char *action) {
    CScreenWindow *dialog = ScreenWindow(hWnd);
    if (!dialog || dialog->kind != CScreenWindow::DIALOG) {
        ReportFailure(std::string(action) + ": no such dialog");
        return nullptr;
    }
    if (dialog->ended) {
        ReportFailure(std::string(action) + ": the dialog has ended");
        return nullptr;
    }
    return dialog;
}

CScreenWindow *Control(HWND hWnd, int id, WORD classAtom, const char *action) {
    CScreenWindow *dialog = OpenDialog(hWnd, action);
    if (!dialog) return nullptr;
    CScreenWindow *control = DialogControl(dialog, id);
    if (!control || control->classAtom != classAtom) {
        ReportFailure(std::string(action) + ": the dialog has no such control " + std::to_string(id));
        return nullptr;
    }
    return control;
}

void Notify(CScreenWindow *control, UINT code) {
    WPARAM wParam = (WPARAM)(WORD)control->id | ((WPARAM)code << 16);
    ScreenSendMessage(control->parent, WM_COMMAND, wParam, (LPARAM)control->Handle());
}

}  // namespace

UINT FwDialogTemplate(HWND dialog) {
    CScreenWindow *window = ScreenWindow(dialog);
    return window ? window->templateId : 0;
}

bool FwIsOpen(HWND dialog) {
    CScreenWindow *window = ScreenWindow(dialog);
    return window && window->kind == CScreenWindow::DIALOG && !window->ended;
}

std::string FwWindowText(HWND hWnd) {
    CScreenWindow *window = ScreenWindow(hWnd);
    return window ? window->text : std::string();
}

HWND FwControl(HWND dialog, int id) {
    CScreenWindow *control = DialogControl(ScreenWindow(dialog), id);
    return control ? control->Handle() : nullptr;
}

HWND FwFocus(HWND dialog) {
    CScreenWindow *window = ScreenWindow(dialog);
    return window && window->focus ? window->focus->Handle() : nullptr;
}

int FwControlId(HWND control) {
    CScreenWindow *window = ScreenWindow(control);
    return window ? window->id : 0;
}

DWORD FwStyle(HWND hWnd) {
    CScreenWindow *window = ScreenWindow(hWnd);
    return window ? window->style : 0;
}

HWND FwOwner(HWND dialog) {
    CScreenWindow *window = ScreenWindow(dialog);
    return window ? window->owner : nullptr;
}

RECT FwWindowRect(HWND hWnd) {
    CScreenWindow *window = ScreenWindow(hWnd);
    return window ? window->window : RECT{0, 0, 0, 0};
}

int FwPaintCount(HWND hWnd) {
    CScreenWindow *window = ScreenWindow(hWnd);
    return window ? window->paints : 0;
}

int FwLineCount(HWND dialog, int listId) {
    CScreenWindow *list = DialogControl(ScreenWindow(dialog), listId);
    return list ? (int)list->lines.size() : -1;
}

std::string FwLine(HWND dialog, int listId, int index) {
    CScreenWindow *list = DialogControl(ScreenWindow(dialog), listId);
    if (!list || index < 0 || index >= (int)list->lines.size()) return "<no line>";
    return list->lines[index].text;
}

int FwSelectedLine(HWND dialog, int listId) {
    CScreenWindow *list = DialogControl(ScreenWindow(dialog), listId);
    return list ? list->selected : -1;
}

std::string FwTabStops(HWND dialog, int listId) {
    CScreenWindow *list = DialogControl(ScreenWindow(dialog), listId);
    std::string stops;
    for (int stop : list ? list->tabStops : std::vector<int>())
        stops += (stops.empty() ? "" : ",") + std::to_string(stop);
    return stops;
}

LRESULT FwSend(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CScreenWindow *window = ScreenWindow(hWnd);
    if (!window) {
        ReportFailure("FwSend to a window that does not exist");
        return 0;
    }
    return ScreenSendMessage(window, message, wParam, lParam);
}

void FwClick(HWND dialog, int buttonId) {
    if (CScreenWindow *button = Control(dialog, buttonId, CLASS_BUTTON, "click")) Notify(button, BN_CLICKED);
}

void FwDoubleClickButton(HWND dialog, int buttonId) {
    if (CScreenWindow *button = Control(dialog, buttonId, CLASS_BUTTON, "double-click"))
        Notify(button, BN_DOUBLECLICKED);
}

void FwSelectLine(HWND dialog, int listId, int index) {
    CScreenWindow *list = Control(dialog, listId, CLASS_LISTBOX, "select");
    if (!list) return;
    if (index < 0 || index >= (int)list->lines.size())
        return ReportFailure("select: no line " + std::to_string(index));
    list->selected = index;
    list->parent->focus = list;
    Notify(list, LBN_SELCHANGE);
}

void FwDoubleClickLine(HWND dialog, int listId, int index) {
    FwSelectLine(dialog, listId, index);
    CScreenWindow *list = DialogControl(ScreenWindow(dialog), listId);
    if (list && list->selected == index && !list->parent->ended) Notify(list, LBN_DBLCLK);
}

void FwType(HWND dialog, int editId, const char *text) {
    CScreenWindow *edit = Control(dialog, editId, CLASS_EDIT, "type");
    if (!edit) return;
    if (edit->style & ES_READONLY) return ReportFailure("type: the field is read-only");
    edit->text = text ? text : "";
    edit->parent->focus = edit;
    Notify(edit, EN_CHANGE);
}

// The system's dialog sends the default button's command for Enter.
void FwPressEnter(HWND dialog) {
    CScreenWindow *window = OpenDialog(dialog, "Enter");
    if (!window) return;
    for (CScreenWindow *control : window->controls)
        if (control->classAtom == CLASS_BUTTON && (control->style & 0xF) == BS_DEFPUSHBUTTON)
            return Notify(control, BN_CLICKED);
    ScreenSendMessage(window, WM_COMMAND, IDOK, 0);
}

void FwPressEscape(HWND dialog) {
    if (CScreenWindow *window = OpenDialog(dialog, "Escape"))
        ScreenSendMessage(window, WM_COMMAND, IDCANCEL, 0);
}

void FwCloseBox(HWND dialog) {
    if (CScreenWindow *window = OpenDialog(dialog, "close box"))
        ScreenSendMessage(window, WM_COMMAND, IDCANCEL, 0);
}
