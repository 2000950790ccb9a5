// sim_strings.h - texts the host hands over to the add-in.
//
// CSimStrings  malloc'd copies the add-in owns until it gives them back; the
//              ones not yet given back are counted so a test can find leaks
#pragma once

#include <set>
#include <string>

class CSimStrings {
public:
    CSimStrings() = default;
    ~CSimStrings() { FreeAll(); }
    CSimStrings(const CSimStrings &) = delete;
    CSimStrings &operator=(const CSimStrings &) = delete;

    // A copy for the add-in, or NULL when memory runs out.
    char *Give(const std::string &text);
    // Frees a text given out before; anything else is ignored.
    void TakeBack(char *text);
    bool IsGiven(char *text) const { return m_given.count(text) != 0; }
    int Outstanding() const { return static_cast<int>(m_given.size()); }
    void FreeAll();

private:
    std::set<char *> m_given;
};
