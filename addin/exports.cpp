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

// Runs an operation of the state object for an export. Nothing may unwind
// into the host's frames: should memory run out midway, the operation stops
// there and the export returns as usual.
template <typename Operation>
static void Run(Operation operation) {
    try {
        operation(TagpinApp());
    } catch (...) {
    }
}

// No registration result is examined: start-up goes on whatever the host says.
void TAGPINAPI TagpinInit(void) {
    for (const char *prototype : kPrototypes) HostRegisterPrototype(prototype);
    for (const auto &handler : kEventHandlers)
        HostRegisterEventHandler(handler.eventId, 0, handler.exportName);
    Run([](CTagpinApp &app) { app.Initialize(); });
}

void TAGPINAPI TagpinSelect(void) {
    Run([](CTagpinApp &app) { app.SelectMark(); });
}

void TAGPINAPI TagpinAdd(void) {
    Run([](CTagpinApp &app) { app.AddMark(); });
}

// While the host says so for this call, the switch keeps its value.
void TAGPINAPI TagpinByProject(int value) {
    if (HostCallFlags() & HOST_CALL_NO_SWITCH) return;
    TagpinApp().SetByProject(value != 0 ? 1 : 0);
}

int TAGPINAPI TagpinFinish(long, long) {
    Run([](CTagpinApp &app) { app.OnFinish(); });
    return 0;
}

int TAGPINAPI TagpinProjectEnd(long, long) {
    Run([](CTagpinApp &app) { app.OnProjectEnd(); });
    return 0;
}

int TAGPINAPI TagpinProjectBegin(long, long) {
    Run([](CTagpinApp &app) { app.OnProjectBegin(); });
    return 0;
}
