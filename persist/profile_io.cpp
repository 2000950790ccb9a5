// profile_io.cpp - reading and replacing a profile file with standard C stdio.
#include "persist/profile_io.h"

#include "framework/fwfile.h"

#include <stdio.h>

bool ReadProfileFile(const char *path, std::string &data)
{
    data.clear();
    FILE *file = fopen(path, "rb");
    if (!file) return false;
    char buffer[65536];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, file)) > 0) data.append(buffer, count);
    bool ok = !ferror(file);
    fclose(file);
    if (!ok) data.clear();
    return ok;
}

// Writes data to a new file at path; false when any byte may be missing.
static bool WriteNewFile(const char *path, const std::string &data)
{
    FILE *file = fopen(path, "wb");
    if (!file) return false;
    bool ok = fwrite(data.data(), 1, data.size(), file) == data.size();
    ok = fflush(file) == 0 && ok;
    return fclose(file) == 0 && ok;
}

bool WriteProfileFile(const char *path, const std::string &data)
{
    std::string temporary = std::string(path) + ".tmp";
    if (WriteNewFile(temporary.c_str(), data) && FwReplaceFile(temporary.c_str(), path))
        return true;
    remove(temporary.c_str());
    return false;
}
