// save_file.h - CSaveFile, the section "Save" of the save file tagpin.ini.
//
// Classes: CSaveFile.
//
// The section holds "NumberOfMarks" and one key "Mark1", "Mark2", ... per
// bookmark (mark_value.h). The file is read once into memory and written
// once, whole, by replacing the old file only when the new one is complete;
// the keys in between are read and set in memory. Other sections of the file
// are kept as they were.
#pragma once

#include "framework/fwstring.h"
#include "persist/mark_value.h"
#include "persist/profile.h"

#include <vector>

class CSaveFile {
public:
    explicit CSaveFile(const char *path) : m_path(path) {}

    // Reads the file; false when it cannot be read (then it holds nothing).
    bool Load();
    // Writes the file as it now stands; false when it could not be written
    // (the old file, if any, is then unchanged).
    bool Store() const;

    // The value of key in "Save", whole, or the empty text when the key or
    // the file is missing.
    void ReadKey(const char *key, std::string &value) const;
    // Sets key in "Save" to value; with both NULL removes the whole section
    // (and any further section of that name).
    void WriteKey(const char *key, const char *value);

    // "NumberOfMarks" read as an unsigned decimal number up to the first
    // other character (0 without digits). A number too large for an int
    // counts as the largest one, so every key there is loaded rather than
    // none (and the next save would then remove the file).
    int ReadMarkCount() const;
    void WriteMarkCount(unsigned count);
    // The indexes from 1 to count that have a "Mark" key, in rising order.
    std::vector<int> MarkIndexes(int count) const;
    // Reads key "Mark<index>" into record; true when the bookmark is to be
    // loaded (see ParseMarkValue).
    bool ReadMarkRecord(int index, MarkRecord &record, CFileExistsCache &exists) const;
    void WriteMarkRecord(int index, const MarkRecord &record);

private:
    CString m_path;
    CProfileFile m_profile;
};
