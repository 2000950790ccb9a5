// sim_strings.cpp - giving out and taking back texts.
#include "sim/sim_strings.h"

#include <cstdlib>
#include <cstring>

char *CSimStrings::Give(const std::string &text) {
    char *copy = static_cast<char *>(std::malloc(text.size() + 1));
    if (!copy) return nullptr;
    std::memcpy(copy, text.c_str(), text.size() + 1);
    m_given.insert(copy);
    return copy;
}

void CSimStrings::TakeBack(char *text) {
    if (m_given.erase(text)) std::free(text);
}

void CSimStrings::FreeAll() {
    for (char *text : m_given) std::free(text);
    m_given.clear();
}
