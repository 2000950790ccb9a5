// sim_buffer.cpp - text lines of a buffer: insert, delete, word at a place.
#include "sim/sim_buffer.h"

#include <cctype>
#include <utility>

namespace {

// Gaps larger than this are refused rather than filled: a garbage line or
// column must not make the editor allocate gigabytes.
const int kMaxGap = 1 << 20;

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

int Length(const std::string &s) { return static_cast<int>(s.size()); }

}  // namespace

std::vector<std::string> SplitLines(const char *text) {
    std::vector<std::string> lines(1);
    for (const char *p = text ? text : ""; *p; ++p) {
        if (*p == '\n') {
            if (!lines.back().empty() && lines.back().back() == '\r') lines.back().pop_back();
            lines.emplace_back();
        } else {
            lines.back() += *p;
        }
    }
    return lines;
}

CSimBuffer::CSimBuffer(int id, const std::string &path, const char *text)
    : m_id(id), m_path(path), m_lines(SplitLines(text)), m_cursor{1, 1}, m_open(true) {}

std::string CSimBuffer::Text() const {
    std::string text;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (i) text += '\n';
        text += m_lines[i];
    }
    return text;
}

CTextPos CSimBuffer::ClampToText(CTextPos pos) const {
    if (pos.m_line < 1) pos.m_line = 1;
    if (pos.m_line > LineCount()) pos.m_line = LineCount();
    if (pos.m_column < 1) pos.m_column = 1;
    return pos;
}

bool CSimBuffer::PadTo(CTextPos at) {
    if (at.m_line < 1 || at.m_column < 1) return false;
    if (at.m_line - LineCount() > kMaxGap) return false;
    if (at.m_line > LineCount()) m_lines.resize(at.m_line);
    std::string &line = m_lines[at.m_line - 1];
    if (at.m_column - 1 - Length(line) > kMaxGap) return false;
    if (at.m_column - 1 > Length(line)) line.resize(at.m_column - 1, ' ');
    return true;
}

bool CSimBuffer::Insert(CTextPos at, const char *text, CInsertShape &shape) {
    if (!text || !PadTo(at)) return false;
    std::vector<std::string> parts = SplitLines(text);
    std::string &line = m_lines[at.m_line - 1];
    std::string tail = line.substr(at.m_column - 1);
    line.erase(at.m_column - 1);
    line += parts.front();
    shape.m_newlines = static_cast<int>(parts.size()) - 1;
    shape.m_lastLength = Length(parts.back());
    if (parts.size() == 1) {
        line += tail;
        return true;
    }
    parts.back() += tail;
    m_lines.insert(m_lines.begin() + at.m_line, parts.begin() + 1, parts.end());
    return true;
}

bool CSimBuffer::ClampRange(CTextPos &from, CTextPos &to) const {
    if (to < from) std::swap(from, to);
    if (from.m_line < 1 || from.m_column < 1 || from.m_line > LineCount()) return false;
    if (to.m_line > LineCount()) to = {LineCount(), Length(m_lines.back()) + 1};
    int fromEnd = Length(m_lines[from.m_line - 1]) + 1;
    int toEnd = Length(m_lines[to.m_line - 1]) + 1;
    if (from.m_column > fromEnd) from.m_column = fromEnd;
    if (to.m_column > toEnd) to.m_column = toEnd;
    return from < to;
}

bool CSimBuffer::Delete(CTextPos &from, CTextPos &to) {
    if (!ClampRange(from, to)) return false;
    std::string joined = m_lines[from.m_line - 1].substr(0, from.m_column - 1) +
                         m_lines[to.m_line - 1].substr(to.m_column - 1);
    m_lines[from.m_line - 1] = joined;
    m_lines.erase(m_lines.begin() + from.m_line, m_lines.begin() + to.m_line);
    return true;
}

bool CSimBuffer::WordAt(CTextPos pos, std::string &word) const {
    if (pos.m_line < 1 || pos.m_line > LineCount() || pos.m_column < 1) return false;
    const std::string &line = m_lines[pos.m_line - 1];
    int start = pos.m_column - 1;
    if (start >= Length(line) || !IsWordChar(line[start])) {
        if (start > Length(line) || start == 0 || !IsWordChar(line[start - 1])) return false;
        --start;
    }
    while (start > 0 && IsWordChar(line[start - 1])) --start;
    int end = start;
    while (end < Length(line) && IsWordChar(line[end])) ++end;
    word = line.substr(start, end - start);
    return true;
}
