// sim_host_files.cpp - the host's project and real files.
#include <cstdio>

#include "sim/sim_state.h"

const char *HOSTAPI HostCurrentProject(void) {
    CLogLine("HostCurrentProject");
    return TheSim().m_settings.m_project.Get();
}

int HOSTAPI HostFileExists(const char *path) {
    CLogLine("HostFileExists").Text(path);
    return IsRegularFile(path) ? 1 : 0;
}

int HOSTAPI HostFileOpen(const char *path, int mode) {
    CLogLine("HostFileOpen").Text(path).Int(mode);
    return TheSim().m_files.Open(path, mode);
}

int HOSTAPI HostFileClose(int handle) {
    CLogLine("HostFileClose").Int(handle);
    return TheSim().m_files.Close(handle);
}

int HOSTAPI HostFileDelete(const char *path) {
    CLogLine("HostFileDelete").Text(path);
    return path && std::remove(path) == 0 ? 0 : -1;
}
