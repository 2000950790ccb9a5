// fwfile.h - the one file operation that differs between the platforms.
#pragma once

#include "framework/platform.h"

// Moves file from over file to, replacing to if it exists, in one step that
// happens whole or not at all. FALSE when it did not happen.
BOOL FwReplaceFile(const char *from, const char *to);
