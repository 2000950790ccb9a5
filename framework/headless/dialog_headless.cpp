// dialog_headless.cpp - a modal run without a screen: the dialog is made
// from its template, initialised, and handed to the user the test queued
// for it. The run is over when the user returns; a dialog still open then
// is a failure, so no test ever waits for a dialog.
#include "framework/dialog.h"
#include "framework/headless/screen.h"
#include "framework/headless/user.h"

#include <deque>

namespace {

std::deque<FwDialogUser> s_users;

void RunUser(CScreenWindow *window) {
    if (s_users.empty()) {
        ReportFailure("dialog " + std::to_string(window->templateId) + " came up without a user");
        return;
    }
    FwDialogUser user = s_users.front();
    s_users.pop_front();
    user(window->Handle());
    if (!window->ended)
        ReportFailure("dialog " + std::to_string(window->templateId) + " never ended");
}

}  // namespace

INT_PTR CDialog::DoModal() {
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    CScreenWindow *window = CreateScreenDialog(m_nIDTemplate, owner, this);
    if (!window) return -1;
    m_hWnd = window->Handle();
    m_nModalResult = -1;
    if (OnInitDialog() && !window->focus) window->focus = FirstTabStop(window);
    if (!window->ended) RunUser(window);
    INT_PTR result = window->ended ? m_nModalResult : -1;
    DestroyScreenDialog(window);
    m_hWnd = nullptr;
    return result;
}

void CDialog::EndDialog(int result) {
    CScreenWindow *window = ScreenWindow(m_hWnd);
    if (!window) return ReportFailure("EndDialog on a dialog that is not running");
    m_nModalResult = result;
    window->ended = true;
}

void FwQueueDialogUser(FwDialogUser user) { s_users.push_back(user); }

int FwQueuedDialogUsers() { return (int)s_users.size(); }

void FwResetHeadless() {
    s_users.clear();
    ForgetForeignWindows();
}
