// tphost_cmd_editor.cpp - what the user does in the editor: open files, move
// the cursor, type, select, answer prompts, switch projects.
#include <cstring>

#include "sim/sim.h"
#include "sim/tphost/tphost_commands.h"

namespace {

std::string Place(int line, int column) {
    return std::to_string(line) + "," + std::to_string(column);
}

}  // namespace

bool RunOpen(CHostSession &, const CArgs &args) {
    const char *path = args[0].m_text.c_str();
    const char *text = args.size() > 1 ? args[1].m_text.c_str() : "";
    int buffer = SimOpenBuffer(path, text);
    PrintLine("open " + args[0].m_text + ": buffer " + std::to_string(buffer));
    return true;
}

bool RunCursor(CHostSession &session, const CArgs &args) {
    int place[2];
    if (!IntArgs(session, args, 0, 2, place)) return false;
    SimSetCursor(place[0], place[1]);
    PrintLine("cursor: " + Place(SimCursorLine(), SimCursorColumn()));
    return true;
}

bool RunInsert(CHostSession &session, const CArgs &args) {
    int place[2];
    if (!IntArgs(session, args, 0, 2, place)) return false;
    SimInsertText(place[0], place[1], args[2].m_text.c_str());
    PrintLine("insert at " + Place(place[0], place[1]) + ": " + Quote(args[2].m_text.c_str()));
    return true;
}

bool RunDelete(CHostSession &session, const CArgs &args) {
    int places[4];
    if (!IntArgs(session, args, 0, 4, places)) return false;
    SimDeleteText(places[0], places[1], places[2], places[3]);
    PrintLine("delete " + Place(places[0], places[1]) + " to " + Place(places[2], places[3]));
    return true;
}

bool RunSelect(CHostSession &session, const CArgs &args) {
    int type = 0;
    if (!IntArgs(session, args, 0, 1, &type)) return false;
    const char *text = TextOrNull(args[1]);
    SimSetSelection(type, text);
    PrintLine("select: type " + std::to_string(type) + ", " + Quote(text));
    return true;
}

bool RunAnswer(CHostSession &, const CArgs &args) {
    const char *answer = TextOrNull(args[0]);
    SimQueuePromptAnswer(answer);
    PrintLine(std::string("answer: ") + (answer ? Quote(answer) : "no answer") + " queued");
    return true;
}

bool RunProject(CHostSession &, const CArgs &args) {
    if (!args[0].m_quoted && args[0].m_text == "NONE") {
        SimCloseProject();
        PrintLine("project: closed");
        return true;
    }
    SimOpenProject(args[0].m_text.c_str());
    PrintLine("project: " + args[0].m_text + " opened");
    return true;
}

bool RunModulePath(CHostSession &, const CArgs &args) {
    const char *path = TextOrNull(args[0]);
    SimSetModulePath(path);
    PrintLine(std::string("modulepath: ") + (path ? path : "NULL"));
    return true;
}

bool RunFlags(CHostSession &session, const CArgs &args) {
    static const struct {
        const char *m_kind;
        void(SIMCALL *m_set)(unsigned);
    } kinds[] = {
        {"config", SimSetConfigFlags}, {"save", SimSetSaveOptions}, {"call", SimSetCallFlags},
        {"mode", SimSetModeFlags},     {"buffer", SimSetBufferFlags},
    };
    int value = 0;
    if (!IntArgs(session, args, 1, 1, &value)) return false;
    for (const auto &kind : kinds) {
        if (args[0].m_text != kind.m_kind) continue;
        kind.m_set(static_cast<unsigned>(value));
        PrintLine("flags " + args[0].m_text + ": " + Hex(static_cast<unsigned>(value)));
        return true;
    }
    session.Error("no such flag word: " + args[0].m_text);
    return false;
}

bool RunSay(CHostSession &, const CArgs &args) {
    PrintLine(args[0].m_text);
    return true;
}
