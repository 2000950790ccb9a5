// save_marks.cpp - where the save file lies, loading it at start-up, and
// writing or removing it when the host finishes.
#include "addin/tagpin_app.h"
#include "host/host.h"
#include "persist/save_file.h"

#include <string.h>

#include <new>

static const char kSaveFileName[] = "tagpin.ini";

// The folder of the host's module path, and tagpin.ini in it. Without a
// usable folder (no path, no backslash, or one too long for a path of 259
// bytes) the save file is the bare name tagpin.ini.
void CTagpinApp::ComputeSaveFilePath() {
    const char *module = HostModulePath();
    const char *slash = module ? strrchr(module, '\\') : nullptr;
    size_t folder = slash ? (size_t)(slash - module) + 1 : 0;
    if (folder + sizeof kSaveFileName > sizeof m_saveFilePath) folder = 0;
    if (folder) memcpy(m_saveFilePath, module, folder);
    memcpy(m_saveFilePath + folder, kSaveFileName, sizeof kSaveFileName);
}

static int FileExists(const char *path) { return HostFileExists(path); }

// Bookmarks whose file, or whose non-empty project, no longer exists are
// left out; the host is asked about each path once. Loaded bookmarks carry
// no editor mark.
void CTagpinApp::LoadMarks() {
    if (!HostFileExists(m_saveFilePath)) return;
    try {
        CSaveFile file(m_saveFilePath);
        file.Load();
        int count = file.ReadMarkCount();
        if (count < 1) return;
        CFileExistsCache exists(FileExists);
        for (int index : file.MarkIndexes(count)) {
            MarkRecord record;
            if (file.ReadMarkRecord(index, record, exists)) m_marks.Add(record);
        }
    } catch (const std::bad_alloc &) {
        // Out of memory: what was loaded so far stays loaded.
    }
}

// The section "Save" is rewritten whole, so no key of a longer earlier list
// remains; the new file replaces the old one only once it is complete.
void CTagpinApp::SaveMarks() {
    unsigned count = m_marks.GetCount();
    if (count == 0) {
        DeleteSaveFile();
        return;
    }
    try {
        CSaveFile file(m_saveFilePath);
        if (HostFileExists(m_saveFilePath)) {
            // A file that is there but cannot be read is left alone: writing
            // would lose whatever else it holds.
            if (!file.Load()) return;
            file.WriteKey(nullptr, nullptr);
        } else {
            HostFileClose(HostFileOpen(m_saveFilePath, 1));
        }
        file.WriteMarkCount(count);
        for (unsigned i = 0; i < count; ++i) file.WriteMarkRecord(i + 1, m_marks.GetAt(i));
        file.Store();
    } catch (const std::bad_alloc &) {
        // Out of memory: the old file stays as it was.
    }
}

// The framework's Delete slot, which this object gives to removing the save
// file.
void CTagpinApp::Delete() {
    if (HostFileExists(m_saveFilePath)) HostFileDelete(m_saveFilePath);
}
