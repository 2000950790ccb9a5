// tphost_commands.cpp - the table of script commands.
#include "sim/tphost/tphost_commands.h"

#include <cstdio>

namespace {

const CHostCommand kCommands[] = {
    {"load", 0, 1, RunLoad, "load [DLL]"},
    {"unload", 0, 0, RunUnload, "unload"},
    {"init", 0, 0, RunInit, "init"},
    {"call", 1, 1, RunCall, "call EXPORT"},
    {"byproject", 1, 1, RunByProject, "byproject N"},
    {"event", 1, 1, RunEvent, "event ID"},
    {"command", 1, 1, RunCommand, "command ID"},
    {"open", 1, 2, RunOpen, "open PATH [\"text\"]"},
    {"cursor", 2, 2, RunCursor, "cursor LINE COLUMN"},
    {"insert", 3, 3, RunInsert, "insert LINE COLUMN \"text\""},
    {"delete", 4, 4, RunDelete, "delete LINE COLUMN END_LINE END_COLUMN"},
    {"select", 2, 2, RunSelect, "select TYPE \"text\"|NULL"},
    {"answer", 1, 1, RunAnswer, "answer \"text\"|NULL"},
    {"project", 1, 1, RunProject, "project PATH|NONE"},
    {"modulepath", 1, 1, RunModulePath, "modulepath PATH|NULL"},
    {"flags", 2, 2, RunFlags, "flags config|save|call|mode|buffer VALUE"},
    {"say", 1, 1, RunSay, "say \"text\""},
    {"write", 2, 2, RunWrite, "write PATH \"text\""},
    {"remove", 1, 1, RunRemove, "remove PATH"},
    {"quit", 0, 0, RunQuit, "quit"},
    {"close", 0, 0, RunClose, "close"},
    {"offered", 0, 0, RunOffered, "offered"},
    {"where", 0, 0, RunWhere, "where"},
    {"log", 0, 0, RunLog, "log"},
    {"marks", 0, 0, RunMarks, "marks"},
    {"file", 1, 1, RunFile, "file PATH"},
    {"registrations", 0, 0, RunRegistrations, "registrations"},
    {"menu", 0, 0, RunMenu, "menu"},
    {"dialog", 1, 4, RunDialog, "dialog STEP [ARGS]"},
    {"choose", 0, 0, RunChoose, "choose"},
};

}  // namespace

const CHostCommand *FindHostCommand(const std::string &name) {
    for (const CHostCommand &command : kCommands)
        if (name == command.m_name) return &command;
    return nullptr;
}

bool IntArgs(CHostSession &session, const CArgs &args, size_t first, size_t count, int *values) {
    for (size_t i = 0; i < count; ++i) {
        long long value = 0;
        if (first + i >= args.size()) {
            session.Error("a number is missing");
            return false;
        }
        if (!ParseInt(args[first + i], value)) {
            session.Error("not a number: " + Quote(args[first + i].m_text.c_str()));
            return false;
        }
        values[i] = static_cast<int>(value);
    }
    return true;
}

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}
