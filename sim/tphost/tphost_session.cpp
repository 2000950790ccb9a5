// tphost_session.cpp - starting the editor, playing the script, finishing.
#include "sim/tphost/tphost_session.h"

#include <cstdio>

#include "sim/sim.h"

namespace {

// The add-in the simulator calls when events fire and commands run.
HMODULE g_resolverModule = nullptr;

void *SIMCALL ResolveAddinExport(const char *name) {
    if (!g_resolverModule || !name) return nullptr;
    return reinterpret_cast<void *>(GetProcAddress(g_resolverModule, name));
}

// The save file's folder is the folder the script runs in.
std::string ModulePathInWorkingFolder() {
    char folder[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder) return "rs.exe";
    std::string path(folder);
    if (path.back() != '\\') path += '\\';
    return path + "rs.exe";
}

}  // namespace

void PrintLine(const std::string &line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

CHostSession::CHostSession() : m_addin(nullptr), m_lineNumber(0), m_logShown(0), m_failed(false) {}

bool CHostSession::Start() {
    if (!m_frame.Create("Ravensheet (simulated)")) {
        PrintLine("error: the frame window could not be created");
        m_failed = true;
        return false;
    }
    SimSetFrameWindow(m_frame.Handle());
    SimSetModulePath(ModulePathInWorkingFolder().c_str());
    SimSetExportResolver(&ResolveAddinExport);
    return true;
}

void CHostSession::Run(const std::vector<std::string> &lines) {
    for (const std::string &line : lines) {
        ++m_lineNumber;
        RunLine(line);
        m_frame.Pump();
    }
}

void CHostSession::RunLine(const std::string &line) {
    CArgs tokens;
    std::string error;
    if (!SplitScriptLine(line, tokens, error)) return Error(error);
    if (tokens.empty()) return;
    const CHostCommand *command = FindHostCommand(tokens[0].m_text);
    if (!command || tokens[0].m_quoted) return Error("unknown command " + Quote(tokens[0].m_text.c_str()));
    CArgs args(tokens.begin() + 1, tokens.end());
    int count = static_cast<int>(args.size());
    if (count < command->m_minArgs || count > command->m_maxArgs)
        return Error(std::string("usage: ") + command->m_usage);
    command->m_run(*this, args);
}

void CHostSession::Finish() {
    if (m_addin) {
        FreeLibrary(m_addin);
        SetAddin(nullptr);
        PrintLine("end: tagpin.dll unloaded");
    }
    m_frame.Destroy();
}

void CHostSession::SetAddin(HMODULE addin) {
    m_addin = addin;
    g_resolverModule = addin;
}

void *CHostSession::Export(const char *name) {
    if (!m_addin) {
        Error("the add-in is not loaded");
        return nullptr;
    }
    void *address = reinterpret_cast<void *>(GetProcAddress(m_addin, name));
    if (!address) Error(std::string("the add-in has no export ") + name);
    return address;
}

void CHostSession::Error(const std::string &message) {
    PrintLine("error: line " + std::to_string(m_lineNumber) + ": " + message);
    m_failed = true;
}

int CHostSession::TakeLogStart(int count) {
    int start = m_logShown < count ? m_logShown : count;
    m_logShown = count;
    return start;
}
