// profile_test.cpp - the profile file reader and writer (persist/profile.h).
//
// What the platform's profile routines answer and write was taken from them
// under Wine; tests/e2e/profile_diff_test.cpp holds the two side by side.
#include <gtest/gtest.h>

#include <stdio.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "persist/profile.h"
#include "persist/profile_io.h"

namespace {

const std::string kFixtures = TAGPIN_FIXTURES "/profile/";

std::string Unescape(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] != '\\' || i + 1 == text.size()) { out += text[i]; continue; }
        char c = text[++i];
        if (c == 'r') out += '\r';
        else if (c == 'n') out += '\n';
        else if (c == 't') out += '\t';
        else if (c == 'x') { out += char(std::stoi(text.substr(i + 1, 2), nullptr, 16)); i += 2; }
        else out += c;
    }
    return out;
}

struct SLookup {
    std::string m_fixture, m_section, m_key, m_value;
    bool m_found;
};

// The rows of lookups.txt.
std::vector<SLookup> ReadLookups()
{
    std::string text;
    EXPECT_TRUE(ReadProfileFile((kFixtures + "lookups.txt").c_str(), text));
    std::vector<SLookup> rows;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(begin, end - begin);
        begin = end + 1;
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        for (size_t at = 0, bar; ; at = bar + 1) {
            bar = line.find('|', at);
            fields.push_back(Unescape(line.substr(at, bar - at)));
            if (bar == std::string::npos) break;
        }
        EXPECT_EQ(4u, fields.size()) << line;
        if (fields.size() != 4) continue;
        bool found = fields[3] != "<missing>";
        rows.push_back({fields[0], fields[1], fields[2], found ? fields[3] : "", found});
    }
    return rows;
}

CProfileFile Load(const std::string &text)
{
    CProfileFile profile;
    profile.Parse(text.data(), text.size());
    return profile;
}

std::string ReadFixture(const std::string &name)
{
    std::string data;
    EXPECT_TRUE(ReadProfileFile((kFixtures + name).c_str(), data)) << name;
    return data;
}

}  // namespace

TEST(ProfileRead, HandEditedFilesAnswerAsThePlatformDoes)
{
    std::vector<SLookup> rows = ReadLookups();
    ASSERT_FALSE(rows.empty());
    for (const SLookup &row : rows) {
        CProfileFile profile = Load(ReadFixture(row.m_fixture));
        std::string value = "untouched";
        bool found = profile.GetValue(row.m_section, row.m_key, value);
        SCOPED_TRACE(row.m_fixture + " [" + row.m_section + "] " + row.m_key);
        EXPECT_EQ(row.m_found, found);
        EXPECT_EQ(row.m_found ? row.m_value : "untouched", value);
    }
}

TEST(ProfileRead, UnchangedFileSerializesByteForByte)
{
    std::set<std::string> texts = {"", "\r\n", "\xEF\xBB\xBF", "[S]", "a=1", "\n\n[S]\r\r\n"};
    for (const SLookup &row : ReadLookups()) texts.insert(ReadFixture(row.m_fixture));
    for (const std::string &text : texts) EXPECT_EQ(text, Load(text).Serialize());
}

TEST(ProfileRead, KeyNamesListsKeysAsThePlatformDoes)
{
    using SNames = std::vector<std::string>;
    struct {
        const char *text, *section;
        SNames expected;
    } cases[] = {
        {"[S]\na=1\na=2\nA=3\n", "s", {"a", "a", "A"}},
        {"[S]\n;c=1\n ;d\na\n\"q\" = 2\n", "S", {"\"q\""}},
        {"[S]\na=1\n=v\n=w\nb=2\n", "S", {"a", "", "b"}},
        {"[S]\n=v\na=1\n", "S", {}},
        {"a=1\n[S]\nb=2\n", "", {"a"}},
        {"[S]\na=1\n", " S", {}},
        {"[S]\na=1\n[S]\nb=1\n", "S", {"a"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, Load(c.text).KeyNames(c.section)) << c.text;
}

TEST(ProfileWrite, SetValueLaysOutLinesAsThePlatformDoes)
{
    struct {
        const char *start, *section, *key, *value, *expected;
    } cases[] = {
        // Files the platform itself wrote: the same bytes it writes.
        {"", "S", "a", "1", "[S]\r\na=1\r\n"},
        {"[S]\r\na=1\r\n", "S", "a", "2", "[S]\r\na=2\r\n"},
        {"[S]\r\na=1\r\n", "s", "B", "3", "[S]\r\na=1\r\nB=3\r\n"},
        {"[S]\r\na=1\r\n", "T", "c", "  3 ", "[S]\r\na=1\r\n[T]\r\nc=3 \r\n"},
        {"[S]\r\na=1\r\n", " T ", "b", "v", "[S]\r\na=1\r\n[T ]\r\nb=v\r\n"},
        {"x=1\r\n[S]\r\na=1\r\n", "S", " b ", "v ", "x=1\r\n[S]\r\na=1\r\nb =v \r\n"},
        {"[S]\r\na=1\r\n[S]\r\nb=1\r\n", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n[S]\r\nb=1\r\n"},
        {"[S]\r\na\r\n", "S", "a", "", "[S]\r\na=\r\n"},
        {"[S]\r\n", "", "k", "v", "k=v\r\n[S]\r\n"},
        // No final line end: one is added before anything new.
        {"[S]\r\na=1", "S", "b", "3", "[S]\r\na=1\r\nb=3\r\n"},
        {"[S]\r\na=1", "T", "b", "3", "[S]\r\na=1\r\n[T]\r\nb=3\r\n"},
        {"[S]", "S", "b", "3", "[S]\r\nb=3\r\n"},
        // An equal value is left as it is written.
        {"[S]\r\na=1\r\n", "S", "a", " 1", "[S]\r\na=1\r\n"},
        {"[S]\n a = \"1\" \n", "S", "a", "\"1\"", "[S]\n a = \"1\" \n"},
        // Hand-edited files: every other line stays as it is.
        {"[S]\n a = 1 \n[T]\n", "S", "A", "2", "[S]\na=2\n[T]\n"},
        {"[S]\ra=1\r", "S", "a", "2", "[S]\ra=2\r"},
        {"[S]\n a = 1 \n\n; c\n\n[T]\nb=2\n", "S", "c", "3",
         "[S]\n a = 1 \n\n; c\nc=3\r\n\n[T]\nb=2\n"},
        {"\xEF\xBB\xBF[S]\r\n", "S", "a", "1", "\xEF\xBB\xBF[S]\r\na=1\r\n"},
    };
    for (const auto &c : cases) {
        CProfileFile profile = Load(c.start);
        SCOPED_TRACE(std::string(c.start) + " <- [" + c.section + "] " + c.key);
        EXPECT_TRUE(profile.SetValue(c.section, c.key, c.value));
        EXPECT_EQ(c.expected, profile.Serialize());
    }
}

TEST(ProfileWrite, SetValueRefusesTextThatWouldNotReadBack)
{
    struct {
        std::string section, key, value;
    } cases[] = {
        {"S", "a=b", "1"},  {"S", "", "1"},          {"S", "  ", "1"},
        {"S", "a", "1\r\n2"}, {"S", "a\nb", "1"},    {"S\r", "a", "1"},
        {"S", "a", std::string("1\0002", 3)},        {"S", "[k]", ""},
        {"S", "[k", "]"},
    };
    for (const auto &c : cases) {
        CProfileFile profile = Load("[S]\r\na=0\r\n");
        EXPECT_FALSE(profile.SetValue(c.section, c.key, c.value)) << c.key << "=" << c.value;
        EXPECT_EQ("[S]\r\na=0\r\n", profile.Serialize());
    }
}

TEST(ProfileWrite, RemoveSectionTakesTheFirstOfItsNameAndItsLines)
{
    struct {
        const char *start, *section;
        bool removed;
        const char *expected;
    } cases[] = {
        {"[S]\r\na=1\r\n[T]\r\nb=2\r\n", "S", true, "[T]\r\nb=2\r\n"},
        {"[S]\r\na=1\r\n", "s", true, ""},
        {"[ S ]\r\na=1\r\n", "S", true, ""},
        {"[S]\r\na=1\r\n", " S", false, "[S]\r\na=1\r\n"},
        {"[S]\na=1\n[T]\nb=1\n[S]\nc=1\n", "S", true, "[T]\nb=1\n[S]\nc=1\n"},
        {"[A]\n\n[S]\nx=1\n\n[B]\n", "S", true, "[A]\n\n[B]\n"},
        {"[S]\r\na=1\r\n", "X", false, "[S]\r\na=1\r\n"},
        {"top=1\r\n[S]\r\n", "", true, "[S]\r\n"},
    };
    for (const auto &c : cases) {
        CProfileFile profile = Load(c.start);
        EXPECT_EQ(c.removed, profile.RemoveSection(c.section)) << c.start;
        EXPECT_EQ(c.expected, profile.Serialize()) << c.start;
    }
}

TEST(ProfileWrite, RemovedSectionUncoversTheNextOfItsName)
{
    CProfileFile profile = Load("top=0\n[S]\na=1\n[S]\na=2\n[]\ntop=3\n");
    std::string value;
    ASSERT_TRUE(profile.RemoveSection("S"));
    ASSERT_TRUE(profile.RemoveSection(""));
    EXPECT_TRUE(profile.GetValue("S", "a", value));
    EXPECT_EQ("2", value);
    // Every reader sees an (empty) part above the first header: "[]" stays hidden.
    EXPECT_FALSE(profile.GetValue("", "top", value));
}

TEST(ProfileWrite, RewrittenSaveSectionLeavesOtherSectionsByteForByte)
{
    const std::string before = "; my settings\n[Window]\nx = 10\n\n";
    const std::string after = "[Other]\n; keep me\nk=v";
    CProfileFile profile = Load(before + "[save]\nNumberOfMarks=1\nMark1=old\n\n" + after);
    ASSERT_TRUE(profile.RemoveSection("Save"));
    ASSERT_TRUE(profile.SetValue("Save", "NumberOfMarks", "2"));
    ASSERT_TRUE(profile.SetValue("Save", "Mark1", "10,0,4,main.c,alpha"));
    ASSERT_TRUE(profile.SetValue("Save", "Mark2", "20,0,0,util.h,beta"));
    EXPECT_EQ(before + after + "\r\n[Save]\r\nNumberOfMarks=2\r\n"
              "Mark1=10,0,4,main.c,alpha\r\nMark2=20,0,0,util.h,beta\r\n",
              profile.Serialize());
}

TEST(ProfileWrite, LongValuesAreKeptWhole)
{
    CProfileFile profile;
    std::string value(5000, 'x'), read;
    ASSERT_TRUE(profile.SetValue("Save", "Mark1", value));
    std::string text = profile.Serialize();
    ASSERT_TRUE(Load(text).GetValue("Save", "Mark1", read));
    EXPECT_EQ(value, read);
}

class ProfileIo : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("tagpin_profile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        m_path = (m_dir / "tagpin.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path m_dir;
    std::string m_path;
};

TEST_F(ProfileIo, WriteReplacesTheFileAndLeavesNoTemporary)
{
    std::string read;
    ASSERT_TRUE(WriteProfileFile(m_path.c_str(), "[S]\r\na=1\r\n"));
    ASSERT_TRUE(WriteProfileFile(m_path.c_str(), std::string("[S]\r\na=\0002\r\n", 11)));
    ASSERT_TRUE(ReadProfileFile(m_path.c_str(), read));
    EXPECT_EQ(std::string("[S]\r\na=\0002\r\n", 11), read);
    EXPECT_FALSE(std::filesystem::exists(m_path + ".tmp"));
}

TEST_F(ProfileIo, FailedWriteLeavesTheOldFileAndNoTemporary)
{
    std::string read;
    std::string missing = (m_dir / "no" / "tagpin.ini").string();
    EXPECT_FALSE(WriteProfileFile(missing.c_str(), "x"));
    // A folder where the file should be: the last step fails.
    std::filesystem::create_directory(m_path);
    EXPECT_FALSE(WriteProfileFile(m_path.c_str(), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(m_path));
    EXPECT_FALSE(std::filesystem::exists(m_path + ".tmp"));
}

TEST_F(ProfileIo, MissingFileReadsAsFailureAndEmpty)
{
    std::string read = "stale";
    EXPECT_FALSE(ReadProfileFile(m_path.c_str(), read));
    EXPECT_EQ("", read);
}
