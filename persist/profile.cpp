// profile.cpp - CProfileFile: reading, changing and writing a profile file.
#include "persist/profile.h"

#include <string.h>

static const char kUtf8Bom[] = "\xEF\xBB\xBF";

// Length of the line starting at data[0], its end included.
static size_t MeasureLine(const char *data, size_t size)
{
    for (size_t i = 0; i < size; i++) {
        if (data[i] == '\n') return i + 1;
        if (data[i] == '\r') return (i + 1 < size && data[i + 1] == '\n') ? i + 2 : i + 1;
    }
    return size;
}

// True when text could stand in a line without breaking it or being cut.
static bool IsLineText(const std::string &text)
{
    return text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

CProfileFile::CProfileFile()
{
    Parse("", 0);
}

void CProfileFile::Parse(const char *data, size_t size)
{
    m_bom.clear();
    m_sections.assign(1, CProfileSection());
    if (size >= 3 && memcmp(data, kUtf8Bom, 3) == 0) {
        m_bom.assign(data, 3);
        data += 3;
        size -= 3;
    }
    while (size > 0) {
        size_t length = MeasureLine(data, size);
        CProfileLine line(std::string(data, length));
        if (line.GetKind() == CProfileLine::KIND_HEADER)
            m_sections.emplace_back(std::move(line));
        else
            m_sections.back().AddLine(std::move(line));
        data += length;
        size -= length;
    }
    IndexSections();
}

std::string CProfileFile::Serialize() const
{
    std::string out(m_bom);
    for (const CProfileSection &section : m_sections) section.AppendText(out);
    return out;
}

bool CProfileFile::GetValue(const std::string &section, const std::string &key,
                            std::string &value) const
{
    const CProfileSection *found = FindSection(FoldProfileName(TrimProfileText(section)));
    if (!found) return false;
    const CProfileLine *line = found->FindKey(FoldProfileName(TrimProfileText(key)));
    if (!line || !line->HasValue()) return false;
    value = line->GetValue();
    return true;
}

std::vector<std::string> CProfileFile::KeyNames(const std::string &section) const
{
    std::vector<std::string> names;
    const CProfileSection *found = FindSection(FoldProfileName(section));
    if (found) found->AppendKeyNames(names);
    return names;
}

std::vector<std::string> CProfileFile::FoldedKeyNames(const std::string &section) const
{
    std::vector<std::string> names;
    const CProfileSection *found = FindSection(FoldProfileName(TrimProfileText(section)));
    if (found) found->AppendFoldedKeyNames(names);
    return names;
}

bool CProfileFile::SetValue(const std::string &section, const std::string &key,
                            const std::string &value)
{
    if (!IsLineText(section) || !IsLineText(key) || !IsLineText(value)) return false;
    std::string folded = FoldProfileName(TrimProfileText(key));
    std::string name = TrimProfileStart(key), text = TrimProfileStart(value);
    CProfileLine line(name + "=" + text);
    if (folded.empty() || line.GetKind() != CProfileLine::KIND_KEY ||
        FoldProfileName(line.GetName()) != folded)
        return false;
    CProfileSection *target = FindSection(FoldProfileName(TrimProfileText(section)));
    if (!target && !(target = AddSection(section))) return false;
    // Like the platform routine, leave an equal value alone, however it is
    // spaced or quoted.
    const CProfileLine *old = target->FindKey(folded);
    if (old && old->HasValue() && old->GetRawValue() == text) return true;
    target->PutKey(name, text);
    return true;
}

bool CProfileFile::RemoveSection(const std::string &section)
{
    // The platform compares this name untrimmed, against trimmed ones.
    auto found = m_index.find(FoldProfileName(section));
    if (found == m_index.end()) return false;
    // The part above the first header is there in every file that is read,
    // so a "[]" section below it stays hidden: empty that part, keep it.
    if (found->second == 0) m_sections[0] = CProfileSection();
    else m_sections.erase(m_sections.begin() + found->second);
    IndexSections();
    return true;
}

CProfileSection *CProfileFile::FindSection(const std::string &folded)
{
    auto found = m_index.find(folded);
    return found == m_index.end() ? nullptr : &m_sections[found->second];
}

const CProfileSection *CProfileFile::FindSection(const std::string &folded) const
{
    auto found = m_index.find(folded);
    return found == m_index.end() ? nullptr : &m_sections[found->second];
}

// Adds "[name]" at the end of the file; NULL when the header would not read
// back as that name, or for "" (the platform writes no header for it).
CProfileSection *CProfileFile::AddSection(const std::string &name)
{
    CProfileLine header("[" + TrimProfileStart(name) + "]\r\n");
    if (header.GetKind() != CProfileLine::KIND_HEADER || header.GetName().empty() ||
        header.GetName() != TrimProfileText(name))
        return nullptr;
    m_sections.back().AddLineEnd();
    m_sections.emplace_back(std::move(header));
    m_index.emplace(m_sections.back().GetFoldedName(), m_sections.size() - 1);
    return &m_sections.back();
}

void CProfileFile::IndexSections()
{
    m_index.clear();
    for (size_t i = 0; i < m_sections.size(); i++)
        m_index.emplace(m_sections[i].GetFoldedName(), i);
}
