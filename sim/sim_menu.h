// sim_menu.h - the add-in's menu and its command handlers.
//
// CSimMenuEntry  one described entry: menu, flags, command id, label, prompt
// CSimMenu       entries described by HostMenuItemCreate, the menu they were
//                inserted into, the refusals a test arranges, and the
//                command id -> export routing
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

struct CSimMenuEntry {
    int m_menu;
    int m_flags;
    int m_commandId;
    std::string m_label;
    std::string m_prompt;
};

class CSimMenu {
public:
    CSimMenu() : m_refuseSeparator(false) {}

    // An opaque nonzero handle for Insert.
    int Create(int menu, int flags, int commandId, const char *label, const char *prompt);
    // 0 inserted; 1 refused by the test; 2 not a handle of this menu; 3 the
    // command id is already in the menu.
    int Insert(int menu, int handle);
    // 0 removed, 1 no such entry.
    int Remove(int menu, int commandId);

    void RefuseIds(int first, int last) { m_refusedIds.emplace_back(first, last); }
    void RefuseSeparator(bool refuse) { m_refuseSeparator = refuse; }
    void FailHandler(int commandId) { m_failingHandlers.insert(commandId); }

    // 0 done, 1 failed (as arranged, or without an export name).
    int SetHandler(int commandId, const char *exportName);
    const char *Handler(int commandId) const;

    int Count() const { return static_cast<int>(m_entries.size()); }
    const CSimMenuEntry *Entry(int i) const;

private:
    bool IsRefused(const CSimMenuEntry &entry) const;
    bool Holds(int menu, int commandId) const;

    std::vector<CSimMenuEntry> m_created;
    std::vector<CSimMenuEntry> m_entries;
    std::vector<std::pair<int, int>> m_refusedIds;
    bool m_refuseSeparator;
    std::set<int> m_failingHandlers;
    std::map<int, std::string> m_handlers;
};

// Whether entry flags describe a separator.
bool IsSeparator(int flags);
