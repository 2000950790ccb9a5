// tphost_script.h - the words of one line of a session script.
//
// CToken  one argument: its text, and whether it was written in quotes
//
// Arguments are separated by blanks; "..." holds blanks and the escapes \n,
// \t, \" and \\ (any other backslash is kept); a # outside quotes starts a
// comment.
#pragma once

#include <string>
#include <vector>

struct CToken {
    std::string m_text;
    bool m_quoted;
};

typedef std::vector<CToken> CArgs;

// The tokens of line; false (with the reason in error) for an unclosed quote.
bool SplitScriptLine(const std::string &line, CArgs &tokens, std::string &error);
// A decimal or 0x-hex integer (a leading - allowed); false for anything else.
bool ParseInt(const CToken &token, long long &value);
// The token's text, or NULL for an unquoted NULL.
const char *TextOrNull(const CToken &token);
// text with line breaks, tabs, quotes and backslashes written as escapes.
std::string Escape(const char *text);
// "text" with escapes, or NULL.
std::string Quote(const char *text);
