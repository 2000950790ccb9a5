// mark_value.h - one bookmark as the value of its "Mark" key:
//     name,file,line,column,project
// five fields joined by single commas, the line before the column, the
// project empty when there was none. There is no quoting inside the value,
// so commas in a name, file or project are found again when reading by
// trying the possible splits (see ParseMarkValue).
#pragma once

#include "store/mark_list.h"

#include <string>
#include <unordered_map>

// The value for record (its editor mark is not saved).
std::string FormatMarkValue(const MarkRecord &record);

// Tells whether a file exists at path (the host's HostFileExists).
typedef int (*FileExistsTest)(const char *path);

// Asks test about each path once: a load asks the host about the files and
// projects of its bookmarks, which are mostly the same few paths, and each
// question is a file-system call.
class CFileExistsCache {
public:
    explicit CFileExistsCache(FileExistsTest test) : m_test(test) {}
    bool Exists(const CString &path);

private:
    FileExistsTest m_test;
    std::unordered_map<std::string, bool> m_known;
};

// Fills record from value and answers true when it is to be loaded: its file
// exists and its project is empty or exists (the file asked first, the
// project only for an existing file). The value is split at every
// comma; the first split (fewest commas in the name, then in the file) whose
// line and column are integers and whose file and project exist is taken.
// When none fits, the value is read as earlier versions read it: empty
// pieces skipped, the fifth piece the project, later ones ignored, numbers
// read up to their first other character. editorMark is NO_EDITOR_MARK.
bool ParseMarkValue(const std::string &value, MarkRecord &record, CFileExistsCache &exists);
