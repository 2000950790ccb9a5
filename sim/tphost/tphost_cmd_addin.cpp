// tphost_cmd_addin.cpp - loading the add-in and calling its exports.
#include "sim/tphost/tphost_commands.h"
#include "sim/sim.h"

namespace {

typedef void(__cdecl *CVoidExport)(void);
typedef void(__cdecl *CIntExport)(int);

const char kAddinFile[] = "tagpin.dll";

// Calls a void(void) export; false after an error.
bool CallVoidExport(CHostSession &session, const char *name, const char *step) {
    void *address = session.Export(name);
    if (!address) return false;
    RunWithUser(session, [address] { reinterpret_cast<CVoidExport>(address)(); });
    PrintLine(std::string(step) + ": " + name + " returned");
    return true;
}

}  // namespace

bool RunLoad(CHostSession &session, const CArgs &args) {
    std::string file = args.empty() ? kAddinFile : args[0].m_text;
    if (session.Addin()) {
        session.Error("the add-in is already loaded");
        return false;
    }
    HMODULE addin = LoadLibraryA(file.c_str());
    if (!addin) {
        session.Error(file + " not loaded (error " + std::to_string(GetLastError()) + ")");
        return false;
    }
    session.SetAddin(addin);
    PrintLine("load: " + file + " loaded");
    return true;
}

bool RunUnload(CHostSession &session, const CArgs &) {
    if (!session.Addin()) {
        session.Error("the add-in is not loaded");
        return false;
    }
    FreeLibrary(session.Addin());
    session.SetAddin(nullptr);
    PrintLine("unload: add-in unloaded");
    return true;
}

bool RunInit(CHostSession &session, const CArgs &) {
    return CallVoidExport(session, "_init", "init");
}

bool RunCall(CHostSession &session, const CArgs &args) {
    return CallVoidExport(session, args[0].m_text.c_str(), "call");
}

bool RunByProject(CHostSession &session, const CArgs &args) {
    int value = 0;
    if (!IntArgs(session, args, 0, 1, &value)) return false;
    void *address = session.Export("TagpinByProject");
    if (!address) return false;
    reinterpret_cast<CIntExport>(address)(value);
    PrintLine("byproject " + std::to_string(value) + ": TagpinByProject returned");
    return true;
}

// Fires an event or a command the way the editor does: through the export
// registered for it, with the scripted user at any dialog it shows.
static bool FireRegistered(CHostSession &session, const std::string &step, const char *handler,
                           const char *missing, const std::function<int()> &fire) {
    if (!handler) {
        PrintLine(step + missing);
        return true;
    }
    std::string name = handler;
    if (!session.Export(name.c_str())) return false;
    int result = 0;
    RunWithUser(session, [&result, &fire] { result = fire(); });
    PrintLine(step + name + " returned " + std::to_string(result));
    return true;
}

bool RunEvent(CHostSession &session, const CArgs &args) {
    int eventId = 0;
    if (!IntArgs(session, args, 0, 1, &eventId)) return false;
    return FireRegistered(session, "event " + Hex(eventId) + ": ", SimEventHandler(eventId),
                          "no handler registered", [eventId] { return SimFireEvent(eventId); });
}

bool RunCommand(CHostSession &session, const CArgs &args) {
    int commandId = 0;
    if (!IntArgs(session, args, 0, 1, &commandId)) return false;
    return FireRegistered(session, "command " + Hex(commandId) + ": ", SimCommandHandler(commandId),
                          "no handler set", [commandId] { return SimFireCommand(commandId); });
}
