// sim_registry.h - what the add-in registered at start-up.
//
// CSimRegistry  declared prototypes and event handlers, in the order given
#pragma once

#include <string>
#include <utility>
#include <vector>

class CSimRegistry {
public:
    void AddPrototype(const char *prototype);
    void AddEventHandler(int eventId, const char *exportName);

    int PrototypeCount() const { return static_cast<int>(m_prototypes.size()); }
    const char *Prototype(int i) const;
    int EventHandlerCount() const { return static_cast<int>(m_events.size()); }
    const char *EventHandlerAt(int i, int *eventId) const;
    // The export last registered for the event, or NULL.
    const char *EventHandler(int eventId) const;

private:
    std::vector<std::string> m_prototypes;
    std::vector<std::pair<int, std::string>> m_events;
};
