// sim_host_buffers.cpp - the host's buffers: which is current, its file,
// opening files and moving the cursor.
#include <string>

#include "sim/sim_state.h"

int HOSTAPI HostBufferValid(int bufferId) {
    CLogLine("HostBufferValid").Int(bufferId);
    return TheSim().m_editor.Buffer(bufferId) ? 1 : 0;
}

int HOSTAPI HostBufferSetCurrent(int bufferId) {
    CLogLine("HostBufferSetCurrent").Int(bufferId);
    return TheSim().m_editor.SetCurrent(bufferId);
}

int HOSTAPI HostBufferActivate(int bufferId) {
    CLogLine("HostBufferActivate").Int(bufferId);
    CSimEditor &editor = TheSim().m_editor;
    if (!editor.Buffer(bufferId)) return 1;
    editor.SetCurrent(bufferId);
    return 0;
}

const char *HOSTAPI HostBufferFileName(void) {
    CLogLine("HostBufferFileName");
    CSimBuffer *buffer = TheSim().m_editor.Current();
    return buffer ? buffer->Path().c_str() : nullptr;
}

int HOSTAPI HostFileEdit(char *path) {
    CLogLine("HostFileEdit").Text(path);
    if (!path) return 1;
    CSimEditor &editor = TheSim().m_editor;
    if (int open = editor.FindOpen(path)) {
        editor.SetCurrent(open);
        return 0;
    }
    // A file that does not exist yet opens as an empty buffer.
    std::string text;
    ReadWholeFile(path, text);
    editor.Open(path, text.c_str());
    return 0;
}

int HOSTAPI HostMoveTo(int line, int column) {
    CLogLine("HostMoveTo").Int(line).Int(column);
    CSimBuffer *buffer = TheSim().m_editor.Current();
    if (!buffer) return 1;
    buffer->SetCursor(buffer->ClampToText(CTextPos{line, column}));
    return 0;
}
