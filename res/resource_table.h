// resource_table.h - the texts and dialog templates of tagpin.rc for the
// native build, generated into resource_table.cpp by rcgen at build time.
#pragma once

#include "framework/platform.h"

struct ResourceString {
    UINT id;
    const char *text;
};

extern const ResourceString g_resourceStrings[];
extern const int g_resourceStringCount;

// One control of a template, in template (tab) order. Positions and sizes in
// dialog units; style with WS_CHILD | WS_VISIBLE as the resource compiler
// adds them; classAtom is the system class's atom (0x80 button, 0x81 edit,
// 0x82 static, 0x83 list box).
struct ResourceControl {
    int id;
    WORD classAtom;
    const char *text;
    DWORD style;
    int x, y, cx, cy;
};

struct ResourceDialog {
    UINT id;
    DWORD style;
    int x, y, cx, cy;
    const char *caption;
    const char *fontFace;
    int fontPoints;
    const ResourceControl *controls;
    int controlCount;
};

extern const ResourceDialog g_resourceDialogs[];
extern const int g_resourceDialogCount;
