// profile_line.cpp - reading one line of a profile file.
#include "persist/profile_line.h"

#include <string.h>

bool IsProfileBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
           c == '\r' || c == '\x1a';
}

std::string TrimProfileText(const std::string &text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && IsProfileBlank(text[begin])) begin++;
    while (end > begin && IsProfileBlank(text[end - 1])) end--;
    return text.substr(begin, end - begin);
}

std::string TrimProfileStart(const std::string &text)
{
    size_t begin = 0;
    while (begin < text.size() && IsProfileBlank(text[begin])) begin++;
    return text.substr(begin);
}

std::string FoldProfileName(const std::string &text)
{
    std::string folded(text);
    for (char &c : folded)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return folded;
}

// Narrows [begin, end) of text so that no blank stands at either end.
static void Trim(const std::string &text, size_t &begin, size_t &end)
{
    while (begin < end && IsProfileBlank(text[begin])) begin++;
    while (end > begin && IsProfileBlank(text[end - 1])) end--;
}

CProfileLine::CProfileLine(std::string text)
    : m_text(std::move(text)), m_kind(KIND_BLANK), m_nameBegin(0), m_nameEnd(0),
      m_valueBegin(0), m_valueEnd(0), m_hasValue(false)
{
    size_t begin = 0, end = m_text.size();
    Trim(m_text, begin, end);
    if (begin == end) return;
    size_t close = m_text.rfind(']', end - 1);
    if (m_text[begin] == '[' && close != std::string::npos && close > begin) {
        m_kind = KIND_HEADER;
        m_nameBegin = begin + 1;
        m_nameEnd = close;
        Trim(m_text, m_nameBegin, m_nameEnd);
        return;
    }
    m_kind = KIND_KEY;
    m_nameBegin = begin;
    m_nameEnd = end;
    size_t equals = m_text.find('=', begin);
    if (equals == std::string::npos || equals >= end) return;
    m_hasValue = true;
    m_nameEnd = equals;
    m_valueBegin = equals + 1;
    m_valueEnd = end;
    Trim(m_text, m_nameBegin, m_nameEnd);
    Trim(m_text, m_valueBegin, m_valueEnd);
}

std::string CProfileLine::Cut(size_t begin, size_t end) const
{
    const char *start = m_text.data() + begin;
    const void *nul = memchr(start, '\0', end - begin);
    size_t length = nul ? size_t(static_cast<const char *>(nul) - start) : end - begin;
    return std::string(start, length);
}

std::string CProfileLine::GetName() const
{
    return Cut(m_nameBegin, m_nameEnd);
}

std::string CProfileLine::GetRawValue() const
{
    return m_hasValue ? Cut(m_valueBegin, m_valueEnd) : std::string();
}

std::string CProfileLine::GetValue() const
{
    std::string value = GetRawValue();
    size_t size = value.size();
    bool quoted = size >= 2 && (value[0] == '"' || value[0] == '\'') &&
                  value[size - 1] == value[0];
    return quoted ? value.substr(1, size - 2) : value;
}

std::string CProfileLine::GetLineEnd() const
{
    size_t size = m_text.size();
    if (size >= 2 && m_text.compare(size - 2, 2, "\r\n") == 0) return "\r\n";
    if (size >= 1 && (m_text[size - 1] == '\n' || m_text[size - 1] == '\r'))
        return m_text.substr(size - 1);
    return std::string();
}

void CProfileLine::AddLineEnd()
{
    if (!HasLineEnd()) m_text += "\r\n";
}
