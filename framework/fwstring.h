// fwstring.h - CString, the framework's string class.
//
// An 8-bit, zero-terminated text in the host's code page whose length is kept.
// It never throws: when memory for a text cannot be had, the string is left
// empty and the operation answers FALSE. An empty string owns no memory.
#pragma once

#include "framework/platform.h"

class CString {
public:
    CString();
    CString(const char *text);  // NULL counts as empty
    CString(const char *text, int length);
    CString(const CString &other);
    CString(CString &&other) noexcept;
    CString &operator=(const CString &other);
    CString &operator=(CString &&other) noexcept;
    CString &operator=(const char *text);
    ~CString();

    // Loads text id of the library's string table; FALSE (and empty) when the
    // table has no such text.
    BOOL LoadString(UINT id);
    BOOL Assign(const char *text, int length);
    BOOL Append(const char *text, int length);
    BOOL Append(const char *text);
    void Empty();

    int GetLength() const { return m_length; }
    BOOL IsEmpty() const { return m_length == 0; }
    const char *GetString() const { return m_text; }
    operator const char *() const { return m_text; }

    // Exact byte comparison, like strcmp.
    int Compare(const char *text) const;
    // Letter case ignored in the system's code page (see FwCompareNoCase).
    int CompareNoCase(const char *text) const;
    bool operator==(const CString &other) const;
    bool operator!=(const CString &other) const { return !(*this == other); }

private:
    char *m_text;     // points at s_empty while m_capacity is 0
    int m_length;
    int m_capacity;   // bytes owned, terminator included; 0 when nothing is owned

    BOOL Reserve(int length);
    static char s_empty[1];
};

// Compares two texts without regard to letter case, in the system's code page:
// a double-byte character is one unit compared exactly, every other byte is
// compared after case folding. NULL counts as empty. <0, 0 or >0 like strcmp.
int FwCompareNoCase(const char *a, const char *b);
// The same in a form that hashes consistently: the folded value of a single
// byte that is not a lead byte.
unsigned char FwFoldByte(unsigned char c);
bool FwIsLeadByte(unsigned char c);

// Loads text id of the string table into a fixed buffer of size bytes, cut
// to fit; empty when there is no such text.
void FwLoadText(char *buffer, int size, UINT id);

// Copies text into a fixed buffer of size bytes, cutting it to size - 1 bytes
// and always terminating it. NULL counts as empty. Answers the bytes copied.
int FwCopyText(char *buffer, int size, const char *text);
