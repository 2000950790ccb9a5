// tphost_cmd_show.cpp - listings: the host calls made, the editor marks, a
// file's contents, what the add-in registered and its menu.
#include <cstdio>

#include "sim/sim.h"
#include "sim/tphost/tphost_commands.h"

namespace {

const int kMaxMarkIndex = 0xFFF;

// The lines of a file; false when it cannot be read.
bool ReadLines(const char *path, std::vector<std::string> &lines) {
    FILE *file = std::fopen(path, "rb");
    if (!file) return false;
    std::string line;
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(c);
        }
    }
    if (!line.empty()) lines.push_back(line);
    std::fclose(file);
    return true;
}

}  // namespace

bool RunLog(CHostSession &session, const CArgs &) {
    int count = SimLogCount();
    int start = session.TakeLogStart(count);
    PrintLine("log: " + std::to_string(count - start) + " host calls");
    for (int i = start; i < count; ++i) PrintLine(std::string("  host: ") + SimLogEntry(i));
    return true;
}

bool RunMarks(CHostSession &, const CArgs &) {
    std::vector<std::string> listing;
    for (int index = 1; index <= kMaxMarkIndex; ++index) {
        int id = 0x2000 | index, buffer = 0, line = 0, column = 0;
        if (!SimMarkPlace(id, &buffer, &line, &column)) continue;
        const char *path = SimBufferPath(buffer);
        listing.push_back("  " + Hex(id) + " " + (path ? path : "?") + " " +
                          std::to_string(line) + "," + std::to_string(column));
    }
    PrintLine("marks: " + std::to_string(listing.size()));
    for (const std::string &line : listing) PrintLine(line);
    return true;
}

bool RunFile(CHostSession &, const CArgs &args) {
    std::vector<std::string> lines;
    const std::string &path = args[0].m_text;
    if (!ReadLines(path.c_str(), lines)) {
        PrintLine("file " + path + ": does not exist");
        return true;
    }
    PrintLine("file " + path + ": " + std::to_string(lines.size()) + " lines");
    for (const std::string &line : lines) PrintLine("  | " + line);
    return true;
}

bool RunRegistrations(CHostSession &, const CArgs &) {
    int prototypes = SimPrototypeCount(), events = SimEventHandlerCount();
    PrintLine("registrations: " + std::to_string(prototypes) + " prototypes, " +
              std::to_string(events) + " event handlers");
    for (int i = 0; i < prototypes; ++i) PrintLine(std::string("  prototype ") + SimPrototype(i));
    for (int i = 0; i < events; ++i) {
        int eventId = 0;
        const char *name = SimEventHandlerAt(i, &eventId);
        PrintLine("  event " + Hex(eventId) + " -> " + name);
    }
    return true;
}

bool RunMenu(CHostSession &, const CArgs &) {
    int count = SimMenuEntryCount();
    PrintLine("menu: " + std::to_string(count) + " entries");
    for (int i = 0; i < count; ++i) {
        int flags = 0, commandId = 0;
        char label[64], prompt[64];
        SimMenuEntry(i, &flags, &commandId, label, prompt);
        const char *handler = SimCommandHandler(commandId);
        PrintLine("  " + Hex(commandId) + " flags " + Hex(flags) + " " + Quote(label) + " " +
                  Quote(prompt) + " -> " + (handler ? handler : "no handler"));
    }
    return true;
}
