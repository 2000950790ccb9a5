// fwstring.cpp - CString and the text helpers; platform parts live in
// win32/ and headless/ (string table, code page).
#include "framework/fwstring.h"
#include "framework/fwplatform.h"

#include <stdlib.h>
#include <string.h>

char CString::s_empty[1] = {0};

CString::CString() : m_text(s_empty), m_length(0), m_capacity(0) {}

CString::CString(const char *text) : CString() { *this = text; }

CString::CString(const char *text, int length) : CString() { Assign(text, length); }

CString::CString(const CString &other) : CString() {
    Assign(other.m_text, other.m_length);
}

CString::CString(CString &&other) noexcept
    : m_text(other.m_text), m_length(other.m_length), m_capacity(other.m_capacity) {
    other.m_text = s_empty;
    other.m_length = 0;
    other.m_capacity = 0;
}

CString &CString::operator=(CString &&other) noexcept {
    if (this != &other) {
        Empty();
        m_text = other.m_text;
        m_length = other.m_length;
        m_capacity = other.m_capacity;
        other.m_text = s_empty;
        other.m_length = 0;
        other.m_capacity = 0;
    }
    return *this;
}

CString &CString::operator=(const CString &other) {
    if (this != &other) Assign(other.m_text, other.m_length);
    return *this;
}

CString &CString::operator=(const char *text) {
    Assign(text, text ? (int)strlen(text) : 0);
    return *this;
}

CString::~CString() {
    if (m_capacity) free(m_text);
}

BOOL CString::Reserve(int length) {
    if (length < m_capacity) return TRUE;
    int capacity = length + 1;
    if (m_capacity && capacity < m_capacity * 2) capacity = m_capacity * 2;
    char *text = (char *)(m_capacity ? realloc(m_text, capacity) : malloc(capacity));
    if (!text) return FALSE;
    m_text = text;
    m_capacity = capacity;
    return TRUE;
}

BOOL CString::Assign(const char *text, int length) {
    if (!text || length <= 0) {
        Empty();
        return TRUE;
    }
    if (text >= m_text && text < m_text + m_length + 1) {  // assigning part of itself
        CString copy(text, length);
        return Assign(copy.m_text, copy.m_length);
    }
    m_length = 0;
    if (m_capacity) m_text[0] = 0;
    return Append(text, length);
}

BOOL CString::Append(const char *text, int length) {
    if (!text || length <= 0) return TRUE;
    if (!Reserve(m_length + length)) return FALSE;
    memmove(m_text + m_length, text, length);
    m_length += length;
    m_text[m_length] = 0;
    return TRUE;
}

BOOL CString::Append(const char *text) { return Append(text, text ? (int)strlen(text) : 0); }

void CString::Empty() {
    if (m_capacity) free(m_text);
    m_text = s_empty;
    m_length = 0;
    m_capacity = 0;
}

BOOL CString::LoadString(UINT id) {
    char text[1024];
    int length = FwLoadStringResource(id, text, (int)sizeof text);
    if (length < 0) {
        Empty();
        return FALSE;
    }
    return Assign(text, length);
}

void FwLoadText(char *buffer, int size, UINT id) {
    CString text;
    text.LoadString(id);
    FwCopyText(buffer, size, text);
}

int CString::Compare(const char *text) const { return strcmp(m_text, text ? text : ""); }

int CString::CompareNoCase(const char *text) const { return FwCompareNoCase(m_text, text); }

bool CString::operator==(const CString &other) const {
    return m_length == other.m_length && memcmp(m_text, other.m_text, m_length) == 0;
}

int FwCompareNoCase(const char *a, const char *b) {
    const unsigned char *p = (const unsigned char *)(a ? a : "");
    const unsigned char *q = (const unsigned char *)(b ? b : "");
    for (;;) {
        if (FwIsLeadByte(*p) && p[1] && FwIsLeadByte(*q) && q[1]) {
            if (p[0] != q[0] || p[1] != q[1])
                return (p[0] != q[0] ? p[0] - q[0] : p[1] - q[1]);
            p += 2;
            q += 2;
            continue;
        }
        int x = FwFoldByte(*p), y = FwFoldByte(*q);
        if (x != y || x == 0) return x - y;
        ++p;
        ++q;
    }
}

int FwCopyText(char *buffer, int size, const char *text) {
    if (size <= 0) return 0;
    int n = 0;
    if (text)
        while (n < size - 1 && text[n]) ++n;
    memcpy(buffer, text ? text : "", n);
    buffer[n] = 0;
    return n;
}
