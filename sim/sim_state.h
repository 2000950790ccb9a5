// sim_state.h - the whole state of the simulated editor.
//
// COptionalText  a text that may be absent (NULL)
// CSimSettings   flag words, paths, window, project, selection, resolver
// CSimState      everything the host functions and the control API share
#pragma once

#include <memory>
#include <string>

#include "host/host.h"
#include "sim/sim.h"
#include "sim/sim_editor.h"
#include "sim/sim_files.h"
#include "sim/sim_log.h"
#include "sim/sim_menu.h"
#include "sim/sim_prompt.h"
#include "sim/sim_registry.h"
#include "sim/sim_strings.h"

class COptionalText {
public:
    COptionalText() : m_set(false) {}
    void Set(const char *text) {
        m_set = text != nullptr;
        m_text = text ? text : "";
    }
    // The text, or NULL; the pointer stays valid until the next Set.
    const char *Get() const { return m_set ? m_text.c_str() : nullptr; }

private:
    bool m_set;
    std::string m_text;
};

struct CSimSettings {
    unsigned m_callFlags = 0;
    unsigned m_configFlags = HOST_CONFIG_SAVE_STATE;
    unsigned m_saveOptions = HOST_SAVE_BOOKMARKS;
    unsigned m_modeFlags = 0;
    unsigned m_bufferFlags = 0;
    int m_markCountOverride = -1;
    COptionalText m_modulePath;
    COptionalText m_project;
    HWND m_frameWindow = nullptr;
    int m_selectionType = 0;
    COptionalText m_selection;
    SimExportResolver m_resolver = nullptr;
};

class CSimState {
public:
    CSimEditor m_editor;
    CSimSettings m_settings;
    CSimPrompt m_prompt;
    CSimMenu m_menu;
    CSimRegistry m_registry;
    CSimStrings m_strings;
    CSimFiles m_files;
    CSimLog m_log;
};

// The one simulated editor.
CSimState &TheSim();
// Replaces it with a fresh one.
void ResetSim();
