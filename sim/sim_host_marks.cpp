// sim_host_marks.cpp - the host's editor marks.
#include "sim/sim_state.h"

namespace {
const CSimMark *FindMark(int markId) { return TheSim().m_editor.Marks().Find(markId); }
}  // namespace

int HOSTAPI HostMarkPlace(void) {
    CLogLine("HostMarkPlace");
    CSimEditor &editor = TheSim().m_editor;
    CSimBuffer *buffer = editor.Current();
    if (!buffer) return -1;
    return editor.Marks().Place(buffer->Id(), buffer->Cursor());
}

int HOSTAPI HostMarkDelete(int markId) {
    CLogLine("HostMarkDelete").Int(markId);
    return TheSim().m_editor.Marks().Delete(markId) ? 0 : -1;
}

int HOSTAPI HostMarkExists(int markId) {
    CLogLine("HostMarkExists").Int(markId);
    return FindMark(markId) ? 1 : 0;
}

int HOSTAPI HostMarkRow(int markId) {
    CLogLine("HostMarkRow").Int(markId);
    const CSimMark *mark = FindMark(markId);
    return mark ? mark->m_pos.m_line : 0;
}

int HOSTAPI HostMarkColumn(int markId) {
    CLogLine("HostMarkColumn").Int(markId);
    const CSimMark *mark = FindMark(markId);
    return mark ? mark->m_pos.m_column : 0;
}

int HOSTAPI HostMarkBuffer(int markId) {
    CLogLine("HostMarkBuffer").Int(markId);
    const CSimMark *mark = FindMark(markId);
    return mark ? mark->m_buffer : 0;
}

int HOSTAPI HostMarkCount(void) {
    CLogLine("HostMarkCount");
    CSimState &sim = TheSim();
    int override = sim.m_settings.m_markCountOverride;
    return override >= 0 ? override : sim.m_editor.Marks().HighestIndex();
}
