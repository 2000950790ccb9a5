// sim_editor.cpp - buffers of the simulated editor and edits in them.
#include "sim/sim_editor.h"

#include <cctype>

bool SamePath(const std::string &a, const char *b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && !b[i];
}

int CSimEditor::Open(const char *path, const char *text) {
    int id = FindOpen(path);
    if (!id) {
        id = static_cast<int>(m_buffers.size()) + 1;
        m_buffers.emplace_back(id, path ? path : "", text);
    }
    m_current = id;
    return id;
}

int CSimEditor::FindOpen(const char *path) const {
    if (!path) return 0;
    for (const CSimBuffer &buffer : m_buffers)
        if (buffer.IsOpen() && SamePath(buffer.Path(), path)) return buffer.Id();
    return 0;
}

void CSimEditor::Close(int id, bool keepMarks) {
    CSimBuffer *buffer = Buffer(id);
    if (!buffer) return;
    buffer->Close();
    if (!keepMarks) m_marks.DeleteInBuffer(id);
    if (m_current == id) m_current = LastOpen();
}

int CSimEditor::LastOpen() const {
    for (size_t i = m_buffers.size(); i > 0; --i)
        if (m_buffers[i - 1].IsOpen()) return static_cast<int>(i);
    return 0;
}

CSimBuffer *CSimEditor::Buffer(int id) {
    if (id < 1 || id > static_cast<int>(m_buffers.size())) return nullptr;
    CSimBuffer &buffer = m_buffers[id - 1];
    return buffer.IsOpen() ? &buffer : nullptr;
}

const CSimBuffer *CSimEditor::AnyBuffer(int id) const {
    if (id < 1 || id > static_cast<int>(m_buffers.size())) return nullptr;
    return &m_buffers[id - 1];
}

int CSimEditor::SetCurrent(int id) {
    int previous = m_current;
    if (Buffer(id)) m_current = id;
    return previous;
}

void CSimEditor::Insert(CTextPos at, const char *text) {
    CSimBuffer *buffer = Current();
    CInsertShape shape;
    if (!buffer || !buffer->Insert(at, text, shape)) return;
    m_marks.MoveForInsert(buffer->Id(), at, shape);
    CTextPos cursor = buffer->Cursor();
    MoveForInsert(cursor, at, shape);
    buffer->SetCursor(cursor);
}

void CSimEditor::Delete(CTextPos from, CTextPos to) {
    CSimBuffer *buffer = Current();
    if (!buffer || !buffer->Delete(from, to)) return;
    m_marks.MoveForDelete(buffer->Id(), from, to);
    CTextPos cursor = buffer->Cursor();
    MoveForDelete(cursor, from, to);
    buffer->SetCursor(cursor);
}
