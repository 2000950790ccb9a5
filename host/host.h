// host.h - the editor's two function libraries as the add-in sees them.
//
// Every function is a plain C name, __cdecl, with 32-bit arguments and results.
// On Windows they are imported from RSSTART.dll and RSDLL32.dll through the
// import libraries built from rsstart.def and rsdll32.def; natively the
// simulated editor (sim/) defines them and is linked in directly.
//
// Texts are zero-terminated 8-bit strings in the host's code page. A text the
// host returns stays readable only until the next call into the host, unless
// its entry below says otherwise: copy it at once.
#pragma once

#include "framework/platform.h"  // HWND

#ifdef _WIN32
#define HOSTAPI __cdecl
#else
#define HOSTAPI
#endif

#ifdef __cplusplus
extern "C" {
#endif

// ---- RSSTART.dll: start-up, registration, configuration, menus -------------

// Declares an export by its prototype text ("int TagpinFinish long long").
int HOSTAPI HostRegisterPrototype(const char *prototype);
// Ties host event eventId to the export exportName; reserved is 0.
int HOSTAPI HostRegisterEventHandler(int eventId, int reserved, const char *exportName);
// Routes a menu command id to an export; 0 = done.
int HOSTAPI HostSetCommandHandler(int commandId, const char *exportName);
// Describes a menu entry; the result only goes to HostMenuItemInsert. The host
// copies both texts.
int HOSTAPI HostMenuItemCreate(int menu, int flags, int commandId, const char *label,
                               const char *prompt);
// 0 = inserted, anything else = refused.
int HOSTAPI HostMenuItemInsert(int menu, int entry);
int HOSTAPI HostMenuItemRemove(int menu, int commandId);
// Flag word about the current call of an export (bit 0x4 tested).
unsigned HOSTAPI HostCallFlags(void);
// Flag word of the host's configuration (bit 0x8: state saving configured).
unsigned HOSTAPI HostConfigFlags(void);
// Flag word of the state-saving options; which is -1 (bit 0x2 tested).
unsigned HOSTAPI HostSaveOptions(int which);
// A path whose folder holds the save file, or NULL. Readable while the library
// is loaded; never released by the add-in.
const char *HOSTAPI HostModulePath(void);
// Owner window for the add-in's dialogs and message boxes.
HWND HOSTAPI HostFrameWindow(void);

// ---- RSDLL32.dll: buffers, marks, files, projects, prompts ------------------

// Places an editor mark at the cursor of the current buffer; its id.
int HOSTAPI HostMarkPlace(void);
int HOSTAPI HostMarkDelete(int markId);
// Nonzero if an editor mark with that id exists.
int HOSTAPI HostMarkExists(int markId);
int HOSTAPI HostMarkRow(int markId);
int HOSTAPI HostMarkColumn(int markId);
// The id of the buffer that holds the mark.
int HOSTAPI HostMarkBuffer(int markId);
// n: every editor mark has one of the ids ((i + 1) & 0xFFF) | 0x2000, i < n.
int HOSTAPI HostMarkCount(void);
int HOSTAPI HostBufferValid(int bufferId);
// Makes the buffer current; returns the previously current buffer.
int HOSTAPI HostBufferSetCurrent(int bufferId);
// Shows the buffer and makes it current.
int HOSTAPI HostBufferActivate(int bufferId);
// Full path of the current buffer's file, or NULL.
const char *HOSTAPI HostBufferFileName(void);
// Opens the file (or brings its buffer forward) and makes it current. path is
// a writable copy whose contents the host may change.
int HOSTAPI HostFileEdit(char *path);
int HOSTAPI HostMoveTo(int line, int column);
unsigned HOSTAPI HostModeFlags(void);
int HOSTAPI HostModeClear(unsigned bit);
unsigned HOSTAPI HostBufferFlags(void);
int HOSTAPI HostSelectionType(void);
// The selected text, owned by the caller until handed to HostFreeString, or
// NULL; both arguments 0.
char *HOSTAPI HostSelectionText(int reserved1, int reserved2);
// The word at the cursor, owned like the selection text, or NULL.
char *HOSTAPI HostWordAtCursor(void);
void HOSTAPI HostFreeString(char *text);
// Asks the user. The answer stays readable until the add-in has copied it; NULL
// for no answer. defaultAnswer is a writable 32-byte buffer.
const char *HOSTAPI HostPrompt(const char *historyKey, const char *prompt,
                               char *defaultAnswer);
// File name of the open project, or NULL. Readable until the project changes;
// never released by the add-in.
const char *HOSTAPI HostCurrentProject(void);
int HOSTAPI HostFileExists(const char *path);
// mode 1 creates the file; the result goes to HostFileClose.
int HOSTAPI HostFileOpen(const char *path, int mode);
int HOSTAPI HostFileClose(int handle);
int HOSTAPI HostFileDelete(const char *path);

#ifdef __cplusplus
}
#endif

// Ids and bits the add-in relies on.
enum {
    HOST_EVENT_FINISH = 0x413,
    HOST_EVENT_PROJECT_OPENED = 0x432,
    HOST_EVENT_PROJECT_CLOSING = 0x433,
    HOST_MENU_TAGPIN = 0x1400,
    HOST_MENU_SEPARATOR = 0x800,
    HOST_MENU_COMMAND = 0x400,
    HOST_CALL_NO_SWITCH = 0x4,       // HostCallFlags: leave the project switch alone
    HOST_CONFIG_SAVE_STATE = 0x8,    // HostConfigFlags
    HOST_SAVE_BOOKMARKS = 0x2,       // HostSaveOptions(-1)
    HOST_BUFFER_SELECTION = 0x800,   // HostBufferFlags
    HOST_BUFFER_WORD = 0x1000,       // HostBufferFlags
    HOST_MODE_PENDING = 0x20,        // HostModeFlags: cleared after a go-to
    HOST_MARK_ID_BASE = 0x2000,
    HOST_MARK_INDEX_MASK = 0xFFF
};
