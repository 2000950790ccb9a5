// resource_table.h - the texts of tagpin.rc for the native build, generated
// into resource_table.cpp by rcgen at build time.
#pragma once

#include "framework/platform.h"

struct ResourceString {
    UINT id;
    const char *text;
};

extern const ResourceString g_resourceStrings[];
extern const int g_resourceStringCount;
