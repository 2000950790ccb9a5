// sim_state.cpp - the one simulated editor, made on first use.
#include "sim/sim_state.h"

namespace {
std::unique_ptr<CSimState> g_sim;
}

CSimState &TheSim() {
    if (!g_sim) g_sim.reset(new CSimState);
    return *g_sim;
}

void ResetSim() {
    // The way to the add-in's exports and the frame window belong to the
    // process hosting the editor, not to the editor's contents: they stay.
    SimExportResolver resolver = TheSim().m_settings.m_resolver;
    HWND frame = TheSim().m_settings.m_frameWindow;
    g_sim.reset(new CSimState);
    g_sim->m_settings.m_resolver = resolver;
    g_sim->m_settings.m_frameWindow = frame;
}

CSimLog &SimCallLog() { return TheSim().m_log; }
