// The save file through the add-in: where it lies, loading it at start-up,
// saving or removing it at the finish, with real files in a folder of each
// test's own and the simulated editor answering the host calls.
#include "addin_fixture.h"
#include "store/names.h"

#include <limits.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string Describe(const MarkRecord &r) {
    return std::string(r.name) + "|" + r.file.GetString() + "|" + std::to_string(r.row) + "|" +
           std::to_string(r.column) + "|" + r.project.GetString() + "|" +
           std::to_string(r.editorMark);
}

std::string ReadText(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class SaveFileTest : public AddinTest {
protected:
    void SetUp() override {
        m_dir = ::testing::TempDir() + "save_file_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        // The add-in keeps the module path up to its last backslash, so the
        // save file is the file "\tagpin.ini" inside the test's folder.
        SimSetModulePath((m_dir + "/\\rs.exe").c_str());
        m_app.ComputeSaveFilePath();
        m_save = m_app.m_saveFilePath;
        TakeLog();
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // Creates the file (and its folders) in the test's folder; its full path.
    std::string Touch(const std::string &name) {
        std::string path = m_dir + "/" + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path) << "x\n";
        return path;
    }
    void WriteSave(const std::string &text) { std::ofstream(m_save, std::ios::binary) << text; }
    bool SaveExists() { return std::filesystem::exists(m_save); }

    void Save(const std::vector<MarkRecord> &records) {
        Clear();
        for (const MarkRecord &r : records) m_app.m_marks.Add(r);
        m_app.SaveMarks();
    }
    std::vector<std::string> Load() {
        Clear();
        m_app.LoadMarks();
        std::vector<std::string> loaded;
        for (unsigned i = 0; i < m_app.m_marks.GetCount(); ++i)
            loaded.push_back(Describe(m_app.m_marks.GetAt(i)));
        return loaded;
    }
    void Clear() {
        while (m_app.m_marks.GetCount()) m_app.m_marks.RemoveAt(0);
    }

    std::string m_dir, m_save;
};

MarkRecord Record(const std::string &name, const std::string &file, int row, int column,
                  const std::string &project = "", int editorMark = NO_EDITOR_MARK) {
    MarkRecord r;
    r.name = name.c_str();
    r.file = file.c_str();
    r.row = row;
    r.column = column;
    r.project = project.c_str();
    r.editorMark = editorMark;
    return r;
}

TEST_F(SaveFileTest, SavePathIsTheModuleFolderAndTagpinIni) {
    std::string folderFits(248, 'd'), folderTooLong(249, 'd');
    struct {
        const char *module;  // NULL: the host has no path
        std::string expected;
    } cases[] = {
        {nullptr, "tagpin.ini"},
        {"rs.exe", "tagpin.ini"},
        {"", "tagpin.ini"},
        {"C:\\ed\\rs.exe", "C:\\ed\\tagpin.ini"},
        {"C:\\a\\b\\", "C:\\a\\b\\tagpin.ini"},
        {"\\rs.exe", "\\tagpin.ini"},
        {"C:/ed/rs.exe", "tagpin.ini"},
    };
    for (const auto &c : cases) {
        SimSetModulePath(c.module);
        m_app.ComputeSaveFilePath();
        EXPECT_EQ(c.expected, m_app.m_saveFilePath) << (c.module ? c.module : "NULL");
        EXPECT_EQ(std::vector<std::string>{"HostModulePath()"}, TakeLog());
    }
    // 249 bytes of folder with its backslash and "tagpin.ini" fill the
    // 260-byte buffer; one more and the folder is left out, the name kept.
    for (const std::string &folder : {folderFits, folderTooLong}) {
        std::string module = folder + "\\" + std::string(2000, 'm');
        SimSetModulePath(module.c_str());
        m_app.ComputeSaveFilePath();
        std::string expected = folder.size() + 1 + 10 <= 259 ? folder + "\\tagpin.ini" : "tagpin.ini";
        EXPECT_EQ(expected, m_app.m_saveFilePath) << folder.size();
    }
}

TEST_F(SaveFileTest, EveryFieldComesBackInItsPlaceWithoutEditorMark) {
    std::string notes = Touch("notes.txt"), list = Touch("list.txt"), demo = Touch("demo.prj");
    Save({Record("main", notes, 120, 5, demo, 0x2001), Record("A", list, 1, 1),
          Record("edge", notes, INT_MIN, INT_MAX, "", 0x2fff)});
    EXPECT_EQ("[Save]\r\nNumberOfMarks=3\r\n"
              "Mark1=main," + notes + ",120,5," + demo + "\r\n"
              "Mark2=A," + list + ",1,1,\r\n"
              "Mark3=edge," + notes + ",-2147483648,2147483647,\r\n",
              ReadText(m_save));
    EXPECT_EQ((std::vector<std::string>{"main|" + notes + "|120|5|" + demo + "|-1",
                                        "A|" + list + "|1|1||-1",
                                        "edge|" + notes + "|-2147483648|2147483647||-1"}),
              Load());
}

// Names, files and projects that the value's commas, blanks and quotes
// could garble all come back as they were saved.
TEST_F(SaveFileTest, AwkwardNamesFilesAndProjectsComeBackUnchanged) {
    std::string f = Touch("f.txt"), comma = Touch("we,ird/1,2.txt"), p = Touch("p,1.prj");
    std::string blank = Touch("trail "), quote = Touch("q'");
    std::vector<MarkRecord> records;
    for (const char *name : {"", ",", "a,b", ",lead", "trail,", "1,2", "a=b", ";x", "[x]",
                             " lead", "trail ", "\tt", "\"q\"", "'q", "q\"", "z\x1a",
                             "\x1az", "1,2,3,4,5,6,7,8,9,10,11,12,13,1", "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1"})
        records.push_back(Record(name, f, 2, 3));
    records.push_back(Record("c", comma, 4, 5, p));
    records.push_back(Record("1,2", comma, 6, 7, comma));
    records.push_back(Record("b", f, 8, 9, blank));
    records.push_back(Record(" b ", blank, 8, 9, quote));
    std::vector<std::string> expected;
    for (const MarkRecord &r : records) expected.push_back(Describe(r));
    Save(records);
    EXPECT_EQ(expected, Load());
}

// A line cannot hold a line break: a name taken from a selection of two
// lines comes back with a blank in its place instead of being left out.
TEST_F(SaveFileTest, LineBreaksInANameBecomeBlanks) {
    std::string f = Touch("f.txt");
    Save({Record("two\nlines\r", f, 1, 1), Record("next", f, 2, 1)});
    EXPECT_EQ((std::vector<std::string>{"two lines |" + f + "|1|1||-1", "next|" + f + "|2|1||-1"}),
              Load());
}

TEST_F(SaveFileTest, ShorterListLeavesOnlyItsKeysAndOtherSectionsByteForByte) {
    std::string f = Touch("f.txt");
    std::string before = "; notes\n[Editor]\r\n  Font = Courier  \n\n[save2]\nx=1\r\n";
    std::string after = "[Other]\nMark1=keep\n\n";
    WriteSave(before +
              "[Save]\r\nNumberOfMarks=5\r\nMark1=a,x,1,1,\r\nMark2=b,x,1,1,\r\n"
              "Mark3=c,x,1,1,\r\nMark4=d,x,1,1,\r\nMark5=e,x,1,1,\r\n" +
              after + "[SAVE]\r\nMark9=a second section of the name,x,1,1,\r\n");
    Save({Record("p", f, 1, 2), Record("q", f, 3, 4), Record("r", f, 5, 6)});
    EXPECT_EQ(before + after +
                  "[Save]\r\nNumberOfMarks=3\r\nMark1=p," + f + ",1,2,\r\nMark2=q," + f +
                  ",3,4,\r\nMark3=r," + f + ",5,6,\r\n",
              ReadText(m_save));
}

TEST_F(SaveFileTest, EmptyListRemovesTheFileAndNextStartLoadsNothing) {
    WriteSave("[Save]\r\nNumberOfMarks=1\r\nMark1=a," + Touch("f") + ",1,1,\r\n");
    Save({});
    EXPECT_FALSE(SaveExists());
    EXPECT_EQ((std::vector<std::string>{"HostFileExists(\"" + m_save + "\")",
                                        "HostFileDelete(\"" + m_save + "\")"}),
              TakeLog());
    EXPECT_TRUE(Load().empty());
    TakeLog();
    Save({});
    EXPECT_EQ(std::vector<std::string>{"HostFileExists(\"" + m_save + "\")"}, TakeLog());
}

TEST_F(SaveFileTest, SaveCreatesTheFileThroughTheHostOnlyWhenItIsNew) {
    std::string f = Touch("f");
    Save({Record("a", f, 1, 1)});
    std::vector<std::string> log = TakeLog();
    ASSERT_EQ(3u, log.size());
    EXPECT_EQ("HostFileExists(\"" + m_save + "\")", log[0]);
    EXPECT_EQ("HostFileOpen(\"" + m_save + "\", 1)", log[1]);
    EXPECT_EQ(0u, log[2].rfind("HostFileClose(", 0));
    Save({Record("b", f, 1, 1)});
    EXPECT_EQ(std::vector<std::string>{"HostFileExists(\"" + m_save + "\")"}, TakeLog());
    EXPECT_EQ("[Save]\r\nNumberOfMarks=1\r\nMark1=b," + f + ",1,1,\r\n", ReadText(m_save));
}

TEST_F(SaveFileTest, FailedWriteLeavesTheOldFileIntact) {
    std::string old = "[Save]\r\nNumberOfMarks=1\r\nMark1=a," + Touch("f") + ",1,1,\r\n";
    WriteSave(old);
    std::filesystem::create_directory(m_save + ".tmp");  // the new file cannot be made
    Save({Record("b", m_dir + "/f", 2, 2)});
    EXPECT_EQ(old, ReadText(m_save));
}

// Each record's file is asked about before its project, the project only for
// an existing file; a path asked about once is not asked again.
TEST_F(SaveFileTest, LoadAsksForTheSaveFileThenEachNewFileThenItsProject) {
    std::string f = Touch("f"), p = Touch("p");
    std::string gone = m_dir + "/gone", nop = m_dir + "/nop";
    WriteSave("[Save]\r\nNumberOfMarks=4\r\nMark1=a," + f + ",1,1," + p + "\r\nMark2=b," +
              gone + ",1,1," + p + "\r\nMark3=c," + f + ",1,1," + nop + "\r\nMark4=d," + f +
              ",1,1,\r\n");
    SimSetModulePath((m_dir + "/\\rs.exe").c_str());
    m_app.ComputeSaveFilePath();
    EXPECT_EQ((std::vector<std::string>{"a|" + f + "|1|1|" + p + "|-1", "d|" + f + "|1|1||-1"}),
              Load());
    auto exists = [](const std::string &path) { return "HostFileExists(\"" + path + "\")"; };
    EXPECT_EQ((std::vector<std::string>{"HostModulePath()", exists(m_save), exists(f), exists(p),
                                        exists(gone), exists(nop)}),
              TakeLog());
}

TEST_F(SaveFileTest, MissingSaveFileLoadsNothingAndAsksOnce) {
    EXPECT_TRUE(Load().empty());
    EXPECT_EQ(std::vector<std::string>{"HostFileExists(\"" + m_save + "\")"}, TakeLog());
}

TEST_F(SaveFileTest, CountIsReadUpToItsFirstOtherCharacter) {
    std::string f = Touch("f");
    std::string marks;
    for (int i = 1; i <= 5; ++i) marks += "Mark" + std::to_string(i) + "=m,"  + f + ",1,1,\r\n";
    struct {
        const char *count;  // NULL: no NumberOfMarks key
        size_t loaded;
    } cases[] = {
        {"3", 3},      {"3x", 3},     {" 2", 2},          {"\"4\"", 4},
        {"0", 0},      {"-1", 0},     {"", 0},            {"x3", 0},
        {nullptr, 0},  {"2147483647", 5}, {"2147483648", 5}, {"4294967297", 5},
        {"99999999999999999999", 5},
    };
    for (const auto &c : cases) {
        WriteSave("[Save]\r\n" + (c.count ? "NumberOfMarks=" + std::string(c.count) + "\r\n"
                                          : std::string()) + marks);
        EXPECT_EQ(c.loaded, Load().size()) << (c.count ? c.count : "no count");
    }
}

// Only the keys the file holds are looked at, however large the count.
TEST_F(SaveFileTest, HugeCountCostsOnlyTheKeysThere) {
    std::string f = Touch("f");
    WriteSave("[Save]\r\nNumberOfMarks=2147483647\r\nMark2147483647=z," + f +
              ",1,1,\r\nMark7=s," + f + ",1,1,\r\n");
    std::vector<std::string> loaded = Load();
    EXPECT_EQ((std::vector<std::string>{"s|" + f + "|1|1||-1", "z|" + f + "|1|1||-1"}), loaded);
}

// A file edited by hand: key names in any letter case, duplicates (the first
// counts), blanks, comments, junk lines, a key without name (which would end
// a listing of the keys, but not the reading of each), keys out of order or
// beyond the count, and a second [Save] section that is never read.
TEST_F(SaveFileTest, HandEditedFileLoadsAsTheProfileRulesRead) {
    std::string f = Touch("f");
    WriteSave("junk above\n[ save ]  trailing\n=no name\n numberofmarks = 4 \n"
              "MARK3 = c," + f + ",3,3,\n"
              "mark1=a," + f + ",1,1,\nMark1=dup," + f + ",9,9,\n"
              "; Mark2=comment," + f + ",2,2,\nno equals sign\n\n"
              "Mark02=zero," + f + ",2,2,\nMark5=beyond," + f + ",5,5,\n"
              "Mark4 = \" d \"\n"
              "[Save]\nMark2=second," + f + ",2,2,\n");
    EXPECT_EQ((std::vector<std::string>{"a|" + f + "|1|1||-1", "c|" + f + "|3|3||-1"}), Load());
}

TEST_F(SaveFileTest, LongValuesNamesAndPathsLoadWhole) {
    std::string deep = Touch(std::string(120, 'd') + "/" + std::string(120, 'e') + "/" +
                             std::string(60, 'f') + ".txt");
    std::string name(200, 'n');
    ASSERT_GT(deep.size(), 259u);
    Save({Record(name, deep, 1, 2, deep), Record("a", deep, 3, 4)});
    std::vector<std::string> loaded = Load();
    EXPECT_EQ((std::vector<std::string>{name + "|" + deep + "|1|2|" + deep + "|-1",
                                        "a|" + deep + "|3|4||-1"}),
              loaded);
    // The name makers still leave at most 31 bytes.
    m_app.GenerateUniqueName();
    EXPECT_STREQ("A", m_app.m_defaultName);
    EXPECT_EQ(1, NameInUse(&m_app.m_marks, name.c_str(), 0));
}

TEST_F(SaveFileTest, FileOfTheEarlierVersionKeepsLoading) {
    // Written by the platform's own profile routines, one key at a time.
    std::string text = ReadText(TAGPIN_FIXTURES "/save/classic.ini");
    ASSERT_FALSE(text.empty());
    for (size_t at; (at = text.find("@DIR@")) != std::string::npos;) text.replace(at, 5, m_dir);
    for (const char *name : {"notes.txt", "list.txt", "demo.prj"}) Touch(name);
    WriteSave(text);
    std::string d = m_dir;
    EXPECT_EQ((std::vector<std::string>{
                  "main|" + d + "/notes.txt|120|5|" + d + "/demo.prj|-1",
                  "A|" + d + "/list.txt|1|1||-1",
                  "last|" + d + "/notes.txt|-3|0||-1",
              }),
              Load());
}

}  // namespace
