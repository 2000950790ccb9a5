// sim_host_text.cpp - the host's mode and buffer flags, the selection, the
// word at the cursor and the prompt.
#include <string>

#include "sim/sim_state.h"

unsigned HOSTAPI HostModeFlags(void) {
    CLogLine("HostModeFlags");
    return TheSim().m_settings.m_modeFlags;
}

int HOSTAPI HostModeClear(unsigned bit) {
    CLogLine("HostModeClear").Int(bit);
    TheSim().m_settings.m_modeFlags &= ~bit;
    return 0;
}

unsigned HOSTAPI HostBufferFlags(void) {
    CLogLine("HostBufferFlags");
    return TheSim().m_settings.m_bufferFlags;
}

int HOSTAPI HostSelectionType(void) {
    CLogLine("HostSelectionType");
    return TheSim().m_settings.m_selectionType;
}

char *HOSTAPI HostSelectionText(int reserved1, int reserved2) {
    CLogLine("HostSelectionText").Int(reserved1).Int(reserved2);
    CSimState &sim = TheSim();
    const char *text = sim.m_settings.m_selection.Get();
    return text ? sim.m_strings.Give(text) : nullptr;
}

char *HOSTAPI HostWordAtCursor(void) {
    CLogLine("HostWordAtCursor");
    CSimState &sim = TheSim();
    CSimBuffer *buffer = sim.m_editor.Current();
    std::string word;
    if (!buffer || !buffer->WordAt(buffer->Cursor(), word)) return nullptr;
    return sim.m_strings.Give(word);
}

void HOSTAPI HostFreeString(char *text) {
    CSimStrings &strings = TheSim().m_strings;
    // Only a text the host gave out is safe to read; anything else shows as ?.
    if (!text || strings.IsGiven(text))
        CLogLine("HostFreeString").Text(text);
    else
        CLogLine("HostFreeString").Text("?");
    strings.TakeBack(text);
}

const char *HOSTAPI HostPrompt(const char *historyKey, const char *prompt, char *defaultAnswer) {
    CLogLine("HostPrompt").Text(historyKey).Text(prompt).Text(defaultAnswer);
    return TheSim().m_prompt.Ask(defaultAnswer);
}
