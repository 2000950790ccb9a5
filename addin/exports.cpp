// exports.cpp - the exports: thin shells around the state object.
#include "addin/exports.h"

#include "addin/tagpin_app.h"
#include "host/host.h"

// Prototypes by which the exports are declared to the host, in order.
static const char *const kPrototypes[] = {
    "TagpinSelect",
    "TagpinAdd",
    "TagpinMenu",
    "TagpinByProject int",
    "int TagpinMenuHandler int int",
    "int TagpinFinish long long",
    "int TagpinProjectEnd long long",
    "int TagpinProjectBegin long long",
};

static const struct {
    int eventId;
    const char *exportName;
} kEventHandlers[] = {
    {HOST_EVENT_FINISH, "TagpinFinish"},
    {HOST_EVENT_PROJECT_OPENED, "TagpinProjectBegin"},
    {HOST_EVENT_PROJECT_CLOSING, "TagpinProjectEnd"},
};

// No registration result is examined: start-up goes on whatever the host says.
void TAGPINAPI TagpinInit(void) {
    for (const char *prototype : kPrototypes) HostRegisterPrototype(prototype);
    for (const auto &handler : kEventHandlers)
        HostRegisterEventHandler(handler.eventId, 0, handler.exportName);
    TagpinApp().Initialize();
}

void TAGPINAPI TagpinSelect(void) {}

void TAGPINAPI TagpinAdd(void) {}

void TAGPINAPI TagpinMenu(void) {}

void TAGPINAPI TagpinByProject(int) {}

int TAGPINAPI TagpinMenuHandler(int, int) { return 0; }

int TAGPINAPI TagpinFinish(long, long) { return 0; }

int TAGPINAPI TagpinProjectEnd(long, long) { return 0; }

int TAGPINAPI TagpinProjectBegin(long, long) { return 0; }
