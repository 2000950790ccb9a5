// exports.h - the add-in's exports, called by the host by name (and ordinal).
//
// All __cdecl with 32-bit arguments. The start-up export is exported as
// "_init" (ordinal 2); in the code it is TagpinInit, because natively _init
// is a symbol of the C runtime's own start-up.
#pragma once

#ifdef _WIN32
#define TAGPINAPI __cdecl
#else
#define TAGPINAPI
#endif

#ifdef __cplusplus
extern "C" {
#endif

void TAGPINAPI TagpinInit(void);
void TAGPINAPI TagpinSelect(void);
void TAGPINAPI TagpinAdd(void);
void TAGPINAPI TagpinMenu(void);
void TAGPINAPI TagpinByProject(int value);
int TAGPINAPI TagpinMenuHandler(int unused, int command);
int TAGPINAPI TagpinFinish(long a, long b);
int TAGPINAPI TagpinProjectEnd(long a, long b);
int TAGPINAPI TagpinProjectBegin(long a, long b);

#ifdef __cplusplus
}
#endif
