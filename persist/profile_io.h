// profile_io.h - moving a profile file between disk and memory in one piece.
//
// The profile itself is parsed and changed in memory (profile.h); these are
// the only steps that touch the disk, with standard C stdio.
#pragma once

#include <string>

// Reads the whole file at path into data. False, data empty, when the file
// cannot be opened or read (a missing file is the usual case).
bool ReadProfileFile(const char *path, std::string &data);

// Replaces the file at path with data: writes path + ".tmp" beside it,
// flushes and closes it, then moves it over path. False when any step fails;
// the old file is then left as it was and the temporary file is removed, so
// path never holds a partial write.
bool WriteProfileFile(const char *path, const std::string &data);
