// sim_host_start.cpp - the host's start-up library: registration,
// configuration and the menu.
#include "sim/sim_state.h"

int HOSTAPI HostRegisterPrototype(const char *prototype) {
    CLogLine("HostRegisterPrototype").Text(prototype);
    TheSim().m_registry.AddPrototype(prototype);
    return 0;
}

int HOSTAPI HostRegisterEventHandler(int eventId, int reserved, const char *exportName) {
    CLogLine("HostRegisterEventHandler").Int(eventId).Int(reserved).Text(exportName);
    TheSim().m_registry.AddEventHandler(eventId, exportName);
    return 0;
}

int HOSTAPI HostSetCommandHandler(int commandId, const char *exportName) {
    CLogLine("HostSetCommandHandler").Int(commandId).Text(exportName);
    return TheSim().m_menu.SetHandler(commandId, exportName);
}

int HOSTAPI HostMenuItemCreate(int menu, int flags, int commandId, const char *label,
                               const char *prompt) {
    CLogLine("HostMenuItemCreate").Int(menu).Int(flags).Int(commandId).Text(label).Text(prompt);
    return TheSim().m_menu.Create(menu, flags, commandId, label, prompt);
}

int HOSTAPI HostMenuItemInsert(int menu, int entry) {
    CLogLine("HostMenuItemInsert").Int(menu).Int(entry);
    return TheSim().m_menu.Insert(menu, entry);
}

int HOSTAPI HostMenuItemRemove(int menu, int commandId) {
    CLogLine("HostMenuItemRemove").Int(menu).Int(commandId);
    return TheSim().m_menu.Remove(menu, commandId);
}

unsigned HOSTAPI HostCallFlags(void) {
    CLogLine("HostCallFlags");
    return TheSim().m_settings.m_callFlags;
}

unsigned HOSTAPI HostConfigFlags(void) {
    CLogLine("HostConfigFlags");
    return TheSim().m_settings.m_configFlags;
}

unsigned HOSTAPI HostSaveOptions(int which) {
    CLogLine("HostSaveOptions").Int(which);
    return TheSim().m_settings.m_saveOptions;
}

const char *HOSTAPI HostModulePath(void) {
    CLogLine("HostModulePath");
    return TheSim().m_settings.m_modulePath.Get();
}

HWND HOSTAPI HostFrameWindow(void) {
    CLogLine("HostFrameWindow");
    return TheSim().m_settings.m_frameWindow;
}
