// fwplatform.h - what the framework's shared code asks of its platform side.
// framework/win32/ answers from real Win32; framework/headless/ from tables of
// our own so that native tests need no Windows.
#pragma once

#include "framework/platform.h"

// Copies string id of the library's string table into buffer (cut to fit,
// terminated) and answers its length, or -1 when the table has no such text.
int FwLoadStringResource(UINT id, char *buffer, int size);
