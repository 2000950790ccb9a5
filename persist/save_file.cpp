// save_file.cpp - the keys of the section "Save" on a profile read into memory.
#include "persist/save_file.h"

#include "persist/profile_io.h"

#include <ctype.h>

#include <algorithm>

static const char kSection[] = "Save";
static const char kCountKey[] = "NumberOfMarks";

bool CSaveFile::Load() {
    std::string data;
    bool read = ReadProfileFile(m_path, data);
    m_profile.Parse(data.data(), data.size());
    return read;
}

bool CSaveFile::Store() const { return WriteProfileFile(m_path, m_profile.Serialize()); }

void CSaveFile::ReadKey(const char *key, std::string &value) const {
    if (!m_profile.GetValue(kSection, key, value)) value.clear();
}

// The value as a line of the file can hold it. A line break cannot stand in
// a value, so each becomes a blank: the bookmark keeps a name close to its
// own instead of being left out of the file. A value that begins or ends
// with a blank or a quote is written between double quotes: reading strips
// blanks around a value and one pair of matching quotes, so it then comes
// back exactly as it was.
static std::string ToProfileValue(const char *value) {
    std::string text = value;
    for (char &c : text)
        if (c == '\r' || c == '\n') c = ' ';
    if (text.empty()) return text;
    auto special = [](char c) { return IsProfileBlank(c) || c == '"' || c == '\''; };
    if (special(text.front()) || special(text.back())) text = '"' + text + '"';
    return text;
}

void CSaveFile::WriteKey(const char *key, const char *value) {
    if (!key && !value) {
        // Every section of the name: a later one would otherwise surface as
        // the section read and keep keys of its own among the new ones.
        while (m_profile.RemoveSection(kSection)) {
        }
        return;
    }
    m_profile.SetValue(kSection, key ? key : "", ToProfileValue(value ? value : ""));
}

int CSaveFile::ReadMarkCount() const {
    std::string value;
    ReadKey(kCountKey, value);
    size_t i = 0;
    while (i < value.size() && isspace((unsigned char)value[i])) ++i;
    long long n = 0;
    for (; i < value.size() && isdigit((unsigned char)value[i]); ++i)
        n = std::min(n * 10 + (value[i] - '0'), 2147483647LL);
    return (int)n;
}

void CSaveFile::WriteMarkCount(unsigned count) {
    WriteKey(kCountKey, std::to_string(count).c_str());
}

// The index a key names the way the writer does: "Mark" in any letter case,
// then the index without sign or leading zeros. 0 for any other key.
static long long MarkKeyIndex(const std::string &key) {
    static const char prefix[] = "mark";
    if (key.size() < 5 || key.size() > 14 || key[4] == '0') return 0;
    for (int i = 0; i < 4; ++i)
        if (tolower((unsigned char)key[i]) != prefix[i]) return 0;
    long long index = 0;
    for (size_t i = 4; i < key.size(); ++i) {
        if (!isdigit((unsigned char)key[i])) return 0;
        index = index * 10 + (key[i] - '0');
    }
    return index;
}

// Only the keys that are there are looked up, so a large count costs
// nothing for the keys that are not. They are the keys a reading of each
// name would find: the platform's listing of a section's keys ends early
// in some files (one whose first key has no name lists nothing).
std::vector<int> CSaveFile::MarkIndexes(int count) const {
    std::vector<int> indexes;
    for (const std::string &key : m_profile.FoldedKeyNames(kSection)) {
        long long index = MarkKeyIndex(key);
        if (index >= 1 && index <= count) indexes.push_back((int)index);
    }
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    return indexes;
}

bool CSaveFile::ReadMarkRecord(int index, MarkRecord &record, CFileExistsCache &exists) const {
    std::string value;
    ReadKey(("Mark" + std::to_string(index)).c_str(), value);
    return ParseMarkValue(value, record, exists);
}

void CSaveFile::WriteMarkRecord(int index, const MarkRecord &record) {
    WriteKey(("Mark" + std::to_string(index)).c_str(), FormatMarkValue(record).c_str());
}
