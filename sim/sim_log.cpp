// sim_log.cpp - storing and formatting the host calls.
#include "sim/sim_log.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace {
const size_t kChunkSize = 1 << 16;
}

std::string &CSimLog::StartLine() {
    m_line.clear();
    return m_line;
}

char *CSimLog::Reserve(size_t bytes) {
    if (m_chunks.empty() || m_chunks.back().m_size - m_chunks.back().m_used < bytes) {
        size_t size = bytes > kChunkSize ? bytes : kChunkSize;
        m_chunks.push_back(CChunk{std::unique_ptr<char[]>(new char[size]), size, 0});
    }
    CChunk &chunk = m_chunks.back();
    char *at = chunk.m_data.get() + chunk.m_used;
    chunk.m_used += bytes;
    return at;
}

void CSimLog::CommitLine() {
    char *at = Reserve(m_line.size() + 1);
    std::memcpy(at, m_line.c_str(), m_line.size() + 1);
    m_entries.push_back(at);
}

const char *CSimLog::Entry(int i) const {
    if (i < 0 || i >= Count()) return nullptr;
    return m_entries[i];
}

void CSimLog::Clear() {
    m_entries.clear();
    m_chunks.clear();
}

CLogLine::CLogLine(const char *name) : m_line(nullptr), m_first(true) {
    CSimLog &log = SimCallLog();
    if (!log.IsEnabled()) return;
    m_line = &log.StartLine();
    *m_line += name;
    *m_line += '(';
}

CLogLine::~CLogLine() {
    if (!m_line) return;
    *m_line += ')';
    SimCallLog().CommitLine();
}

void CLogLine::Separate() {
    if (!m_first) *m_line += ", ";
    m_first = false;
}

CLogLine &CLogLine::Int(long long value) {
    if (!m_line) return *this;
    Separate();
    char digits[24];
    std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    m_line->append(digits, end.ptr);
    return *this;
}

CLogLine &CLogLine::Text(const char *text) {
    if (!m_line) return *this;
    Separate();
    if (!text) {
        *m_line += "NULL";
        return *this;
    }
    *m_line += '"';
    *m_line += text;
    *m_line += '"';
    return *this;
}

CLogLine &CLogLine::Handle(const void *handle) {
    return Int(static_cast<long long>(reinterpret_cast<uintptr_t>(handle)));
}
