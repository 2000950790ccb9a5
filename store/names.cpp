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
// every name.
#include "store/names.h"

#include "addin/tagpin_app.h"
#include "host/host.h"

#include <string.h>

#include <string>
#include <unordered_set>
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

// Every name of letters A..Z, a..z by length, then in letter order, until one
// is not in taken. Reached only when all 3,142 generated names are taken.
void FirstFreeLetterName(const MarkList &list, char buffer[32]) {
    std::unordered_set<std::string> taken;
    for (unsigned i = 0; i < list.GetCount(); ++i) taken.insert(list.GetAt(i).name.GetString());
    for (int n = 1; n <= MAX_NAME_LENGTH; ++n) {
        std::vector<int> digits(n, 0);
        for (;;) {
            std::string name;
            for (int d : digits) name += Letter(d);
            if (!taken.count(name)) {
                FwCopyText(buffer, 32, name.c_str());
                return;
            }
            int k = n - 1;
            while (k >= 0 && digits[k] == kLetters - 1) digits[k--] = 0;
            if (k < 0) break;
            ++digits[k];
        }
    }
}

}  // namespace

void FirstFreeGeneratedName(const MarkList &list, char buffer[32]) {
    std::vector<bool> taken(kCandidates, false);
    for (unsigned i = 0; i < list.GetCount(); ++i) {
        int index = CandidateIndex(list.GetAt(i).name);
        if (index >= 0) taken[index] = true;
    }
    for (int index = 0; index < kCandidates; ++index) {
        if (!taken[index]) {
            CandidateName(index, buffer);
            return;
        }
    }
    memset(buffer, 0, 32);
    FirstFreeLetterName(list, buffer);
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
