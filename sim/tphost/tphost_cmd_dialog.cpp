// tphost_cmd_dialog.cpp - the user at the add-in's dialogs. `dialog STEP`
// lines queue what the user will do; `choose` runs TagpinSelect while a
// watcher thread does it, step by step, through the dialogs' controls, and
// prints what the user did and saw.
//
//   dialog choose NAME           select the bookmark's line, click OK
//   dialog delete NAME           select it, click Delete
//   dialog info NAME [SHOT]      select it, click Info, read the message
//   dialog rename OLD NEW [SHOT] select OLD, click Change, type NEW, click OK
//                                (a refused name is read, then Cancel)
//   dialog clear | cancel        click Clear, or Cancel
//   dialog message [SHOT]        read and close the message shown instead
//   dialog shot NAME             screenshot of the dialog or message on top
#include "sim/sim.h"
#include "sim/tphost/tphost_commands.h"
#include "sim/tphost/tphost_shot.h"
#include "tests/e2e/dialog_driver.h"

namespace {

const char kList[] = "Go To Bookmark";
const char kRename[] = "Rename";
const char kCaption[] = "Named Bookmarks";
enum { IDC_CLEAR = 1000, IDC_DELETE, IDC_CHANGE, IDC_INFO, IDC_LIST, IDC_NEW_NAME = 1006 };

std::vector<std::vector<std::string>> g_steps;

void Shot(CDialogUser &user, HWND window, const std::string &name) {
    if (name.empty() || !window) return;
    Sleep(150);  // let the user-interface thread paint
    std::string path = SaveScreenshot(window, name);
    if (path.empty()) return user.Fail("screenshot " + name + " not written");
    PrintLine("  shot: " + name);
}

void ReadMessage(CDialogUser &user, const std::string &shot) {
    HWND box = user.WaitFor(kCaption);
    Shot(user, box, shot);
    CBoxSeen seen = user.ReadAndCloseBox(kCaption);
    PrintLine("  message" + std::string(seen.exclamation ? " (!)" : "") + ": " + Quote(seen.text.c_str()));
}

// The list dialog with the line of bookmark name selected; NULL when not.
HWND SelectLine(CDialogUser &user, const std::string &name) {
    HWND list = user.WaitFor(kList);
    if (!list) return nullptr;
    std::vector<std::string> lines = user.Lines(list, IDC_LIST);
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].substr(0, lines[i].find('\t')) == name) {
            user.Select(list, IDC_LIST, (int)i);
            return list;
        }
    user.Fail("no line for " + name);
    return nullptr;
}

void Delete(CDialogUser &user, HWND list) {
    int before = (int)user.Send(GetDlgItem(list, IDC_LIST), LB_GETCOUNT, 0, 0);
    user.Click(list, IDC_DELETE);
    for (int i = 0; i < 500 && IsWindow(list); ++i) {
        if ((int)SendMessageA(GetDlgItem(list, IDC_LIST), LB_GETCOUNT, 0, 0) < before) return;
        Sleep(5);
    }
}

void Rename(CDialogUser &user, HWND list, const std::string &name, const std::string &shot) {
    user.Click(list, IDC_CHANGE);
    HWND rename = user.WaitFor(kRename);
    if (!rename) return;
    user.Type(rename, IDC_NEW_NAME, name);
    Shot(user, rename, shot);
    user.Click(rename, IDOK);
    for (int i = 0; i < 1000 && IsWindow(rename); ++i) {
        for (HWND window : user.Dialogs()) {
            char caption[64] = {};
            GetWindowTextA(window, caption, sizeof caption);
            if (std::string(caption) != kCaption || !IsWindowVisible(window)) continue;
            ReadMessage(user, shot.empty() ? "" : shot + "-refused");
            PrintLine("  user: cancels the rename");
            user.Click(rename, IDCANCEL);
            user.WaitGone(rename);
            return;
        }
        Sleep(5);
    }
}

// The dialog or message box the user faces, once one is up.
HWND TopDialog(CDialogUser &user) {
    for (int i = 0; i < 1000; ++i) {
        for (HWND window : user.Dialogs())
            if (IsWindowVisible(window) && IsWindowEnabled(window)) return window;
        Sleep(5);
    }
    user.Fail("no dialog came up");
    return nullptr;
}

void RunStep(CDialogUser &user, const std::vector<std::string> &step) {
    const std::string &what = step[0];
    std::string arg1 = step.size() > 1 ? step[1] : "", arg2 = step.size() > 2 ? step[2] : "";
    std::string arg3 = step.size() > 3 ? step[3] : "";
    if (what == "message") return ReadMessage(user, arg1);
    if (what == "shot") return Shot(user, TopDialog(user), arg1);
    if (what == "clear" || what == "cancel") {
        HWND list = user.WaitFor(kList);
        if (!list) return;
        PrintLine("  user: clicks " + std::string(what == "clear" ? "Clear" : "Cancel"));
        user.Click(list, what == "clear" ? IDC_CLEAR : IDCANCEL);
        user.WaitGone(list);
        return;
    }
    HWND list = SelectLine(user, arg1);
    if (!list) return;
    if (what == "choose") {
        PrintLine("  user: chooses " + Quote(arg1.c_str()));
        user.Click(list, IDOK);
        user.WaitGone(list);
    } else if (what == "delete") {
        PrintLine("  user: deletes " + Quote(arg1.c_str()));
        Delete(user, list);
    } else if (what == "info") {
        PrintLine("  user: asks for the file of " + Quote(arg1.c_str()));
        user.Click(list, IDC_INFO);
        ReadMessage(user, arg2);
    } else if (what == "rename") {
        PrintLine("  user: renames " + Quote(arg1.c_str()) + " to " + Quote(arg2.c_str()));
        Rename(user, list, arg2, arg3);
    }
}

bool KnownStep(const std::vector<std::string> &step) {
    static const struct {
        const char *name;
        size_t minArgs, maxArgs;
    } kSteps[] = {{"choose", 1, 1}, {"delete", 1, 1}, {"info", 1, 2}, {"rename", 2, 3},
                  {"clear", 0, 0},  {"cancel", 0, 0}, {"message", 0, 1}, {"shot", 1, 1}};
    for (const auto &s : kSteps)
        if (step[0] == s.name) return step.size() - 1 >= s.minArgs && step.size() - 1 <= s.maxArgs;
    return false;
}

}  // namespace

bool RunDialog(CHostSession &session, const CArgs &args) {
    std::vector<std::string> step;
    for (const CToken &arg : args) step.push_back(arg.m_text);
    if (!KnownStep(step)) {
        session.Error("usage: dialog choose|delete|info|rename|clear|cancel|message|shot ...");
        return false;
    }
    g_steps.push_back(step);
    std::string text = "dialog: then";
    for (const std::string &word : step) text += " " + word;
    PrintLine(text);
    return true;
}

void RunWithUser(CHostSession &session, const std::function<void()> &call) {
    std::vector<std::vector<std::string>> steps;
    steps.swap(g_steps);
    CWatcher watcher([&steps](CDialogUser &user) {
        for (const auto &step : steps) RunStep(user, step);
    });
    call();
    for (const std::string &failure : watcher.Finish()) session.Error(failure);
}

bool RunChoose(CHostSession &session, const CArgs &) {
    void *address = session.Export("TagpinSelect");
    if (!address) return false;
    PrintLine("choose: TagpinSelect");
    RunWithUser(session, [address] { reinterpret_cast<void(__cdecl *)(void)>(address)(); });
    int buffer = SimCurrentBuffer();
    const char *path = buffer ? SimBufferPath(buffer) : nullptr;
    PrintLine("choose: returned; the editor is at " + std::string(path ? path : "no buffer") + " " +
              std::to_string(SimCursorLine()) + "," + std::to_string(SimCursorColumn()));
    return true;
}
