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

void TAGPINAPI TagpinSelect(void) { TagpinApp().SelectMark(); }

void TAGPINAPI TagpinAdd(void) { TagpinApp().AddMark(); }

// While the host says so for this call, the switch keeps its value.
void TAGPINAPI TagpinByProject(int value) {
    if (HostCallFlags() & HOST_CALL_NO_SWITCH) return;
    TagpinApp().SetByProject(value != 0 ? 1 : 0);
}

int TAGPINAPI TagpinFinish(long, long) {
    TagpinApp().OnFinish();
    return 0;
}

int TAGPINAPI TagpinProjectEnd(long, long) {
    TagpinApp().OnProjectEnd();
    return 0;
}

int TAGPINAPI TagpinProjectBegin(long, long) {
    TagpinApp().OnProjectBegin();
    return 0;
}
