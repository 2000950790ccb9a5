// rcgen - reads the string table and the dialog templates of tagpin.rc
// (with the ids of resource.h) and writes them as C++ tables, so that the
// native build uses the very texts and templates the Windows build compiles
// into tagpin.dll.
//
//   rcgen tagpin.rc resource.h resource_table.cpp
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const char *path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "rcgen: cannot read %s\n", path);
        std::exit(1);
    }
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// #define NAME NUMBER lines of resource.h.
std::map<std::string, long> ReadIds(const std::string &header) {
    std::map<std::string, long> ids;
    std::istringstream lines(header);
    std::string word, name;
    long value;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        if (fields >> word >> name >> value && word == "#define") ids[name] = value;
    }
    return ids;
}

// An rc string literal starting at text[pos] (the opening quote): "" stands
// for a quote, backslash escapes as in C.
std::string ReadLiteral(const std::string &text, size_t pos, size_t *end = nullptr) {
    std::string out;
    for (size_t i = pos + 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
                out += '"';
                ++i;
                continue;
            }
            if (end) *end = i + 1;
            return out;
        }
        if (c == '\\' && i + 1 < text.size()) {
            char e = text[++i];
            out += e == 'n' ? '\n' : e == 't' ? '\t' : e;
            continue;
        }
        out += c;
    }
    std::fprintf(stderr, "rcgen: unterminated string\n");
    std::exit(1);
}

std::string CLiteral(const std::string &text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else out += (char)c;
    }
    return out + "\"";
}

[[noreturn]] void Fail(const std::string &message) {
    std::fprintf(stderr, "rcgen: %s\n", message.c_str());
    std::exit(1);
}

std::string Trim(const std::string &text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> SplitAt(const std::string &text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(Trim(part));
    return parts;
}

// The names a template may use: the system's, resource.h's and the rc
// file's own #defines.
class CSymbols {
public:
    CSymbols(const std::map<std::string, long> &ids, const std::string &rc) : m_values(ids) {
        static const std::pair<const char *, unsigned long> system[] = {
            {"IDOK", 1}, {"IDCANCEL", 2},
            {"WS_POPUP", 0x80000000ul}, {"WS_CHILD", 0x40000000ul}, {"WS_VISIBLE", 0x10000000ul},
            {"WS_DISABLED", 0x08000000ul}, {"WS_CAPTION", 0x00C00000ul},
            {"WS_BORDER", 0x00800000ul}, {"WS_VSCROLL", 0x00200000ul},
            {"WS_HSCROLL", 0x00100000ul}, {"WS_SYSMENU", 0x00080000ul},
            {"WS_GROUP", 0x00020000ul}, {"WS_TABSTOP", 0x00010000ul},
            {"DS_SETFONT", 0x40}, {"DS_MODALFRAME", 0x80}, {"DS_CENTER", 0x800},
            {"BS_PUSHBUTTON", 0}, {"BS_DEFPUSHBUTTON", 1}, {"ES_LEFT", 0},
            {"ES_AUTOHSCROLL", 0x80}, {"ES_READONLY", 0x800}, {"SS_LEFT", 0},
            {"LBS_NOTIFY", 1}, {"LBS_SORT", 2}, {"LBS_USETABSTOPS", 0x80},
        };
        for (const auto &s : system) m_values[s.first] = (long)s.second;
        std::istringstream lines(rc);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream fields(line);
            std::string word, name, value;
            if (fields >> word >> name >> value && word == "#define")
                m_values[name] = std::strtol(value.c_str(), nullptr, 0);
        }
    }

    // NAME | NAME | number ...
    unsigned long Value(const std::string &expression) const {
        unsigned long value = 0;
        for (const std::string &term : SplitAt(expression, '|')) {
            char *end = nullptr;
            long number = std::strtol(term.c_str(), &end, 0);
            if (!term.empty() && *end == 0) {
                value |= (unsigned long)number;
                continue;
            }
            auto found = m_values.find(term);
            if (found == m_values.end()) Fail("unknown name " + term);
            value |= (unsigned long)found->second;
        }
        return value & 0xFFFFFFFFul;
    }
    long Number(const std::string &expression) const { return (long)(int)Value(expression); }

private:
    std::map<std::string, long> m_values;
};

struct Control {
    long id, atom;
    std::string text;
    unsigned long style;
    long x, y, cx, cy;
};

struct Dialog {
    long id;
    unsigned long style;
    long x, y, cx, cy;
    std::string caption, face;
    long points;
    std::vector<Control> controls;
};

// CONTROL "text", id, class, style, x, y, cx, cy
Control ReadControl(const std::string &line, const CSymbols &symbols) {
    size_t quote = line.find('"'), end = 0;
    if (quote == std::string::npos) Fail("CONTROL without text: " + line);
    Control c;
    c.text = ReadLiteral(line, quote, &end);
    std::vector<std::string> f = SplitAt(line.substr(end), ',');
    if (f.size() != 8 || !f[0].empty()) Fail("CONTROL needs 7 fields after its text: " + line);
    c.id = symbols.Number(f[1]);
    c.atom = symbols.Number(f[2]);
    // The resource compiler makes every CONTROL a visible child window.
    c.style = symbols.Value(f[3]) | 0x40000000ul | 0x10000000ul;
    c.x = symbols.Number(f[4]);
    c.y = symbols.Number(f[5]);
    c.cx = symbols.Number(f[6]);
    c.cy = symbols.Number(f[7]);
    return c;
}

// NAME DIALOG x, y, cx, cy / STYLE / CAPTION / FONT / BEGIN controls END
std::vector<Dialog> ReadDialogs(const std::string &rc, const CSymbols &symbols) {
    std::vector<Dialog> dialogs;
    std::istringstream lines(rc);
    Dialog *open = nullptr;
    bool inBody = false;
    for (std::string raw; std::getline(lines, raw);) {
        std::string line = Trim(raw);
        std::istringstream fields(line);
        std::string first, second;
        fields >> first >> second;
        if (!open) {
            if (second != "DIALOG") continue;
            std::vector<std::string> f = SplitAt(line.substr(line.find("DIALOG") + 6), ',');
            if (f.size() != 4) Fail("DIALOG needs x, y, cx, cy: " + line);
            dialogs.push_back(Dialog{symbols.Number(first), 0, symbols.Number(f[0]),
                                     symbols.Number(f[1]), symbols.Number(f[2]),
                                     symbols.Number(f[3]), "", "", 0, {}});
            open = &dialogs.back();
        } else if (!inBody) {
            if (first == "STYLE") open->style = symbols.Value(line.substr(5));
            else if (first == "CAPTION") open->caption = ReadLiteral(line, line.find('"'));
            else if (first == "FONT") {
                open->points = symbols.Number(SplitAt(line.substr(4), ',')[0]);
                open->face = ReadLiteral(line, line.find('"'));
            } else if (first == "BEGIN") inBody = true;
            else if (!first.empty()) Fail("unknown dialog statement " + first);
        } else if (first == "END") {
            open = nullptr;
            inBody = false;
        } else if (first == "CONTROL") {
            open->controls.push_back(ReadControl(line, symbols));
        } else if (!first.empty()) {
            Fail("only CONTROL statements are read in a dialog: " + line);
        }
    }
    return dialogs;
}

void WriteDialogs(std::ostream &out, const std::vector<Dialog> &dialogs) {
    for (const Dialog &d : dialogs) {
        out << "\nstatic const ResourceControl s_controls" << d.id << "[] = {\n";
        for (const Control &c : d.controls)
            out << "    {" << c.id << ", 0x" << std::hex << c.atom << ", " << CLiteral(c.text)
                << ", 0x" << c.style << std::dec << "u, " << c.x << ", " << c.y << ", " << c.cx
                << ", " << c.cy << "},\n";
        out << "};\n";
    }
    out << "\nconst ResourceDialog g_resourceDialogs[] = {\n";
    for (const Dialog &d : dialogs)
        out << "    {" << d.id << ", 0x" << std::hex << d.style << std::dec << "u, " << d.x << ", "
            << d.y << ", " << d.cx << ", " << d.cy << ", " << CLiteral(d.caption) << ", "
            << CLiteral(d.face) << ", " << d.points << ", s_controls" << d.id << ", "
            << d.controls.size() << "},\n";
    out << "};\nconst int g_resourceDialogCount = " << dialogs.size() << ";\n";
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: rcgen tagpin.rc resource.h out.cpp\n");
        return 2;
    }
    std::string rc = ReadFile(argv[1]);
    std::map<std::string, long> ids = ReadIds(ReadFile(argv[2]));

    size_t table = rc.find("\nSTRINGTABLE");
    size_t begin = rc.find("BEGIN", table);
    size_t end = rc.find("\nEND", begin);
    if (table == std::string::npos || begin == std::string::npos || end == std::string::npos) {
        std::fprintf(stderr, "rcgen: no string table\n");
        return 1;
    }
    std::vector<std::pair<long, std::string>> strings;
    std::istringstream lines(rc.substr(begin + 5, end - begin - 5));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string name;
        size_t quote = line.find('"');
        if (!(fields >> name) || quote == std::string::npos) continue;
        if (!ids.count(name)) {
            std::fprintf(stderr, "rcgen: unknown id %s\n", name.c_str());
            return 1;
        }
        strings.emplace_back(ids[name], ReadLiteral(line, quote));
    }

    std::ofstream out(argv[3], std::ios::binary);
    out << "// Generated by rcgen from tagpin.rc; do not edit.\n"
           "#include \"res/resource_table.h\"\n\n"
           "const ResourceString g_resourceStrings[] = {\n";
    for (auto &s : strings) out << "    {" << s.first << ", " << CLiteral(s.second) << "},\n";
    out << "};\nconst int g_resourceStringCount = " << strings.size() << ";\n";
    WriteDialogs(out, ReadDialogs(rc, CSymbols(ids, rc)));
    return out ? 0 : 1;
}
