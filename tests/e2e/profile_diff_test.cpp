// profile_diff_test.cpp - our profile reader and writer (persist/profile.h)
// side by side with the platform's GetPrivateProfileStringA and
// WritePrivateProfileStringA on real files: the hand-edited fixtures, random
// files, and the save file's own shape.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "framework/platform.h"
#include "persist/profile.h"
#include "persist/profile_io.h"

namespace {

const char kMissing[] = "\x01missing";  // the default: no value reads so

std::string Escape(const std::string &text)
{
    std::string out;
    for (unsigned char c : text) {
        char hex[8];
        snprintf(hex, sizeof hex, "\\x%02X", c);
        out += (c < 32 || c > 126 || c == '\\') ? hex : std::string(1, char(c));
    }
    return out;
}

// A file in the temporary folder that the platform routines are pointed at.
class CScratchFile {
public:
    CScratchFile()
    {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        m_path = std::string(folder) + "tagpin_profile_diff.ini";
        Delete();
    }
    ~CScratchFile() { Delete(); }

    const char *GetPath() const { return m_path.c_str(); }
    void Write(const std::string &data)
    {
        FILE *file = fopen(GetPath(), "wb");
        ASSERT_TRUE(file);
        fwrite(data.data(), 1, data.size(), file);
        fclose(file);
        Forget();
    }
    std::string Read() const
    {
        std::string data;
        ReadProfileFile(GetPath(), data);
        return data;
    }
    void Delete()
    {
        Forget();
        DeleteFileA(GetPath());
    }
    // The platform keeps files it has read; make it read this one afresh.
    void Forget() const { WritePrivateProfileStringA(NULL, NULL, NULL, GetPath()); }

    std::string Ask(const std::string &section, const std::string &key) const
    {
        std::vector<char> buffer(1 << 16);
        DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing,
                                                buffer.data(), DWORD(buffer.size()), GetPath());
        return std::string(buffer.data(), length);
    }

    // The key names GetPrivateProfileStringA(section, NULL, ...) lists.
    std::vector<std::string> AskKeyNames(const std::string &section) const
    {
        std::vector<char> buffer(1 << 16);
        DWORD length = GetPrivateProfileStringA(section.c_str(), NULL, "", buffer.data(),
                                                DWORD(buffer.size()), GetPath());
        std::vector<std::string> names;
        for (DWORD at = 0; at < length; at += DWORD(names.back().size()) + 1)
            names.push_back(buffer.data() + at);
        return names;
    }

private:
    std::string m_path;
};

std::string AskOurs(const CProfileFile &profile, const std::string &section,
                    const std::string &key)
{
    std::string value;
    return profile.GetValue(section, key, value) ? value : kMissing;
}

// text without blanks at its end.
std::string TrimEnd(std::string text)
{
    while (!text.empty() && strchr(" \t\v\f\r\n\x1a", text.back()) && text.back()) text.pop_back();
    return text;
}

std::string FoldAscii(std::string text, int (*change)(int))
{
    for (char &c : text) c = char(change((unsigned char)c));
    return text;
}

// Names a hand-edited text may use, found without our parser: what stands
// between '[' and ']', before '=', or alone on a line; as written, in capitals
// and in small letters, and padded.
void GuessNames(const std::string &text, std::set<std::string> &sections,
                std::set<std::string> &keys)
{
    sections.insert("");
    size_t begin = 0;
    while (begin <= text.size()) {
        size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(begin, end - begin).c_str();
        begin = end + 1;
        size_t open = line.find('['), close = line.rfind(']');
        std::string found[] = {line.substr(0, line.find('=')),
                               open < close ? line.substr(open + 1, close - open - 1) : ""};
        for (int i = 0; i < 2; i++) {
            std::set<std::string> &names = i ? sections : keys;
            for (const std::string &name : {found[i], " " + found[i] + "\t"}) {
                names.insert(name);
                names.insert(FoldAscii(name, toupper));
                names.insert(FoldAscii(name, tolower));
            }
        }
    }
}

// Every guessed section and key answers the same from ours and the platform,
// and so do the lists of key names.
void ExpectSameAnswers(CScratchFile &file, const CProfileFile &profile)
{
    std::string text = file.Read();
    std::set<std::string> sections, keys;
    GuessNames(text, sections, keys);
    for (const std::string &section : sections) {
        EXPECT_EQ(file.AskKeyNames(section), profile.KeyNames(section))
            << "[" << Escape(section) << "] in\n" << Escape(text);
        for (const std::string &key : keys)
            EXPECT_EQ(Escape(file.Ask(section, key)), Escape(AskOurs(profile, section, key)))
                << "[" << Escape(section) << "] " << Escape(key) << " in\n" << Escape(text);
    }
}

// Random text of the kinds people and programs leave in profile files.
class CRandomProfile {
public:
    explicit CRandomProfile(unsigned seed) : m_random(seed) {}

    std::string File()
    {
        std::string text;
        for (int lines = Pick(12); lines >= 0; lines--) text += Line() + LineEnd();
        return text + (Pick(2) ? "" : Line());
    }
    std::string Section() { return Padded(Choose({"Save", "save", "S", "Other", "Two Words", ""})); }
    std::string Key()
    {
        return Padded(Choose({"Mark1", "mark1", "NumberOfMarks", "a", "A", "b", ";c", "[k", "k]"}));
    }
    std::string Value()
    {
        std::string quote = Choose({"", "", "\"", "'"});
        return Padded(quote + Text(Pick(8)) + (Pick(3) ? quote : ""));
    }
    int Pick(int count) { return int(m_random() % unsigned(count)); }

private:
    std::string Line()
    {
        switch (Pick(6)) {
        case 0: return Padded("[" + Section() + "]" + Choose({"", "", " x", "]z"}));
        case 1: return Blank();
        case 2: return Padded(Text(Pick(10)));
        default: return Padded(Key() + (Pick(5) ? Blank() + "=" + Value() : ""));
        }
    }
    std::string Text(int length)
    {
        static const char kBytes[] = "aZ09 \t,.=;[]\"'\x1a\v\f\x85\xa0";
        std::string text;
        for (int i = 0; i < length; i++)
            text += Pick(40) ? kBytes[Pick(sizeof kBytes - 1)] : '\0';
        return text;
    }
    std::string Padded(const std::string &text) { return Blank() + text + Blank(); }
    std::string Blank() { return Choose({"", "", "", " ", "\t", " \x1a", "\v "}); }
    std::string LineEnd() { return Choose({"\r\n", "\r\n", "\n", "\r"}); }
    std::string Choose(std::initializer_list<const char *> texts)
    {
        return *(texts.begin() + Pick(int(texts.size())));
    }

    std::mt19937 m_random;
};

}  // namespace

TEST(ProfileDiff, FixturesAnswerAsThePlatformDoes)
{
    CScratchFile file;
    for (const char *name : {"names.ini", "values.ini", "ends.ini", "bom.ini"}) {
        std::string text;
        ASSERT_TRUE(ReadProfileFile((TAGPIN_FIXTURES "/profile/" + std::string(name)).c_str(), text))
            << name;
        CProfileFile profile;
        profile.Parse(text.data(), text.size());
        file.Write(text);
        ExpectSameAnswers(file, profile);
    }
}

TEST(ProfileDiff, RandomFilesAnswerAsThePlatformDoes)
{
    CScratchFile file;
    CRandomProfile random(20240601);
    for (int i = 0; i < 150 && !HasFailure(); i++) {
        std::string text = random.File();
        CProfileFile profile;
        profile.Parse(text.data(), text.size());
        file.Write(text);
        ExpectSameAnswers(file, profile);
    }
}

// From no file at all, the same changes give the same bytes. Names and values
// end without blanks here: the platform writes such blanks as given but drops
// them when it next rewrites the line; we leave the line alone.
TEST(ProfileDiff, ChangesWriteTheBytesThePlatformWrites)
{
    CScratchFile file;
    CRandomProfile random(77);
    for (int round = 0; round < 30 && !HasFailure(); round++) {
        file.Delete();
        CProfileFile profile;
        std::string log;
        for (int step = 0; step < 25 && !HasFailure(); step++) {
            std::string section = TrimEnd(random.Section()), key = TrimEnd(random.Key());
            std::string value = TrimEnd(random.Value());
            if (random.Pick(6) == 0) {
                log += "remove [" + section + "]\n";
                profile.RemoveSection(section);
                WritePrivateProfileStringA(section.c_str(), NULL, NULL, file.GetPath());
            } else if (profile.SetValue(section, key, value)) {
                log += "[" + section + "] " + key + "=" + value + "\n";
                WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                           file.GetPath());
            }
            file.Forget();
            ASSERT_EQ(Escape(file.Read()), Escape(profile.Serialize())) << Escape(log);
        }
    }
}

// Whatever we write into a hand-edited file reads back through the platform.
TEST(ProfileDiff, WrittenFilesReadBackThroughThePlatform)
{
    CScratchFile file;
    CRandomProfile random(4242);
    for (int round = 0; round < 50 && !HasFailure(); round++) {
        std::string text = random.File();
        file.Write(text);
        CProfileFile profile;
        profile.Parse(text.data(), text.size());
        for (int step = random.Pick(6); step >= 0; step--) {
            if (random.Pick(4) == 0) profile.RemoveSection(random.Section());
            else profile.SetValue(random.Section(), random.Key(), random.Value());
        }
        ASSERT_TRUE(WriteProfileFile(file.GetPath(), profile.Serialize()));
        file.Forget();
        ExpectSameAnswers(file, profile);
    }
}

TEST(ProfileDiff, SaveOfManyLongMarksReadsBackThroughThePlatform)
{
    const std::string others = "; settings\n[Window]\nx = 10\n\n";
    CScratchFile file;
    file.Write(others + "[Save]\nNumberOfMarks=1\nMark1=old\n");
    std::string text;
    ASSERT_TRUE(ReadProfileFile(file.GetPath(), text));
    CProfileFile profile;
    profile.Parse(text.data(), text.size());
    const int count = 2000;
    std::vector<std::string> marks;
    ASSERT_TRUE(profile.RemoveSection("Save"));
    ASSERT_TRUE(profile.SetValue("Save", "NumberOfMarks", std::to_string(count)));
    for (int i = 1; i <= count; i++) {
        marks.push_back(std::to_string(i) + ",0,4,main.c," + std::string(300 + i % 200, 'n'));
        ASSERT_TRUE(profile.SetValue("Save", "Mark" + std::to_string(i), marks.back()));
    }
    ASSERT_TRUE(WriteProfileFile(file.GetPath(), profile.Serialize()));
    file.Forget();
    EXPECT_EQ(others, file.Read().substr(0, others.size()));
    EXPECT_EQ(std::to_string(count), file.Ask("Save", "NumberOfMarks"));
    for (int i = 1; i <= count; i++)
        ASSERT_EQ(marks[i - 1], file.Ask("save", "MARK" + std::to_string(i))) << i;
}
