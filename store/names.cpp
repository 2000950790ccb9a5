// names.cpp - the in-use test and the names the add-in makes up.
//
// Generated names are tried in this order:
//   1. for each length n from 1 to 31: n - 1 letters A and then one of the 52
//      letters A..Z, a..z (A, B, ..., z, AA, AB, ..., Az, AAA, ...);
//   2. the 31-letter names of A but one letter, that one running from B to z,
//      first at the first position, then at the second, up to the 30th.
// Those are the only 3,142 distinct names of the sequence. When every one of
// them is taken, the names of one letter, then two, and so on, in the order
// A..Z, a..z at each position, are tried instead, so a free name is always
// found. The search scans the store once and never compares a candidate with
// every name; CNameSequence keeps what that scan learnt, so a run that
// appends many bookmarks under generated names scans the store only once.
// Names of letters are numbered in the order they are tried (A..z are 0..51,
// AA is 52, and so on); only names of up to 10 letters are numbered, enough
// for more bookmarks than memory holds.
#include "store/names.h"

#include "addin/tagpin_app.h"
#include "host/host.h"

#include <string.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

int NameInUse(MarkList *list, CString name, int byProject) {
    int count = (int)list->GetCount();
    for (int i = 0; i < count; ++i) {
        const MarkRecord &record = list->GetAt(i);
        if (record.name != name) continue;
        if (!byProject || record.project.Compare(HostCurrentProject()) == 0) return 1;
    }
    return 0;
}

namespace {

const int kLetters = 52;
const int kFirstRun = kLetters * MAX_NAME_LENGTH;                 // 1,612 names
const int kCandidates = kFirstRun + (kLetters - 1) * (MAX_NAME_LENGTH - 1);  // 3,142

int LetterIndex(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return 26 + c - 'a';
    return -1;
}

char Letter(int index) { return (char)(index < 26 ? 'A' + index : 'a' + index - 26); }

// The place of name in the sequence of generated names, or -1.
int CandidateIndex(const CString &name) {
    int n = name.GetLength();
    if (n < 1 || n > MAX_NAME_LENGTH) return -1;
    const char *s = name.GetString();
    int other = -1;  // the position of the only letter that is not A
    for (int i = 0; i < n; ++i) {
        if (s[i] == 'A') continue;
        if (other >= 0 || LetterIndex((unsigned char)s[i]) < 0) return -1;
        other = i;
    }
    if (other < 0 || other == n - 1)
        return (n - 1) * kLetters + LetterIndex((unsigned char)s[n - 1]);
    if (n != MAX_NAME_LENGTH) return -1;
    return kFirstRun + other * (kLetters - 1) + LetterIndex((unsigned char)s[other]) - 1;
}

void CandidateName(int index, char buffer[32]) {
    memset(buffer, 0, 32);
    if (index < kFirstRun) {
        int n = index / kLetters + 1;
        memset(buffer, 'A', n - 1);
        buffer[n - 1] = Letter(index % kLetters);
        return;
    }
    index -= kFirstRun;
    memset(buffer, 'A', MAX_NAME_LENGTH);
    buffer[index / (kLetters - 1)] = Letter(index % (kLetters - 1) + 1);
}

const int kMaxLetterNumbered = 10;

// The number of the first name of length letters; FirstLetterNumber(11) is
// past the last name numbered.
unsigned long long FirstLetterNumber(int length) {
    unsigned long long first = 0, count = 1;
    for (int n = 1; n < length; ++n) first += count *= kLetters;
    return first;
}

// The number of a name of letters A..Z, a..z; false for any other name.
bool LetterNumber(const CString &name, unsigned long long &number) {
    int n = name.GetLength();
    if (n < 1 || n > kMaxLetterNumbered) return false;
    unsigned long long index = 0;
    for (int i = 0; i < n; ++i) {
        int letter = LetterIndex((unsigned char)name.GetString()[i]);
        if (letter < 0) return false;
        index = index * kLetters + letter;
    }
    number = FirstLetterNumber(n) + index;
    return true;
}

void LetterName(unsigned long long number, char buffer[32]) {
    int n = 1;
    for (unsigned long long count = kLetters; number >= count; count *= kLetters, ++n)
        number -= count;
    memset(buffer, 0, 32);
    for (int i = n - 1; i >= 0; --i, number /= kLetters) buffer[i] = Letter((int)(number % kLetters));
}

}  // namespace

CNameSequence::CNameSequence(const MarkList &list)
    : m_list(list), m_taken(kCandidates, false), m_next(0), m_lettersStarted(false),
      m_lettersSeen(0), m_letter(0) {
    for (unsigned i = 0; i < list.GetCount(); ++i) Take(list.GetAt(i).name);
}

void CNameSequence::Take(const CString &name) {
    int index = CandidateIndex(name);
    if (index >= 0) m_taken[index] = true;
    unsigned long long number;
    if (m_lettersStarted && LetterNumber(name, number) && number >= m_letter)
        m_lettersTakenLater.insert(number);
}

void CNameSequence::FirstFree(char buffer[32]) {
    while (m_next < kCandidates && m_taken[m_next]) ++m_next;
    if (m_next < kCandidates) {
        CandidateName(m_next, buffer);
        return;
    }
    memset(buffer, 0, 32);
    FirstFreeLetterName(buffer);
}

// Every name of letters A..Z, a..z by length, then in letter order, until one
// is not taken. Reached only when all 3,142 generated names are taken; names
// are never freed while a sequence lives, so the search resumes where the
// last one ended.
void CNameSequence::FirstFreeLetterName(char buffer[32]) {
    if (!m_lettersStarted) StartLetterNames();
    const unsigned long long end = FirstLetterNumber(kMaxLetterNumbered + 1);
    while (m_letter < end && LetterTaken(m_letter)) ++m_letter;
    if (m_letter < end) LetterName(m_letter, buffer);  // else the empty name
}

void CNameSequence::StartLetterNames() {
    m_lettersStarted = true;
    unsigned long long number;
    for (unsigned i = 0; i < m_list.GetCount(); ++i)
        if (LetterNumber(m_list.GetAt(i).name, number)) m_lettersTaken.push_back(number);
    std::sort(m_lettersTaken.begin(), m_lettersTaken.end());
}

// Asked for rising numbers only.
bool CNameSequence::LetterTaken(unsigned long long number) {
    while (m_lettersSeen < m_lettersTaken.size() && m_lettersTaken[m_lettersSeen] < number)
        ++m_lettersSeen;
    if (m_lettersSeen < m_lettersTaken.size() && m_lettersTaken[m_lettersSeen] == number)
        return true;
    return m_lettersTakenLater.count(number) != 0;
}

void FirstFreeGeneratedName(const MarkList &list, char buffer[32]) {
    CNameSequence(list).FirstFree(buffer);
}

void CTagpinApp::GenerateUniqueName() { FirstFreeGeneratedName(m_marks, m_defaultName); }

// A host text that counts only while it is not in use as a name.
static bool FreeText(CTagpinApp &app, const char *text) {
    return NameInUse(&app.m_marks, CString(text), app.m_byProject) == 0;
}

void CTagpinApp::ProposeDefaultName() {
    unsigned flags = HostBufferFlags();
    char *word = HostWordAtCursor();
    int selectionType = HostSelectionType();
    char *selection = HostSelectionText(0, 0);

    if ((flags & HOST_BUFFER_SELECTION) && (selectionType == 1 || selectionType == 2) &&
        FreeText(*this, selection))
        FwCopyText(m_defaultName, sizeof m_defaultName, selection);
    else if ((flags & (HOST_BUFFER_SELECTION | HOST_BUFFER_WORD)) && word && *word &&
             FreeText(*this, word))
        FwCopyText(m_defaultName, sizeof m_defaultName, word);
    else
        GenerateUniqueName();

    if (word) HostFreeString(word);
    if (selection) HostFreeString(selection);
}
