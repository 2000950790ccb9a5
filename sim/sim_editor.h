// sim_editor.h - buffers, the current buffer and the marks in them.
//
// CSimEditor  opens and closes buffers, edits the current one and keeps its
//             marks and cursor in place around the edits
//
// Buffer ids start at 1 and are never reused: a closed buffer keeps its slot
// (and its path) but is no longer valid.
#pragma once

#include <string>
#include <vector>

#include "sim/sim_buffer.h"
#include "sim/sim_marks.h"

class CSimEditor {
public:
    CSimEditor() : m_current(0) {}

    // The open buffer for path (letter case ignored), or a new one holding
    // text; either way made current. Answers its id.
    int Open(const char *path, const char *text);
    // The open buffer with that path, or 0.
    int FindOpen(const char *path) const;
    void Close(int id, bool keepMarks);

    // The open buffer with that id, or NULL.
    CSimBuffer *Buffer(int id);
    // The buffer with that id, open or closed, or NULL.
    const CSimBuffer *AnyBuffer(int id) const;
    CSimBuffer *Current() { return Buffer(m_current); }
    int CurrentId() const { return m_current; }
    // Makes an open buffer current; answers the buffer current before.
    int SetCurrent(int id);

    void Insert(CTextPos at, const char *text);
    void Delete(CTextPos from, CTextPos to);

    CSimMarks &Marks() { return m_marks; }

private:
    int LastOpen() const;

    std::vector<CSimBuffer> m_buffers;  // id - 1
    int m_current;
    CSimMarks m_marks;
};

// Paths compared as the editor's file system does: letter case ignored.
bool SamePath(const std::string &a, const char *b);
