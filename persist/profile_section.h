// profile_section.h - CProfileSection, a section's header and lines with an
// index of its keys.
//
// Classes: CProfileSection.
#pragma once

#include <stddef.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "persist/profile_line.h"

class CProfileSection {
public:
    // The part of a file above its first header, which has no header line.
    CProfileSection();
    explicit CProfileSection(CProfileLine header);

    // The folded name the section is found by; "" for the part above.
    const std::string &GetFoldedName() const { return m_folded; }

    // Adds a line read from the file below the lines already there.
    void AddLine(CProfileLine line);
    // The first key of that folded name, or NULL.
    const CProfileLine *FindKey(const std::string &folded) const;
    // Rewrites the first key of that name as "name=value", keeping the name
    // as the file spells it and the line's end; or else adds "key=value\r\n"
    // after the last non-blank line. The line must read back as that key.
    void PutKey(const std::string &key, const std::string &value);

    // Adds the names of the listed keys (see CProfileFile::KeyNames).
    void AppendKeyNames(std::vector<std::string> &names) const;
    // Adds the folded name of every key FindKey finds, in no particular order.
    void AppendFoldedKeyNames(std::vector<std::string> &names) const;

    bool HasLineEnd() const;
    void AddLineEnd();
    void AppendText(std::string &out) const;

private:
    bool m_hasHeader;
    CProfileLine m_header;
    std::string m_folded;
    std::vector<CProfileLine> m_lines;
    size_t m_content;  // lines up to the last non-blank one
    std::unordered_map<std::string, size_t> m_keys;  // folded name -> first line
};
