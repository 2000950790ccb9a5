// sim_control_addin.cpp - control API: what the add-in registered, and
// calling its exports as the editor does when events fire and commands run.
#include <string>

#include "sim/sim_state.h"

namespace {

typedef int(SIMCALL *CEventExport)(long, long);
typedef int(SIMCALL *CCommandExport)(int, int);

// The export's address, or NULL. The name is copied first: the add-in may
// register anew while it runs.
void *ResolveExport(const char *name) {
    SimExportResolver resolver = TheSim().m_settings.m_resolver;
    if (!name || !resolver) return nullptr;
    std::string copy(name);
    return resolver(copy.c_str());
}

}  // namespace

int SIMAPI SimPrototypeCount(void) { return TheSim().m_registry.PrototypeCount(); }
const char *SIMAPI SimPrototype(int i) { return TheSim().m_registry.Prototype(i); }
const char *SIMAPI SimEventHandler(int eventId) {
    return TheSim().m_registry.EventHandler(eventId);
}
int SIMAPI SimEventHandlerCount(void) { return TheSim().m_registry.EventHandlerCount(); }
const char *SIMAPI SimEventHandlerAt(int i, int *eventId) {
    return TheSim().m_registry.EventHandlerAt(i, eventId);
}
const char *SIMAPI SimCommandHandler(int commandId) { return TheSim().m_menu.Handler(commandId); }

void SIMAPI SimSetExportResolver(SimExportResolver resolver) {
    TheSim().m_settings.m_resolver = resolver;
}

int SIMAPI SimFireEvent(int eventId) {
    void *address = ResolveExport(TheSim().m_registry.EventHandler(eventId));
    if (!address) return -1;
    return reinterpret_cast<CEventExport>(address)(0, 0);
}

int SIMAPI SimFireCommand(int commandId) {
    void *address = ResolveExport(TheSim().m_menu.Handler(commandId));
    if (!address) return -1;
    return reinterpret_cast<CCommandExport>(address)(0, commandId);
}

void SIMAPI SimOpenProject(const char *path) {
    SimSetProject(path);
    SimFireEvent(HOST_EVENT_PROJECT_OPENED);
}

void SIMAPI SimCloseProject(void) {
    SimFireEvent(HOST_EVENT_PROJECT_CLOSING);
    SimSetProject(nullptr);
}
