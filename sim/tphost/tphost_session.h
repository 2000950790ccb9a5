// tphost_session.h - one run of the host program.
//
// CHostSession  the frame window, the loaded add-in and the run's outcome;
//               plays a script one line at a time
// CHostCommand  one script command: its name, argument counts and handler
#pragma once

#include <string>
#include <vector>

#include "sim/tphost/tphost_script.h"
#include "sim/tphost/tphost_window.h"

class CHostSession {
public:
    CHostSession();

    // Opens the frame window and sets the editor up the way the editor would
    // be when an add-in is loaded.
    bool Start();
    void Run(const std::vector<std::string> &lines);
    // Unloads the add-in if the script left it loaded; closes the window.
    void Finish();
    bool Failed() const { return m_failed; }

    // For the commands.
    HMODULE Addin() const { return m_addin; }
    void SetAddin(HMODULE addin);
    // The add-in's export, or NULL (after reporting an error) when the add-in
    // is not loaded or has no such export.
    void *Export(const char *name);
    // Prints `error: line N: message` and marks the run failed.
    void Error(const std::string &message);
    // Index of the first host call not yet printed by `log`; advances it.
    int TakeLogStart(int count);

private:
    void RunLine(const std::string &line);

    CFrameWindow m_frame;
    HMODULE m_addin;
    int m_lineNumber;
    int m_logShown;
    bool m_failed;
};

struct CHostCommand {
    const char *m_name;
    int m_minArgs;
    int m_maxArgs;
    // False after reporting an error through the session.
    bool (*m_run)(CHostSession &session, const CArgs &args);
    const char *m_usage;
};

// The command with that name, or NULL.
const CHostCommand *FindHostCommand(const std::string &name);
// Writes one line of the transcript and flushes it at once, so a crash in
// the add-in still leaves everything before it on record.
void PrintLine(const std::string &line);
