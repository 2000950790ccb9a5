// menu.cpp - the add-in's two entries in the host's menu, below a separator,
// and the callback that runs their commands.
//
// The entries' command ids are not fixed: each is searched from 0x1306
// upwards among the ids the host accepts, below 0x1500.
#include "addin/exports.h"
#include "host/host.h"
#include "res/resource.h"

// The ids the latest TagpinMenu got; 0x1500 when a search found none.
static unsigned short g_placeCommandId = 0;
static unsigned short g_chooseCommandId = 0;

enum { FIRST_COMMAND_ID = 0x1306, END_COMMAND_ID = 0x1500 };

void TAGPINAPI TagpinMenu(void) {}

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
