// profile_section.cpp - a section's lines and the index of its keys.
#include "persist/profile_section.h"

#include <utility>

CProfileSection::CProfileSection()
    : m_hasHeader(false), m_header(std::string()), m_content(0)
{
}

CProfileSection::CProfileSection(CProfileLine header)
    : m_hasHeader(true), m_header(std::move(header)),
      m_folded(FoldProfileName(m_header.GetName())), m_content(0)
{
}

void CProfileSection::AddLine(CProfileLine line)
{
    if (line.GetKind() == CProfileLine::KIND_KEY)
        m_keys.emplace(FoldProfileName(line.GetName()), m_lines.size());
    m_lines.push_back(std::move(line));
    if (m_lines.back().GetKind() != CProfileLine::KIND_BLANK) m_content = m_lines.size();
}

const CProfileLine *CProfileSection::FindKey(const std::string &folded) const
{
    auto found = m_keys.find(folded);
    return found == m_keys.end() ? nullptr : &m_lines[found->second];
}

void CProfileSection::PutKey(const std::string &key, const std::string &value)
{
    CProfileLine line(key + "=" + value + "\r\n");
    std::string folded = FoldProfileName(line.GetName());
    auto found = m_keys.find(folded);
    if (found != m_keys.end()) {
        CProfileLine &old = m_lines[found->second];
        old = CProfileLine(old.GetName() + "=" + value + old.GetLineEnd());
        return;
    }
    // Only blank lines follow m_content, so the indexes of keys stay valid.
    if (m_content > 0) m_lines[m_content - 1].AddLineEnd();
    else if (m_hasHeader) m_header.AddLineEnd();
    m_keys.emplace(folded, m_content);
    m_lines.insert(m_lines.begin() + m_content, std::move(line));
    m_content++;
}

void CProfileSection::AppendKeyNames(std::vector<std::string> &names) const
{
    // The platform loads no key from a line with nothing before its '=' right
    // after a key whose name is empty; and a list that starts with an empty
    // name reads as no list at all.
    size_t first = names.size();
    bool afterEmpty = false;
    for (const CProfileLine &line : m_lines) {
        if (line.GetKind() != CProfileLine::KIND_KEY) continue;
        std::string name = line.GetName();
        bool skipped = afterEmpty && line.HasBareName();
        afterEmpty = skipped || name.empty();
        if (!skipped && line.HasValue() && (name.empty() || name[0] != ';'))
            names.push_back(name);
    }
    if (names.size() > first && names[first].empty()) names.resize(first);
}

void CProfileSection::AppendFoldedKeyNames(std::vector<std::string> &names) const
{
    for (const auto &key : m_keys) names.push_back(key.first);
}

bool CProfileSection::HasLineEnd() const
{
    if (!m_lines.empty()) return m_lines.back().HasLineEnd();
    return !m_hasHeader || m_header.HasLineEnd();
}

void CProfileSection::AddLineEnd()
{
    if (!m_lines.empty()) m_lines.back().AddLineEnd();
    else if (m_hasHeader) m_header.AddLineEnd();
}

void CProfileSection::AppendText(std::string &out) const
{
    out += m_header.GetText();
    for (const CProfileLine &line : m_lines) out += line.GetText();
}
