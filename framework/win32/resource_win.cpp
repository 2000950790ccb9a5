// resource_win.cpp - the string table and the code page from real Win32.
#include "framework/app.h"
#include "framework/fwplatform.h"
#include "framework/fwstring.h"

int FwLoadStringResource(UINT id, char *buffer, int size) {
    HINSTANCE module = FwResourceHandle();
    // A text's presence is told by its block's resource, since LoadStringA
    // answers 0 both for an empty text and for a missing one.
    HRSRC block = FindResourceA(module, MAKEINTRESOURCEA((id >> 4) + 1), (LPCSTR)RT_STRING);
    if (!block) return -1;
    return LoadStringA(module, id, buffer, size);
}

namespace {
struct CodePage {
    unsigned char fold[256];
    bool lead[256];
    CodePage() {
        for (int c = 0; c < 256; ++c) {
            lead[c] = IsDBCSLeadByte((BYTE)c) != 0;
            char ch[2] = {(char)c, 0};
            if (!lead[c] && c) CharLowerBuffA(ch, 1);
            fold[c] = (unsigned char)ch[0];
        }
    }
};
const CodePage &SystemCodePage() {
    static CodePage table;
    return table;
}
}  // namespace

unsigned char FwFoldByte(unsigned char c) { return SystemCodePage().fold[c]; }
bool FwIsLeadByte(unsigned char c) { return SystemCodePage().lead[c]; }
