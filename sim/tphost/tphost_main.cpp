// tphost_main.cpp - the host program: tphost.exe SCRIPT plays a session of
// the simulated editor with the add-in loaded as the editor loads it, and
// prints what happens, one line per step. Exit code 0 when every step went
// as written, 1 when a step failed, 2 for a missing script.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "sim/tphost/tphost_session.h"

namespace {

bool ReadScript(const char *path, std::vector<std::string> &lines) {
    FILE *file = std::fopen(path, "rb");
    if (!file) return false;
    std::string line;
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty()) lines.push_back(line);
    std::fclose(file);
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    // Lines end in '\n' alone, the same on every platform.
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> lines;
    if (argc != 2 || !ReadScript(argv[1], lines)) {
        std::fprintf(stderr, "usage: tphost SCRIPT (a readable session script)\n");
        return 2;
    }
    CHostSession session;
    if (session.Start()) session.Run(lines);
    session.Finish();
    return session.Failed() ? 1 : 0;
}
