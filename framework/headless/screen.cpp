// screen.cpp - the headless windows: making dialogs from their templates,
// their places on the screen, and the foreign windows tests declare.
#include "framework/headless/screen.h"

#include "framework/headless/user.h"
#include "res/resource_table.h"

#include <stdio.h>

#include <algorithm>

namespace {

std::vector<CScreenWindow *> s_windows;  // every live window
FwFailureHandler s_failureHandler = nullptr;

const ResourceDialog *FindTemplate(UINT id) {
    for (int i = 0; i < g_resourceDialogCount; ++i)
        if (g_resourceDialogs[i].id == id) return &g_resourceDialogs[i];
    return nullptr;
}

CScreenWindow *Register(CScreenWindow *window, HWND handle = nullptr) {
    window->handle = handle ? handle : reinterpret_cast<HWND>(window);
    s_windows.push_back(window);
    return window;
}

void Unregister(CScreenWindow *window) {
    s_windows.erase(std::remove(s_windows.begin(), s_windows.end(), window), s_windows.end());
    delete window;
}

int PixelsX(int units) { return units * FW_BASE_UNIT_X / 4; }
int PixelsY(int units) { return units * FW_BASE_UNIT_Y / 8; }

POINT ClientOrigin(HWND owner) {
    CScreenWindow *window = ScreenWindow(owner);
    POINT origin = {0, 0};
    if (window) origin = {window->client.left, window->client.top};
    return origin;
}

CScreenWindow *MakeControl(CScreenWindow *dialog, const ResourceControl &c) {
    CScreenWindow *control = Register(new CScreenWindow);
    control->kind = CScreenWindow::CONTROL;
    control->id = c.id;
    control->classAtom = c.classAtom;
    control->style = c.style;
    control->text = c.classAtom == CLASS_LISTBOX ? "" : c.text;
    control->parent = dialog;
    LONG left = dialog->client.left + PixelsX(c.x), top = dialog->client.top + PixelsY(c.y);
    control->window = {left, top, left + PixelsX(c.cx), top + PixelsY(c.cy)};
    control->client = control->window;
    return control;
}

}  // namespace

CScreenWindow *ScreenWindow(HWND hWnd) {
    for (CScreenWindow *window : s_windows)
        if (window->Handle() == hWnd) return window;
    return nullptr;
}

CScreenWindow *CreateScreenDialog(UINT templateId, HWND owner, CDialog *dialog) {
    const ResourceDialog *t = FindTemplate(templateId);
    if (!t) {
        ReportFailure("no dialog template " + std::to_string(templateId));
        return nullptr;
    }
    CScreenWindow *window = Register(new CScreenWindow);
    window->kind = CScreenWindow::DIALOG;
    window->templateId = templateId;
    window->style = t->style;
    window->text = t->caption;
    window->dialog = dialog;
    window->owner = owner;
    POINT origin = ClientOrigin(owner);
    LONG left = origin.x + PixelsX(t->x), top = origin.y + PixelsY(t->y);
    LONG width = PixelsX(t->cx) + 2 * FW_FRAME, height = PixelsY(t->cy) + 2 * FW_FRAME + FW_CAPTION;
    window->window = {left, top, left + width, top + height};
    window->client = {left + FW_FRAME, top + FW_FRAME + FW_CAPTION, left + width - FW_FRAME,
                      top + height - FW_FRAME};
    for (int i = 0; i < t->controlCount; ++i)
        window->controls.push_back(MakeControl(window, t->controls[i]));
    return window;
}

void DestroyScreenDialog(CScreenWindow *dialog) {
    for (CScreenWindow *control : dialog->controls) Unregister(control);
    Unregister(dialog);
}

CScreenWindow *DialogControl(CScreenWindow *dialog, int id) {
    if (!dialog || dialog->kind != CScreenWindow::DIALOG) return nullptr;
    for (CScreenWindow *control : dialog->controls)
        if (control->id == id) return control;
    return nullptr;
}

CScreenWindow *FirstTabStop(CScreenWindow *dialog) {
    for (CScreenWindow *control : dialog->controls) {
        DWORD style = control->style;
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) return control;
    }
    return nullptr;
}

void ForgetForeignWindows() {
    std::vector<CScreenWindow *> foreign;
    for (CScreenWindow *window : s_windows)
        if (window->kind == CScreenWindow::FOREIGN) foreign.push_back(window);
    for (CScreenWindow *window : foreign) Unregister(window);
}

void ReportFailure(const std::string &message) {
    if (s_failureHandler) return s_failureHandler(message.c_str());
    fprintf(stderr, "headless: %s\n", message.c_str());
}

void FwSetFailureHandler(FwFailureHandler handler) { s_failureHandler = handler; }

void FwDeclareForeignWindow(HWND hWnd, int left, int top, int width, int height) {
    CScreenWindow *window = ScreenWindow(hWnd);
    if (!window) window = Register(new CScreenWindow, hWnd);
    window->client = {left, top, left + width, top + height};
    window->window = window->client;
}
