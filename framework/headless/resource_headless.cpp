// resource_headless.cpp - the string table from the texts generated out of
// res/tagpin.rc at build time, and a code page without double-byte
// characters in which only A-Z and a-z differ by case.
#include "framework/fwplatform.h"
#include "framework/fwstring.h"
#include "res/resource_table.h"

int FwLoadStringResource(UINT id, char *buffer, int size) {
    for (int i = 0; i < g_resourceStringCount; ++i)
        if (g_resourceStrings[i].id == id) return FwCopyText(buffer, size, g_resourceStrings[i].text);
    return -1;
}

unsigned char FwFoldByte(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }
bool FwIsLeadByte(unsigned char) { return false; }
