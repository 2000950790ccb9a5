// sim_menu.cpp - creating, inserting and removing menu entries.
#include "sim/sim_menu.h"

#include "host/host.h"

namespace {
// Handles are offset so that a stray small integer is not taken for one.
const int kHandleBase = 0x4E00;
}

bool IsSeparator(int flags) { return (flags & HOST_MENU_SEPARATOR) != 0; }

int CSimMenu::Create(int menu, int flags, int commandId, const char *label, const char *prompt) {
    m_created.push_back(
        CSimMenuEntry{menu, flags, commandId, label ? label : "", prompt ? prompt : ""});
    return kHandleBase + static_cast<int>(m_created.size());
}

int CSimMenu::Insert(int menu, int handle) {
    int index = handle - kHandleBase - 1;
    if (index < 0 || index >= static_cast<int>(m_created.size())) return 2;
    const CSimMenuEntry &entry = m_created[index];
    if (entry.m_menu != menu) return 2;
    if (IsRefused(entry)) return 1;
    if (!IsSeparator(entry.m_flags) && Holds(menu, entry.m_commandId)) return 3;
    m_entries.push_back(entry);
    return 0;
}

bool CSimMenu::IsRefused(const CSimMenuEntry &entry) const {
    if (IsSeparator(entry.m_flags)) return m_refuseSeparator;
    for (const std::pair<int, int> &range : m_refusedIds)
        if (entry.m_commandId >= range.first && entry.m_commandId <= range.second) return true;
    return false;
}

bool CSimMenu::Holds(int menu, int commandId) const {
    for (const CSimMenuEntry &entry : m_entries)
        if (entry.m_menu == menu && !IsSeparator(entry.m_flags) && entry.m_commandId == commandId)
            return true;
    return false;
}

int CSimMenu::Remove(int menu, int commandId) {
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->m_menu == menu && it->m_commandId == commandId) {
            m_entries.erase(it);
            return 0;
        }
    }
    return 1;
}

int CSimMenu::SetHandler(int commandId, const char *exportName) {
    if (!exportName || m_failingHandlers.count(commandId)) return 1;
    m_handlers[commandId] = exportName;
    return 0;
}

const char *CSimMenu::Handler(int commandId) const {
    auto it = m_handlers.find(commandId);
    return it == m_handlers.end() ? nullptr : it->second.c_str();
}

const CSimMenuEntry *CSimMenu::Entry(int i) const {
    if (i < 0 || i >= Count()) return nullptr;
    return &m_entries[i];
}
