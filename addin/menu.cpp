// menu.cpp - the add-in's two entries in the host's menu, below a separator,
// and the callback that runs their commands.
//
// The entries' command ids are not fixed: each is searched upwards among the
// ids the host accepts, the place entry's from 0x1306, the choose entry's
// from the place entry's id + 1, both below 0x1500.
#include "addin/exports.h"
#include "framework/fwstring.h"
#include "host/host.h"
#include "res/resource.h"

enum { FIRST_COMMAND_ID = 0x1306, END_COMMAND_ID = 0x1500 };

// The ids the latest TagpinMenu got; END_COMMAND_ID when a search found none.
static unsigned short g_placeCommandId = 0;
static unsigned short g_chooseCommandId = 0;

static const char kHandler[] = "TagpinMenuHandler";

static bool Insert(int flags, int commandId, const char *label, const char *prompt) {
    int entry = HostMenuItemCreate(HOST_MENU_TAGPIN, flags, commandId, label, prompt);
    return HostMenuItemInsert(HOST_MENU_TAGPIN, entry) == 0;
}

// Offers id, id + 1, ... below END_COMMAND_ID until the host takes one; id
// ends at the taken one, or at END_COMMAND_ID.
static bool InsertCommand(unsigned short &id, UINT labelId, UINT promptId) {
    char label[32], prompt[32];
    FwLoadText(label, sizeof label, labelId);
    FwLoadText(prompt, sizeof prompt, promptId);
    for (; id < END_COMMAND_ID; ++id)
        if (Insert(HOST_MENU_COMMAND, id, label, prompt)) return true;
    return false;
}

// Nothing is reported: a refused separator adds nothing, a search without a
// free id or a failed handler registration takes its entries out again and
// leaves the separator.
void TAGPINAPI TagpinMenu(void) {
    if (!Insert(HOST_MENU_SEPARATOR, 0, "", "")) return;
    g_placeCommandId = FIRST_COMMAND_ID;
    if (!InsertCommand(g_placeCommandId, IDS_MENU_PLACE, IDS_MENU_PLACE_PROMPT)) return;
    g_chooseCommandId = g_placeCommandId + 1;
    if (!InsertCommand(g_chooseCommandId, IDS_MENU_CHOOSE, IDS_MENU_CHOOSE_PROMPT)) {
        HostMenuItemRemove(HOST_MENU_TAGPIN, g_placeCommandId);
        return;
    }
    if (HostSetCommandHandler(g_placeCommandId, kHandler) != 0 ||
        HostSetCommandHandler(g_chooseCommandId, kHandler) != 0) {
        HostMenuItemRemove(HOST_MENU_TAGPIN, g_placeCommandId);
        HostMenuItemRemove(HOST_MENU_TAGPIN, g_chooseCommandId);
    }
}

// The low 16 bits of command are the menu command id; the place id is
// tested first.
int TAGPINAPI TagpinMenuHandler(int, int command) {
    unsigned short id = (unsigned short)(command & 0xFFFF);
    if (id == g_placeCommandId) {
        TagpinAdd();
        return 1;
    }
    if (id == g_chooseCommandId) {
        TagpinSelect();
        return 1;
    }
    return 0;
}
