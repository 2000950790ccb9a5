// tphost_commands.h - the handlers of the script commands, and helpers they
// share. Each prints one line saying what happened (a listing adds indented
// lines under it) and answers false after reporting an error.
#pragma once

#include <functional>
#include <string>

#include "sim/tphost/tphost_session.h"

// The add-in: loading it and calling it.
bool RunLoad(CHostSession &session, const CArgs &args);
bool RunUnload(CHostSession &session, const CArgs &args);
bool RunInit(CHostSession &session, const CArgs &args);
bool RunCall(CHostSession &session, const CArgs &args);
bool RunByProject(CHostSession &session, const CArgs &args);
bool RunEvent(CHostSession &session, const CArgs &args);
bool RunCommand(CHostSession &session, const CArgs &args);

// The editor: what the user does.
bool RunOpen(CHostSession &session, const CArgs &args);
bool RunCursor(CHostSession &session, const CArgs &args);
bool RunInsert(CHostSession &session, const CArgs &args);
bool RunDelete(CHostSession &session, const CArgs &args);
bool RunSelect(CHostSession &session, const CArgs &args);
bool RunAnswer(CHostSession &session, const CArgs &args);
bool RunProject(CHostSession &session, const CArgs &args);
bool RunModulePath(CHostSession &session, const CArgs &args);
bool RunFlags(CHostSession &session, const CArgs &args);
bool RunSay(CHostSession &session, const CArgs &args);
bool RunWrite(CHostSession &session, const CArgs &args);
bool RunRemove(CHostSession &session, const CArgs &args);
bool RunQuit(CHostSession &session, const CArgs &args);
// Makes call (into the add-in) while the scripted user works through the
// dialog steps queued so far; a dialog or message left open is cancelled
// and reported as an error.
void RunWithUser(CHostSession &session, const std::function<void()> &call);
bool RunClose(CHostSession &session, const CArgs &args);
bool RunOffered(CHostSession &session, const CArgs &args);
bool RunWhere(CHostSession &session, const CArgs &args);

// The add-in's dialogs: queue what the user does in them; run TagpinSelect
// while a watcher does it (tphost_cmd_dialog.cpp).
bool RunDialog(CHostSession &session, const CArgs &args);
bool RunChoose(CHostSession &session, const CArgs &args);

// Listings of what the editor holds.
bool RunLog(CHostSession &session, const CArgs &args);
bool RunMarks(CHostSession &session, const CArgs &args);
bool RunFile(CHostSession &session, const CArgs &args);
bool RunRegistrations(CHostSession &session, const CArgs &args);
bool RunMenu(CHostSession &session, const CArgs &args);

// The integer arguments first..first+count-1 into values; false after an error.
bool IntArgs(CHostSession &session, const CArgs &args, size_t first, size_t count, int *values);
// 0x-prefixed hexadecimal.
std::string Hex(unsigned value);
