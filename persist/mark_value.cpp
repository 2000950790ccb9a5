// mark_value.cpp - formatting and splitting the value of a "Mark" key.
#include "persist/mark_value.h"

#include "store/names.h"

#include <ctype.h>
#include <stdlib.h>

#include <vector>

namespace {

// Only splits whose name could have been placed (at most 31 bytes) are
// tried, and at most this many of them per value; a value with more is read
// the earlier way. A placed name has at most 15 commas, which stays far
// below the limit whatever the file and project hold.
const int kMaxSplits = 256;

std::vector<std::string> SplitAtCommas(const std::string &value) {
    std::vector<std::string> pieces(1);
    for (char c : value) {
        if (c == ',') pieces.emplace_back();
        else pieces.back() += c;
    }
    return pieces;
}

std::string Join(const std::vector<std::string> &pieces, size_t first, size_t last) {
    std::string out;
    for (size_t i = first; i <= last && i < pieces.size(); ++i) {
        if (i > first) out += ',';
        out += pieces[i];
    }
    return out;
}

// A whole decimal integer as the writer formats it: optional '-', digits,
// in the range of int.
bool StrictInt(const std::string &text, int &value) {
    size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
    if (i == text.size() || text.size() - i > 10) return false;
    long long n = 0;
    for (size_t k = i; k < text.size(); ++k) {
        if (!isdigit((unsigned char)text[k])) return false;
        n = n * 10 + (text[k] - '0');
    }
    if (i) n = -n;
    if (n < -2147483647LL - 1 || n > 2147483647LL) return false;
    value = (int)n;
    return true;
}

// The earlier reading of a number: leading white space, an optional sign,
// digits up to the first other character; 0 without digits. Out-of-range
// values stop at the limits of int.
int LenientInt(const std::string &text) {
    size_t i = 0;
    while (i < text.size() && isspace((unsigned char)text[i])) ++i;
    bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    long long n = 0;
    for (; i < text.size() && isdigit((unsigned char)text[i]); ++i)
        if (n <= 2147483648LL) n = n * 10 + (text[i] - '0');
    if (negative) n = -n;
    if (n > 2147483647LL) n = 2147483647LL;
    if (n < -2147483647LL - 1) n = -2147483647LL - 1;
    return (int)n;
}

bool Passes(const MarkRecord &record, CFileExistsCache &exists) {
    if (!exists.Exists(record.file)) return false;
    return record.project.IsEmpty() || exists.Exists(record.project);
}

void Fill(MarkRecord &record, const std::string &name, const std::string &file, int row,
          int column, const std::string &project) {
    record.name = name.c_str();
    record.file = file.c_str();
    record.row = row;
    record.column = column;
    record.project = project.c_str();
    record.editorMark = NO_EDITOR_MARK;
}

// Splits as: name = pieces[0..a], file = pieces[a+1..b], line, column,
// project = the rest. Answers true for the first split that loads.
bool ParseSplits(const std::vector<std::string> &pieces, MarkRecord &record,
                 CFileExistsCache &exists) {
    size_t k = pieces.size();
    int tries = 0;
    for (size_t a = 0; a + 3 < k; ++a) {
        std::string name = Join(pieces, 0, a);
        if (name.size() > MAX_NAME_LENGTH) break;
        for (size_t b = a + 1; b + 2 < k; ++b) {
            int row, column;
            if (!StrictInt(pieces[b + 1], row) || !StrictInt(pieces[b + 2], column)) continue;
            if (++tries > kMaxSplits) return false;
            Fill(record, name, Join(pieces, a + 1, b), row, column, Join(pieces, b + 3, k - 1));
            if (Passes(record, exists)) return true;
        }
    }
    return false;
}

bool ParseEarlierWay(const std::vector<std::string> &all, MarkRecord &record,
                     CFileExistsCache &exists) {
    std::vector<std::string> pieces;
    for (const std::string &p : all)
        if (!p.empty()) pieces.push_back(p);
    if (pieces.size() < 4) return false;
    Fill(record, pieces[0], pieces[1], LenientInt(pieces[2]), LenientInt(pieces[3]),
         pieces.size() > 4 ? pieces[4] : std::string());
    return Passes(record, exists);
}

}  // namespace

std::string FormatMarkValue(const MarkRecord &record) {
    std::string value = record.name.GetString();
    value += ',';
    value += record.file.GetString();
    value += ',' + std::to_string(record.row) + ',' + std::to_string(record.column) + ',';
    value += record.project.GetString();
    return value;
}

bool CFileExistsCache::Exists(const CString &path) {
    auto found = m_known.find(path.GetString());
    if (found != m_known.end()) return found->second;
    bool exists = m_test(path) != 0;
    m_known.emplace(path.GetString(), exists);
    return exists;
}

bool ParseMarkValue(const std::string &value, MarkRecord &record, CFileExistsCache &exists) {
    std::vector<std::string> pieces = SplitAtCommas(value);
    return ParseSplits(pieces, record, exists) || ParseEarlierWay(pieces, record, exists);
}
