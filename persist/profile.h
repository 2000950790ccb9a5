// profile.h - CProfileFile, a profile (INI) file held in memory.
//
// Classes: CProfileFile.
//
// Answers and changes keys the way the platform's GetPrivateProfileStringA
// and WritePrivateProfileStringA do, but on one copy in memory: read the file
// once (profile_io.h), make any number of changes, write it once. Lines that
// no change touches come back from Serialize() byte for byte, in every section.
// (The platform routine rewrites every line tidied: blank lines dropped,
// blanks around '=' removed, "\r\n" everywhere. On a file in that tidy form
// both write the same bytes.)
//
// How a file reads (the platform routines read it the same way):
// - A line ends at "\r\n", "\n" or a lone "\r"; the last one needs no end.
//   Blanks (space, \t, \v, \f, \r, \n and ^Z) around a line, a name or a
//   value do not count; blank lines mean nothing.
// - "[name]" opens a section; the name runs to the line's last ']' and
//   anything after that ']' is ignored. A '[' line without ']' is a key line.
// - Any other line is a key: the name is what stands before the first '=',
//   the value what follows it. ';' lines are keys like any other. A line
//   without '=' is a key without a value: it reads as missing, yet it hides
//   later keys of its name.
// - Names compare without regard to ASCII letter case. Only the first
//   section of a name is ever read or changed, and in it the first key of a
//   name. Lines above the first section form a section named "".
// - A value between a matching pair of '"' or '\'' is read without them.
// - A NUL byte ends the name or value it stands in.
// - A leading UTF-8 byte order mark is skipped (and kept when writing).
//
// Memory is taken from the standard library: std::bad_alloc may escape.
#pragma once

#include <stddef.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "persist/profile_section.h"

class CProfileFile {
public:
    CProfileFile();

    // Replaces the whole content with the text data[0..size).
    void Parse(const char *data, size_t size);
    // The file's bytes as they are now.
    std::string Serialize() const;

    // True with the value of key in section; false, value untouched, when
    // the key is missing or has no '='. Names are trimmed of blanks first.
    bool GetValue(const std::string &section, const std::string &key,
                  std::string &value) const;

    // The names of the keys in the first section of that name, in file order,
    // as GetPrivateProfileStringA(section, NULL, ...) lists them: every key
    // line with '=' (repeated names too) whose name does not start with ';'.
    // An empty name is listed, except that a list starting with one is
    // empty. Like RemoveSection, the section name is not trimmed.
    std::vector<std::string> KeyNames(const std::string &section) const;
    // The names GetValue can find in section, one for each name (its first
    // key line, with '=' or without), folded to small letters, in no
    // particular order. Unlike KeyNames this follows the reading of single
    // keys, not the platform's listing of them. The name is trimmed as for
    // GetValue.
    std::vector<std::string> FoldedKeyNames(const std::string &section) const;

    // Gives key in section this value, as WritePrivateProfileStringA does:
    // the first such key is rewritten in place as "key=value", or the key is
    // added after the section's last non-blank line, or a new section is
    // added at the end of the file; new lines end with "\r\n". Blanks before
    // the names and the value are dropped. False, nothing changed, for text
    // that would not read back as this key and value (line breaks, NUL, '='
    // in the key, an empty key, a key line that reads as a section), and for
    // a missing section named "".
    bool SetValue(const std::string &section, const std::string &key,
                  const std::string &value);

    // Removes the first section of that name with all its lines, as
    // WritePrivateProfileStringA(section, NULL, NULL) does; "" removes the
    // lines above the first section. Like the platform routine, this one
    // does not trim the name: " Save" removes nothing. False when none.
    bool RemoveSection(const std::string &section);

private:
    CProfileSection *FindSection(const std::string &folded);
    const CProfileSection *FindSection(const std::string &folded) const;
    CProfileSection *AddSection(const std::string &name);
    void IndexSections();

    std::string m_bom;
    std::vector<CProfileSection> m_sections;  // [0] is the part above any header
    std::unordered_map<std::string, size_t> m_index;  // folded name -> first section
};
