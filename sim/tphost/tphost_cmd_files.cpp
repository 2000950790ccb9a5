// tphost_cmd_files.cpp - files the user keeps on disk (writing a file with
// its folder, removing one, so that a session starts from a known state),
// closing a buffer, and quitting the editor.
#include <windows.h>

#include <cstdio>
#include <string>

#include "host/host.h"
#include "sim/sim.h"
#include "sim/tphost/tphost_commands.h"

namespace {

// Creates every folder above path that is missing.
void CreateFolders(const std::string &path) {
    for (size_t slash = path.find('\\', 3); slash != std::string::npos;
         slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
}

}  // namespace

bool RunWrite(CHostSession &, const CArgs &args) {
    const std::string &path = args[0].m_text;
    CreateFolders(path);
    FILE *file = std::fopen(path.c_str(), "wb");
    bool written = file && std::fputs(args[1].m_text.c_str(), file) >= 0;
    if (file) std::fclose(file);
    PrintLine("write " + path + (written ? ": written" : ": cannot write"));
    return written;
}

bool RunRemove(CHostSession &, const CArgs &args) {
    const std::string &path = args[0].m_text;
    bool removed = DeleteFileA(path.c_str()) != 0;
    PrintLine("remove " + path + (removed ? ": removed" : ": not there"));
    return true;
}

// The editor quits: it reports its finish to the add-in, unloads it, and
// forgets every buffer and mark; only the folder of its settings stays.
bool RunQuit(CHostSession &session, const CArgs &) {
    if (session.Addin()) {
        PrintLine("quit: finish event, TagpinFinish returned " + std::to_string(SimFireEvent(0x413)));
        FreeLibrary(session.Addin());
        session.SetAddin(nullptr);
    }
    std::string modulePath = HostModulePath() ? HostModulePath() : "";
    SimReset();
    SimSetModulePath(modulePath.empty() ? nullptr : modulePath.c_str());
    session.TakeLogStart(0);
    PrintLine("quit: the editor closed every file");
    return true;
}

// The user closes the current buffer; its marks go with it.
bool RunClose(CHostSession &session, const CArgs &) {
    int buffer = SimCurrentBuffer();
    if (buffer <= 0) {
        session.Error("no buffer is open");
        return false;
    }
    SimCloseBuffer(buffer, 0);
    PrintLine("close: buffer " + std::to_string(buffer) + " closed");
    return true;
}

// What the last prompt offered as its default answer.
bool RunOffered(CHostSession &, const CArgs &) {
    const char *offered = SimLastPromptDefault();
    PrintLine(std::string("offered: the prompt proposed \"") + (offered ? offered : "") + "\"");
    return true;
}

// Where the editor is: the current buffer's file and the cursor.
bool RunWhere(CHostSession &, const CArgs &) {
    int buffer = SimCurrentBuffer();
    const char *path = buffer ? SimBufferPath(buffer) : nullptr;
    PrintLine("where: the editor is at " + std::string(path ? path : "no buffer") + " line " +
              std::to_string(SimCursorLine()) + ", column " + std::to_string(SimCursorColumn()));
    return true;
}
