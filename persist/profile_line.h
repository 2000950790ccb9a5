// profile_line.h - CProfileLine, one line of a profile file, and the text
// rules the reader applies to it (see profile.h).
//
// Classes: CProfileLine.
#pragma once

#include <stddef.h>

#include <string>

// True for the bytes the platform's profile reader treats as blanks.
bool IsProfileBlank(char c);
// text without blanks at either end.
std::string TrimProfileText(const std::string &text);
// text without blanks at its start.
std::string TrimProfileStart(const std::string &text);
// text with ASCII capitals made small: the form names are compared in.
std::string FoldProfileName(const std::string &text);

class CProfileLine {
public:
    enum EKind { KIND_BLANK, KIND_HEADER, KIND_KEY };

    // Classifies text: one line's bytes with their line end, if any.
    explicit CProfileLine(std::string text);

    EKind GetKind() const { return m_kind; }
    const std::string &GetText() const { return m_text; }
    // The section or key name: trimmed, cut at a NUL.
    std::string GetName() const;
    // True when nothing at all stands before the '=' (not even a NUL).
    bool HasBareName() const { return m_nameBegin == m_nameEnd; }
    // A key line with '='.
    bool HasValue() const { return m_hasValue; }
    // The value as written: trimmed, cut at a NUL, quotes kept.
    std::string GetRawValue() const;
    // The value as the platform reader answers it: enclosing quotes removed.
    std::string GetValue() const;

    // The line's end: "\r\n", "\n", "\r", or "" for a last line without one.
    std::string GetLineEnd() const;
    bool HasLineEnd() const { return !GetLineEnd().empty(); }
    // Adds "\r\n" to a line that has no line end.
    void AddLineEnd();

private:
    std::string Cut(size_t begin, size_t end) const;

    std::string m_text;
    EKind m_kind;
    size_t m_nameBegin;
    size_t m_nameEnd;
    size_t m_valueBegin;
    size_t m_valueEnd;
    bool m_hasValue;  // a key line with '='
};
