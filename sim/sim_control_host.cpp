// sim_control_host.cpp - control API: reset, flags, paths, the prompt queue,
// the menu and the call log.
#include <cstring>

#include "sim/sim_state.h"

void SIMAPI SimReset(void) { ResetSim(); }

void SIMAPI SimSetProject(const char *path) { TheSim().m_settings.m_project.Set(path); }
void SIMAPI SimSetCallFlags(unsigned flags) { TheSim().m_settings.m_callFlags = flags; }
void SIMAPI SimSetConfigFlags(unsigned flags) { TheSim().m_settings.m_configFlags = flags; }
void SIMAPI SimSetSaveOptions(unsigned flags) { TheSim().m_settings.m_saveOptions = flags; }
void SIMAPI SimSetModeFlags(unsigned flags) { TheSim().m_settings.m_modeFlags = flags; }
unsigned SIMAPI SimModeFlags(void) { return TheSim().m_settings.m_modeFlags; }
void SIMAPI SimSetBufferFlags(unsigned flags) { TheSim().m_settings.m_bufferFlags = flags; }
void SIMAPI SimSetModulePath(const char *path) { TheSim().m_settings.m_modulePath.Set(path); }
void SIMAPI SimSetFrameWindow(HWND window) { TheSim().m_settings.m_frameWindow = window; }

void SIMAPI SimQueuePromptAnswer(const char *answer) { TheSim().m_prompt.Queue(answer); }
int SIMAPI SimPendingPromptAnswers(void) { return TheSim().m_prompt.Pending(); }
const char *SIMAPI SimLastPromptDefault(void) { return TheSim().m_prompt.LastDefault(); }

void SIMAPI SimRefuseMenuIds(int first, int last) { TheSim().m_menu.RefuseIds(first, last); }
void SIMAPI SimRefuseSeparator(int refuse) { TheSim().m_menu.RefuseSeparator(refuse != 0); }
void SIMAPI SimFailCommandHandler(int commandId) { TheSim().m_menu.FailHandler(commandId); }
int SIMAPI SimMenuEntryCount(void) { return TheSim().m_menu.Count(); }

namespace {
void CopyText64(char *to, const std::string &text) {
    if (!to) return;
    size_t n = text.size() < 63 ? text.size() : 63;
    std::memcpy(to, text.data(), n);
    to[n] = '\0';
}
}  // namespace

int SIMAPI SimMenuEntry(int i, int *flags, int *commandId, char *label, char *prompt) {
    const CSimMenuEntry *entry = TheSim().m_menu.Entry(i);
    if (!entry) return 0;
    if (flags) *flags = entry->m_flags;
    if (commandId) *commandId = entry->m_commandId;
    CopyText64(label, entry->m_label);
    CopyText64(prompt, entry->m_prompt);
    return 1;
}

int SIMAPI SimLogCount(void) { return SimCallLog().Count(); }
const char *SIMAPI SimLogEntry(int i) { return SimCallLog().Entry(i); }
void SIMAPI SimClearLog(void) { SimCallLog().Clear(); }
void SIMAPI SimEnableLog(int on) { SimCallLog().Enable(on != 0); }
