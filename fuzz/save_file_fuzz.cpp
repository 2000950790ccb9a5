// save_file_fuzz.cpp - any bytes as the save file.
//
// The profile reader: an unchanged file serializes to the very bytes it was
// read from, and after changes its text reads back with the same answers for
// every key. The add-in: the bookmarks LoadMarks takes from the file come
// back unchanged through SaveMarks and a second LoadMarks, and the save
// leaves every other section answering as before.
//
// The fuzzer works in a folder of its own that holds the files a.txt, b.c
// and p.prj, so records that name them load; the save file is the bare name
// tagpin.ini there (the host reports no module path).
#include "addin/tagpin_app.h"
#include "persist/profile.h"
#include "persist/profile_io.h"
#include "sim/sim.h"

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

const char kSaveFile[] = "tagpin.ini";
const char *const kFiles[] = {"a.txt", "b.c", "p.prj"};
std::string g_folder;

void Require(bool ok, const char *what) {
    if (ok) return;
    fprintf(stderr, "save_file_fuzz: %s\n", what);
    abort();
}

void RemoveFolder() {
    for (const char *name : kFiles) remove(name);
    remove(kSaveFile);
    remove("tagpin.ini.tmp");
    if (chdir("/") == 0) rmdir(g_folder.c_str());
}

// Section names worth asking about: the part above the first header, "Save"
// and the names between brackets in the data (a few of them).
std::vector<std::string> SectionNames(const std::string &data) {
    std::vector<std::string> names = {"", "Save", "save"};
    for (size_t open = data.find('['); open != std::string::npos && names.size() < 12;
         open = data.find('[', open + 1)) {
        size_t close = data.find_first_of("]\r\n", open + 1);
        if (close == std::string::npos || data[close] != ']') continue;
        names.push_back(TrimProfileText(data.substr(open + 1, close - open - 1)));
    }
    return names;
}

// Every answer of profile for the sections, as text, to compare two profiles.
std::string Answers(const CProfileFile &profile, const std::vector<std::string> &sections,
                    bool withSave) {
    std::string out;
    for (const std::string &section : sections) {
        if (!withSave && FoldProfileName(section) == "save") continue;
        out += "[" + section + "]\n";
        for (const std::string &key : profile.KeyNames(section)) {
            std::string value = "(none)";
            profile.GetValue(section, key, value);
            out += key + "=" + value + "\n";
        }
    }
    return out;
}

void CheckProfile(const std::string &data, const std::vector<std::string> &sections) {
    CProfileFile profile;
    profile.Parse(data.data(), data.size());
    Require(profile.Serialize() == data, "an unchanged profile serializes differently");

    // Change a few keys, add one, drop a section: the text written must read
    // back with the same answers.
    std::vector<std::string> keys = profile.KeyNames("Save");
    for (size_t i = 0; i < keys.size() && i < 8; ++i) {
        std::string value;
        profile.GetValue("Save", keys[i], value);
        profile.SetValue("Save", keys[i], i % 2 ? " \"" + value + "\"" : value + ",1");
    }
    profile.SetValue(sections.back(), "Added", "\x1a value \"");
    if (sections.size() > 3) profile.RemoveSection(sections[3]);
    CProfileFile again;
    std::string text = profile.Serialize();
    again.Parse(text.data(), text.size());
    Require(Answers(again, sections, true) == Answers(profile, sections, true),
            "a changed profile reads back differently");
}

std::vector<std::string> Describe(const MarkList &marks) {
    std::vector<std::string> out;
    for (unsigned i = 0; i < marks.GetCount(); ++i) {
        const MarkRecord &r = marks.GetAt(i);
        Require(r.editorMark == NO_EDITOR_MARK, "a bookmark loaded with an editor mark");
        out.push_back(std::string(r.name) + "|" + r.file.GetString() + "|" +
                      std::to_string(r.row) + "|" + std::to_string(r.column) + "|" +
                      r.project.GetString());
    }
    return out;
}

std::vector<std::string> LoadedMarks() {
    CTagpinApp app;
    app.ComputeSaveFilePath();
    app.LoadMarks();
    return Describe(app.m_marks);
}

CProfileFile ReadProfile() {
    std::string text;
    ReadProfileFile(kSaveFile, text);
    CProfileFile profile;
    profile.Parse(text.data(), text.size());
    return profile;
}

void CheckSaveRoundTrip(const std::string &data, const std::vector<std::string> &sections) {
    Require(WriteProfileFile(kSaveFile, data), "cannot write the save file");
    std::vector<std::string> loaded;
    {
        CTagpinApp app;
        app.ComputeSaveFilePath();
        app.LoadMarks();
        loaded = Describe(app.m_marks);
        app.SaveMarks();
    }
    Require(LoadedMarks() == loaded, "saved bookmarks load back differently");
    if (loaded.empty()) return;  // the save removed the file
    CProfileFile before;
    before.Parse(data.data(), data.size());
    Require(Answers(ReadProfile(), sections, false) == Answers(before, sections, false),
            "a save changed another section");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    char folder[] = "/tmp/tagpin_fuzz_XXXXXX";
    Require(mkdtemp(folder) != nullptr && chdir(folder) == 0, "no working folder");
    g_folder = folder;
    for (const char *name : kFiles) {
        FILE *file = fopen(name, "wb");
        Require(file != nullptr, "cannot create the bookmarked files");
        fclose(file);
    }
    atexit(RemoveFolder);
    SimReset();
    SimEnableLog(0);  // the call log would only grow
    SimSetModulePath(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    std::string data(reinterpret_cast<const char *>(bytes), size);
    std::vector<std::string> sections = SectionNames(data);
    CheckProfile(data, sections);
    CheckSaveRoundTrip(data, sections);
    return 0;
}
