// sim_files.cpp - opening, closing, testing and reading real files.
#include "sim/sim_files.h"

#include <sys/stat.h>

int CSimFiles::Open(const char *path, int mode) {
    if (!path) return 0;
    FILE *file = std::fopen(path, mode == 1 ? "wb" : "rb");
    if (!file) return 0;
    int handle = m_next++;
    m_open[handle] = file;
    return handle;
}

int CSimFiles::Close(int handle) {
    auto it = m_open.find(handle);
    if (it == m_open.end()) return -1;
    std::fclose(it->second);
    m_open.erase(it);
    return 0;
}

void CSimFiles::CloseAll() {
    for (auto &entry : m_open) std::fclose(entry.second);
    m_open.clear();
}

bool IsRegularFile(const char *path) {
    struct stat info;
    return path && stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

bool ReadWholeFile(const char *path, std::string &text) {
    FILE *file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) return false;
    char block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, got);
    std::fclose(file);
    return true;
}
