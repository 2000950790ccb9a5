// file_win.cpp - replacing a file on Windows, where rename cannot.
#include "framework/fwfile.h"

BOOL FwReplaceFile(const char *from, const char *to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
