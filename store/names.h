// names.h - bookmark names: the in-use test and the generated names.
//
// The name makers and project tests that work on the state object are
// members of CTagpinApp (addin/tagpin_app.h); their code is in names.cpp and
// project_scope.cpp beside this header.
#pragma once

#include "store/mark_list.h"

#include <string>
#include <set>
#include <vector>

// 1 when a bookmark of list has exactly this name; with byProject set only
// bookmarks of the current project count (the host is asked for it once for
// each bookmark whose name matched). 0 otherwise.
int NameInUse(MarkList *list, CString name, int byProject);

// The first name, in the order of generated names, that no bookmark of list
// has, written to buffer (32 bytes) - see GenerateUniqueName.
void FirstFreeGeneratedName(const MarkList &list, char buffer[32]);

enum { MAX_NAME_LENGTH = 31 };

// The generated names for a list that only grows, one after another, without
// comparing every candidate with every name. It scans the list once; each
// FirstFree then answers what FirstFreeGeneratedName would answer for the
// list as it stands, provided every name appended to the list since the
// sequence was made has been reported to Take. Reconciliation names many
// adopted editor marks in one run with it.
class CNameSequence {
public:
    explicit CNameSequence(const MarkList &list);

    // Writes the first free generated name to buffer (32 bytes, all written).
    void FirstFree(char buffer[32]);
    // A bookmark with this name now is in the list.
    void Take(const CString &name);

private:
    const MarkList &m_list;
    std::vector<bool> m_taken;  // by place in the sequence of generated names
    int m_next;                 // every generated name before it is taken

    // Once every generated name is taken: the names of letters by length,
    // then in letter order, numbered in that order (see names.cpp).
    bool m_lettersStarted;
    std::vector<unsigned long long> m_lettersTaken;  // their numbers, sorted
    size_t m_lettersSeen;                            // of m_lettersTaken below m_letter
    std::set<unsigned long long> m_lettersTakenLater;
    unsigned long long m_letter;                     // the number tried next

    void FirstFreeLetterName(char buffer[32]);
    void StartLetterNames();
    bool LetterTaken(unsigned long long number);
};
