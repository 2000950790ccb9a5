// The two dialog templates in tagpin.dll, read back from the loaded module:
// title, font, place and size, and every control in template (tab) order.
#include "addin_dll.h"

#include <gtest/gtest.h>

namespace {

struct Control {
    int id;
    std::string kind;  // Button, Edit, Static, ListBox
    std::string text;
    int x, y, cx, cy;
    DWORD style;
};

struct Template {
    DWORD style;
    int x, y, cx, cy;
    std::string title, face;
    int points;
    std::vector<Control> controls;
};

class CReader {
public:
    explicit CReader(const BYTE *p) : m_p(p) {}
    WORD Word() {
        WORD w;
        memcpy(&w, m_p, 2);
        m_p += 2;
        return w;
    }
    DWORD Dword() { return Word() | (DWORD)Word() << 16; }
    std::string Text() {
        std::string s;
        for (WORD c; (c = Word()) != 0;) s += (char)c;
        return s;
    }
    std::string TextOrAtom() {
        WORD first = Word();
        if (first == 0) return "";
        if (first == 0xFFFF) return AtomName(Word());
        m_p -= 2;
        return Text();
    }
    void Align() {
        while (reinterpret_cast<uintptr_t>(m_p) & 3) ++m_p;
    }

private:
    const BYTE *m_p;
    static std::string AtomName(WORD atom) {
        switch (atom) {
        case 0x80: return "Button";
        case 0x81: return "Edit";
        case 0x82: return "Static";
        case 0x83: return "ListBox";
        }
        return "#" + std::to_string(atom);
    }
};

Template ReadTemplate(HMODULE module, int id) {
    HRSRC res = FindResourceA(module, MAKEINTRESOURCEA(id), (LPCSTR)RT_DIALOG);
    EXPECT_NE(nullptr, res);
    CReader in(static_cast<const BYTE *>(LockResource(LoadResource(module, res))));
    Template t;
    t.style = in.Dword();
    in.Dword();  // extended style
    int count = in.Word();
    t.x = (short)in.Word();
    t.y = (short)in.Word();
    t.cx = (short)in.Word();
    t.cy = (short)in.Word();
    in.TextOrAtom();  // menu
    in.TextOrAtom();  // class
    t.title = in.Text();
    t.points = (t.style & DS_SETFONT) ? in.Word() : 0;
    if (t.style & DS_SETFONT) t.face = in.Text();
    for (int i = 0; i < count; ++i) {
        in.Align();
        Control c;
        c.style = in.Dword();
        in.Dword();
        c.x = (short)in.Word();
        c.y = (short)in.Word();
        c.cx = (short)in.Word();
        c.cy = (short)in.Word();
        c.id = (short)in.Word();
        c.kind = in.TextOrAtom();
        c.text = in.TextOrAtom();
        for (int extra = in.Word(); extra > 0; extra -= 2) in.Word();
        t.controls.push_back(c);
    }
    return t;
}

const DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                           DS_SETFONT;
const DWORD kChild = WS_CHILD | WS_VISIBLE;

void ExpectControls(const std::vector<Control> &expected, const Template &t) {
    ASSERT_EQ(expected.size(), t.controls.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Control &e = expected[i], &a = t.controls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " " + e.text);
        EXPECT_EQ(e.id, a.id);
        EXPECT_EQ(e.kind, a.kind);
        EXPECT_EQ(e.text, a.text);
        EXPECT_EQ(e.x, a.x);
        EXPECT_EQ(e.y, a.y);
        EXPECT_EQ(e.cx, a.cx);
        EXPECT_EQ(e.cy, a.cy);
        EXPECT_EQ(e.style | kChild, a.style);
    }
}

TEST(TemplatesTest, BookmarkListDialog) {
    CAddinDll dll;
    ASSERT_TRUE(dll.Load());
    Template t = ReadTemplate(dll.Module(), 101);
    EXPECT_EQ(kDialogStyle, t.style);
    EXPECT_EQ("Go To Bookmark", t.title);
    EXPECT_EQ("System", t.face);
    EXPECT_EQ(10, t.points);
    EXPECT_EQ(47, t.x);
    EXPECT_EQ(47, t.y);
    EXPECT_EQ(277, t.cx);
    EXPECT_EQ(98, t.cy);
    const DWORD button = BS_PUSHBUTTON | WS_TABSTOP, label = SS_LEFT | WS_GROUP;
    ExpectControls(
        {
            {1004, "ListBox", "", 8, 13, 262, 60,
             LBS_NOTIFY | LBS_USETABSTOPS | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
            {1000, "Button", "Clear", 3, 79, 25, 16, button},
            {1001, "Button", "Delete", 52, 79, 25, 16, button},
            {1002, "Button", "Change", 101, 79, 25, 16, button},
            {1003, "Button", "Info", 150, 79, 25, 16, button},
            {IDOK, "Button", "OK", 199, 79, 25, 16, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {IDCANCEL, "Button", "Cancel", 248, 79, 25, 16, button},
            {-1, "Static", "Name of Bookmark", 9, 3, 64, 7, label},
            {-1, "Static", "File", 123, 3, 13, 7, label},
            {-1, "Static", "Row", 178, 3, 16, 7, label},
            {-1, "Static", "Column", 225, 3, 27, 7, label},
        },
        t);
}

TEST(TemplatesTest, RenameDialog) {
    CAddinDll dll;
    ASSERT_TRUE(dll.Load());
    Template t = ReadTemplate(dll.Module(), 102);
    EXPECT_EQ(kDialogStyle, t.style);
    EXPECT_EQ("Rename", t.title);
    EXPECT_EQ("MS Sans Serif", t.face);
    EXPECT_EQ(8, t.points);
    EXPECT_EQ(122, t.x);
    EXPECT_EQ(73, t.y);
    EXPECT_EQ(142, t.cx);
    EXPECT_EQ(98, t.cy);
    const DWORD label = SS_LEFT | WS_GROUP, edit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
    ExpectControls(
        {
            {1006, "Edit", "", 10, 56, 124, 12, edit},
            {IDOK, "Button", "OK", 19, 75, 25, 16, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {IDCANCEL, "Button", "Cancel", 85, 75, 25, 16, BS_PUSHBUTTON | WS_TABSTOP},
            {-1, "Static", "Current Name", 10, 9, 46, 8, label},
            {1005, "Edit", "", 10, 22, 124, 12, edit | ES_READONLY},
            {-1, "Static", "New Name", 11, 41, 36, 8, label},
        },
        t);
}

}  // namespace
