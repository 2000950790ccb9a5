// addin_dll.h - loads the real tagpin.dll into this process the way the
// editor does, with the simulated editor's libraries already loaded.
#pragma once

#include "sim/sim.h"

#include <windows.h>

#include <string>
#include <vector>

class CAddinDll {
public:
    CAddinDll() { SimReset(); }
    ~CAddinDll() { Unload(); }

    bool Load() {
        m_module = LoadLibraryA("tagpin.dll");
        s_module = m_module;
        SimSetExportResolver(&Resolve);
        return m_module != nullptr;
    }
    void Unload() {
        if (m_module) FreeLibrary(m_module);
        m_module = nullptr;
        s_module = nullptr;
    }
    HMODULE Module() const { return m_module; }
    FARPROC Export(const char *name) const { return GetProcAddress(m_module, name); }
    void Call(const char *name) const {
        if (FARPROC f = Export(name)) reinterpret_cast<void(__cdecl *)(void)>(f)();
    }

private:
    HMODULE m_module = nullptr;
    static HMODULE s_module;
    static void *__cdecl Resolve(const char *name) {
        return s_module ? reinterpret_cast<void *>(GetProcAddress(s_module, name)) : nullptr;
    }
};

inline HMODULE CAddinDll::s_module = nullptr;

// The host calls logged since the last SimClearLog.
inline std::vector<std::string> HostLog() {
    std::vector<std::string> log;
    for (int i = 0; i < SimLogCount(); ++i) log.push_back(SimLogEntry(i));
    return log;
}
