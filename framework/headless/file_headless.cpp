// file_headless.cpp - replacing a file where rename replaces atomically.
#include "framework/fwfile.h"

#include <stdio.h>

BOOL FwReplaceFile(const char *from, const char *to) { return rename(from, to) == 0; }
