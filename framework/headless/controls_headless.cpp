// controls_headless.cpp - what the in-memory controls answer to messages, as
// the system's controls answer them: texts, and the list box's lines,
// selection, item data and tab stops. A dialog passes WM_COMMAND on to its
// CDialog.
#include "framework/dialog.h"
#include "framework/headless/screen.h"

#include <string.h>

namespace {

LRESULT CopyText(const std::string &text, WPARAM size, LPARAM buffer) {
    if (size == 0 || !buffer) return 0;
    size_t n = text.size() < size - 1 ? text.size() : size - 1;
    memcpy(reinterpret_cast<char *>(buffer), text.data(), n);
    reinterpret_cast<char *>(buffer)[n] = 0;
    return (LRESULT)n;
}

bool ValidLine(const CScreenWindow *list, WPARAM index) {
    return (int)index >= 0 && (int)index < (int)list->lines.size();
}

LRESULT InsertLine(CScreenWindow *list, int index, LPARAM text) {
    int count = (int)list->lines.size();
    if (index < 0) index = count;
    if (index > count) return LB_ERR;
    list->lines.insert(list->lines.begin() + index, CListLine{reinterpret_cast<const char *>(text), 0});
    if (list->selected >= index) ++list->selected;
    return index;
}

LRESULT DeleteLine(CScreenWindow *list, WPARAM index) {
    if (!ValidLine(list, index)) return LB_ERR;
    list->lines.erase(list->lines.begin() + (int)index);
    if (list->selected == (int)index) list->selected = -1;
    else if (list->selected > (int)index) --list->selected;
    return (LRESULT)list->lines.size();
}

LRESULT ListMessage(CScreenWindow *list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LB_ADDSTRING: return InsertLine(list, -1, lParam);
    case LB_INSERTSTRING: return InsertLine(list, (int)wParam, lParam);
    case LB_DELETESTRING: return DeleteLine(list, wParam);
    case LB_GETCOUNT: return (LRESULT)list->lines.size();
    case LB_GETCURSEL: return list->selected;
    case LB_SETCURSEL:
        list->selected = ValidLine(list, wParam) ? (int)wParam : -1;
        return list->selected < 0 ? LB_ERR : list->selected;
    case LB_GETITEMDATA: return ValidLine(list, wParam) ? list->lines[wParam].data : LB_ERR;
    case LB_SETITEMDATA:
        if (!ValidLine(list, wParam)) return LB_ERR;
        list->lines[wParam].data = lParam;
        return TRUE;
    case LB_GETTEXT:
        if (!ValidLine(list, wParam)) return LB_ERR;
        strcpy(reinterpret_cast<char *>(lParam), list->lines[wParam].text.c_str());
        return (LRESULT)list->lines[wParam].text.size();
    case LB_GETTEXTLEN: return ValidLine(list, wParam) ? (LRESULT)list->lines[wParam].text.size() : LB_ERR;
    case LB_SETTABSTOPS: {
        const int *stops = reinterpret_cast<const int *>(lParam);
        list->tabStops.assign(stops, stops + wParam);
        return TRUE;
    }
    case LB_INITSTORAGE:
        list->lines.reserve(list->lines.size() + wParam);
        return (LRESULT)list->lines.capacity();
    }
    return 0;
}

}  // namespace

LRESULT ScreenSendMessage(CScreenWindow *window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
        window->text = lParam ? reinterpret_cast<const char *>(lParam) : "";
        return TRUE;
    case WM_GETTEXT: return CopyText(window->text, wParam, lParam);
    case WM_GETTEXTLENGTH: return (LRESULT)window->text.size();
    case WM_SETREDRAW:
        window->redraw = wParam != 0;
        return 0;
    case WM_COMMAND:
        if (!window->dialog || window->ended) return 0;
        return window->dialog->OnCommand((int)(WORD)wParam, (UINT)(wParam >> 16) & 0xFFFF);
    }
    if (window->classAtom == CLASS_LISTBOX) return ListMessage(window, message, wParam, lParam);
    return 0;
}
