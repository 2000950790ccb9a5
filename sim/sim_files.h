// sim_files.h - files on the real file system, as the host offers them.
//
// CSimFiles  open files by handle (1, 2, ...), closed on reset
#pragma once

#include <cstdio>
#include <map>
#include <string>

class CSimFiles {
public:
    CSimFiles() : m_next(1) {}
    ~CSimFiles() { CloseAll(); }
    CSimFiles(const CSimFiles &) = delete;
    CSimFiles &operator=(const CSimFiles &) = delete;

    // mode 1 creates (or empties) the file, any other opens it for reading;
    // a nonzero handle, or 0 when that fails.
    int Open(const char *path, int mode);
    // 0 closed, -1 not a handle.
    int Close(int handle);
    void CloseAll();

private:
    std::map<int, FILE *> m_open;
    int m_next;
};

// Nonzero when a regular file exists at path.
bool IsRegularFile(const char *path);
// The whole file; false when it cannot be read.
bool ReadWholeFile(const char *path, std::string &text);
