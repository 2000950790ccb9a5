// sim_registry.cpp - prototypes and event handlers.
#include "sim/sim_registry.h"

void CSimRegistry::AddPrototype(const char *prototype) {
    if (prototype) m_prototypes.emplace_back(prototype);
}

void CSimRegistry::AddEventHandler(int eventId, const char *exportName) {
    if (exportName) m_events.emplace_back(eventId, exportName);
}

const char *CSimRegistry::Prototype(int i) const {
    if (i < 0 || i >= PrototypeCount()) return nullptr;
    return m_prototypes[i].c_str();
}

const char *CSimRegistry::EventHandlerAt(int i, int *eventId) const {
    if (i < 0 || i >= EventHandlerCount()) return nullptr;
    if (eventId) *eventId = m_events[i].first;
    return m_events[i].second.c_str();
}

const char *CSimRegistry::EventHandler(int eventId) const {
    for (size_t i = m_events.size(); i > 0; --i)
        if (m_events[i - 1].first == eventId) return m_events[i - 1].second.c_str();
    return nullptr;
}
