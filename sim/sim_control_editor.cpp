// sim_control_editor.cpp - control API: buffers, text, selection, marks.
#include <cstring>

#include "sim/sim_state.h"

namespace {
std::string g_bufferText;  // SimBufferText's answer
}

int SIMAPI SimOpenBuffer(const char *path, const char *text) {
    return TheSim().m_editor.Open(path, text);
}

void SIMAPI SimCloseBuffer(int buffer, int keepMarks) {
    TheSim().m_editor.Close(buffer, keepMarks != 0);
}

int SIMAPI SimCurrentBuffer(void) { return TheSim().m_editor.CurrentId(); }

void SIMAPI SimSetCurrentBuffer(int buffer) { TheSim().m_editor.SetCurrent(buffer); }

void SIMAPI SimSetCursor(int line, int column) {
    CSimBuffer *buffer = TheSim().m_editor.Current();
    if (buffer) buffer->SetCursor(CTextPos{line < 1 ? 1 : line, column < 1 ? 1 : column});
}

int SIMAPI SimCursorLine(void) {
    CSimBuffer *buffer = TheSim().m_editor.Current();
    return buffer ? buffer->Cursor().m_line : 0;
}

int SIMAPI SimCursorColumn(void) {
    CSimBuffer *buffer = TheSim().m_editor.Current();
    return buffer ? buffer->Cursor().m_column : 0;
}

void SIMAPI SimInsertText(int line, int column, const char *text) {
    TheSim().m_editor.Insert(CTextPos{line, column}, text);
}

void SIMAPI SimDeleteText(int line, int column, int endLine, int endColumn) {
    TheSim().m_editor.Delete(CTextPos{line, column}, CTextPos{endLine, endColumn});
}

const char *SIMAPI SimBufferText(void) {
    CSimBuffer *buffer = TheSim().m_editor.Current();
    g_bufferText = buffer ? buffer->Text() : std::string();
    return g_bufferText.c_str();
}

void SIMAPI SimSetSelection(int type, const char *text) {
    CSimSettings &settings = TheSim().m_settings;
    settings.m_selectionType = type;
    settings.m_selection.Set(text);
}

const char *SIMAPI SimBufferPath(int buffer) {
    const CSimBuffer *found = TheSim().m_editor.AnyBuffer(buffer);
    return found ? found->Path().c_str() : nullptr;
}

int SIMAPI SimOutstandingStrings(void) { return TheSim().m_strings.Outstanding(); }

int SIMAPI SimPlaceMark(int buffer, int line, int column) {
    return TheSim().m_editor.Marks().Place(buffer, CTextPos{line, column});
}

void SIMAPI SimDeleteMark(int markId) { TheSim().m_editor.Marks().Delete(markId); }

int SIMAPI SimMarkPlace(int markId, int *buffer, int *line, int *column) {
    const CSimMark *mark = TheSim().m_editor.Marks().Find(markId);
    if (!mark) return 0;
    if (buffer) *buffer = mark->m_buffer;
    if (line) *line = mark->m_pos.m_line;
    if (column) *column = mark->m_pos.m_column;
    return 1;
}

void SIMAPI SimSetMarkCountOverride(int n) {
    TheSim().m_settings.m_markCountOverride = n < 0 ? -1 : n;
}
