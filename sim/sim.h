// sim.h - control API of the simulated editor.
//
// The simulated editor implements every host function of host/host.h. This
// header is how tests, the host program and the demo set it up, drive it and
// read what the add-in asked of it. Natively everything is linked into the
// test; on Windows it lives in rssim.dll, which also serves RSSTART.dll and
// RSDLL32.dll (their exports forward to it).
//
// Lines and columns are 1-based, as the editor shows them. Buffer ids start at
// 1. Editor marks have the ids 0x2000 | index with index 1..4095.
#pragma once

#include "framework/platform.h"

#ifdef _WIN32
#define SIMCALL __cdecl
#ifdef SIM_BUILDING_DLL
#define SIMAPI __declspec(dllexport) __cdecl
#else
#define SIMAPI __declspec(dllimport) __cdecl
#endif
#else
#define SIMCALL
#define SIMAPI
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Back to a fresh editor: no buffers, marks, project, registrations, menu
// entries, scripted answers or refusals; all flag words 0 except the config
// flags 0x8 and save options 0x2 (state saving on); module path NULL; the
// call log empty. The export resolver and the frame window stay as set.
void SIMAPI SimReset(void);

// ---- buffers, cursor, text --------------------------------------------------
// Opens a buffer for path with text ('\n' separates lines) and makes it
// current; the cursor is at 1,1. Answers the buffer id. A path already open
// (letter case ignored) answers that buffer, made current, text unchanged.
int SIMAPI SimOpenBuffer(const char *path, const char *text);
// Closes the buffer. Its marks are deleted, unless keepMarks is nonzero: then
// they still exist but name a buffer that is no longer valid.
void SIMAPI SimCloseBuffer(int buffer, int keepMarks);
int SIMAPI SimCurrentBuffer(void);
void SIMAPI SimSetCurrentBuffer(int buffer);
void SIMAPI SimSetCursor(int line, int column);
int SIMAPI SimCursorLine(void);
int SIMAPI SimCursorColumn(void);
// Inserts text (may hold '\n') into the current buffer at line, column; marks
// behind the insertion point move with the text, like in a real editor.
void SIMAPI SimInsertText(int line, int column, const char *text);
// Deletes the text from line, column up to (not including) endLine,
// endColumn in the current buffer; marks inside the range move to its start,
// marks behind it move back.
void SIMAPI SimDeleteText(int line, int column, int endLine, int endColumn);
// The current buffer's text, lines joined with '\n'; readable until the next
// call into the simulator.
const char *SIMAPI SimBufferText(void);
// The selection HostSelectionType/HostSelectionText report (text NULL: the
// host answers NULL). The word at the cursor comes from the buffer's text.
void SIMAPI SimSetSelection(int type, const char *text);
// The file path of a buffer, open or closed; NULL for an id never used.
const char *SIMAPI SimBufferPath(int buffer);
// How many texts from HostSelectionText and HostWordAtCursor have not yet
// been handed back to HostFreeString.
int SIMAPI SimOutstandingStrings(void);

// ---- editor marks -----------------------------------------------------------
// Places a mark in buffer at line, column without logging; its id.
int SIMAPI SimPlaceMark(int buffer, int line, int column);
void SIMAPI SimDeleteMark(int markId);
// Nonzero when the mark exists; its place through the out pointers.
int SIMAPI SimMarkPlace(int markId, int *buffer, int *line, int *column);
// Makes HostMarkCount answer n whatever marks exist; -1 turns it off.
void SIMAPI SimSetMarkCountOverride(int n);

// ---- project, flags, paths --------------------------------------------------
// Sets the current project (NULL: none) without firing events.
void SIMAPI SimSetProject(const char *path);
void SIMAPI SimSetCallFlags(unsigned flags);
void SIMAPI SimSetConfigFlags(unsigned flags);
void SIMAPI SimSetSaveOptions(unsigned flags);
void SIMAPI SimSetModeFlags(unsigned flags);
unsigned SIMAPI SimModeFlags(void);
void SIMAPI SimSetBufferFlags(unsigned flags);
void SIMAPI SimSetModulePath(const char *path);  // NULL allowed
void SIMAPI SimSetFrameWindow(HWND window);

// ---- the user at the prompt -------------------------------------------------
// Queues the next answer of HostPrompt; NULL queues "no answer". An empty
// queue answers NULL.
void SIMAPI SimQueuePromptAnswer(const char *answer);
int SIMAPI SimPendingPromptAnswers(void);
// The default answer shown by the last HostPrompt (NULL when it had none, or
// before any prompt).
const char *SIMAPI SimLastPromptDefault(void);

// ---- menu 0x1400 ------------------------------------------------------------
// Refuses HostMenuItemInsert for command ids first..last.
void SIMAPI SimRefuseMenuIds(int first, int last);
void SIMAPI SimRefuseSeparator(int refuse);
// Makes HostSetCommandHandler fail for that command id.
void SIMAPI SimFailCommandHandler(int commandId);
int SIMAPI SimMenuEntryCount(void);
// Entry i (0-based, menu order): flags, command id, label and prompt (copied
// into 64-byte buffers); 0 when there is no such entry.
int SIMAPI SimMenuEntry(int i, int *flags, int *commandId, char *label, char *prompt);

// ---- registrations and calling the add-in -----------------------------------
int SIMAPI SimPrototypeCount(void);
const char *SIMAPI SimPrototype(int i);
// The export registered for the event, or NULL.
const char *SIMAPI SimEventHandler(int eventId);
// Registered event handlers in order: the i-th export name and its event id;
// NULL when there is no such registration.
int SIMAPI SimEventHandlerCount(void);
const char *SIMAPI SimEventHandlerAt(int i, int *eventId);
// The export registered for the command id, or NULL.
const char *SIMAPI SimCommandHandler(int commandId);
// How the simulator finds an export of the add-in by name (GetProcAddress on
// Windows, a table natively).
typedef void *(SIMCALL *SimExportResolver)(const char *name);
void SIMAPI SimSetExportResolver(SimExportResolver resolver);
// Fires a host event: calls its registered export with (0, 0) as
// int (long, long); answers the export's result, or -1 when none is registered
// or resolvable.
int SIMAPI SimFireEvent(int eventId);
// Project changes as the editor makes them: close fires 0x433 and then clears
// the project; open sets the project and then fires 0x432.
void SIMAPI SimOpenProject(const char *path);
void SIMAPI SimCloseProject(void);
// Runs a menu command: calls its registered export as int (int, int) with
// (0, commandId); -1 when none.
int SIMAPI SimFireCommand(int commandId);

// ---- the call log -----------------------------------------------------------
// Every host call the add-in made, in order, as text: the function name and
// its arguments, e.g. HostRegisterEventHandler(1043, 0, "TagpinFinish") or
// HostMarkRow(8193). Ints are decimal, texts quoted, NULL as NULL.
int SIMAPI SimLogCount(void);
const char *SIMAPI SimLogEntry(int i);
void SIMAPI SimClearLog(void);
// Turns recording on (the default, also after SimReset) or off; a benchmark
// switches it off to time the add-in alone.
void SIMAPI SimEnableLog(int on);

#ifdef __cplusplus
}
#endif
