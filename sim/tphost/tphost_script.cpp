// tphost_script.cpp - splitting script lines into arguments.
#include "sim/tphost/tphost_script.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// What a backslash and the character c after it stand for; a backslash before
// any other character is itself, so Windows paths need no doubling.
std::string Unescape(char c) {
    switch (c) {
    case 'n': return "\n";
    case 't': return "\t";
    case '"': return "\"";
    case '\\': return "\\";
    default: return std::string("\\") + c;
    }
}

// Reads "..." starting at line[i] (the opening quote); i ends past the close.
bool ReadQuoted(const std::string &line, size_t &i, std::string &text) {
    for (++i; i < line.size(); ++i) {
        if (line[i] == '"') {
            ++i;
            return true;
        }
        if (line[i] == '\\' && i + 1 < line.size()) {
            text += Unescape(line[++i]);
            continue;
        }
        text += line[i];
    }
    return false;
}

}  // namespace

bool SplitScriptLine(const std::string &line, CArgs &tokens, std::string &error) {
    tokens.clear();
    size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        CToken token{std::string(), line[i] == '"'};
        if (token.m_quoted) {
            if (!ReadQuoted(line, i, token.m_text)) {
                error = "unclosed quote";
                return false;
            }
        } else {
            while (i < line.size() && !IsBlank(line[i])) token.m_text += line[i++];
        }
        tokens.push_back(token);
    }
    return true;
}

bool ParseInt(const CToken &token, long long &value) {
    const char *text = token.m_text.c_str();
    if (token.m_quoted || !*text) return false;
    char *end = nullptr;
    errno = 0;
    value = std::strtoll(text, &end, 0);
    return errno == 0 && *end == '\0';
}

const char *TextOrNull(const CToken &token) {
    if (!token.m_quoted && token.m_text == "NULL") return nullptr;
    return token.m_text.c_str();
}

std::string Escape(const char *text) {
    std::string out;
    for (const char *p = text; p && *p; ++p) {
        switch (*p) {
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        default: out += *p;
        }
    }
    return out;
}

std::string Quote(const char *text) { return text ? "\"" + Escape(text) + "\"" : "NULL"; }
