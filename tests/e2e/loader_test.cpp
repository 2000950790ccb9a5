// The real tagpin.dll in a real Win32 process: it loads, exports the nine
// functions by name and ordinal, imports only what the editor's contract
// allows, registers itself at _init, and carries its resources.
#include "addin_dll.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const char *const kExports[] = {"_init", "TagpinSelect", "TagpinAdd", "TagpinMenu",
                                "TagpinByProject", "TagpinMenuHandler", "TagpinFinish",
                                "TagpinProjectEnd", "TagpinProjectBegin"};

TEST(LoaderTest, EveryExportResolvesByNameAndByOrdinalToTheSameAddress) {
    CAddinDll dll;
    ASSERT_TRUE(dll.Load()) << GetLastError();
    for (int ordinal = 2; ordinal <= 10; ++ordinal) {
        const char *name = kExports[ordinal - 2];
        FARPROC byName = dll.Export(name);
        FARPROC byOrdinal = GetProcAddress(dll.Module(), MAKEINTRESOURCEA(ordinal));
        ASSERT_NE(nullptr, byName) << name;
        EXPECT_EQ(byName, byOrdinal) << name;
    }
    EXPECT_EQ(nullptr, GetProcAddress(dll.Module(), MAKEINTRESOURCEA(1)));
    EXPECT_EQ(nullptr, GetProcAddress(dll.Module(), MAKEINTRESOURCEA(11)));
}

// The import directory of the loaded image: library name -> imported names.
std::vector<std::pair<std::string, std::vector<std::string>>> Imports(HMODULE module) {
    auto base = reinterpret_cast<const BYTE *>(module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS32 *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &dir =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::pair<std::string, std::vector<std::string>>> result;
    auto desc = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + dir.VirtualAddress);
    for (; dir.VirtualAddress && desc->Name; ++desc) {
        std::vector<std::string> names;
        auto thunk = reinterpret_cast<const IMAGE_THUNK_DATA32 *>(
            base + (desc->OriginalFirstThunk ? desc->OriginalFirstThunk : desc->FirstThunk));
        for (; thunk->u1.AddressOfData; ++thunk) {
            if (IMAGE_SNAP_BY_ORDINAL32(thunk->u1.Ordinal)) {
                names.push_back("#" + std::to_string(IMAGE_ORDINAL32(thunk->u1.Ordinal)));
            } else {
                auto byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME *>(
                    base + thunk->u1.AddressOfData);
                names.push_back(reinterpret_cast<const char *>(byName->Name));
            }
        }
        result.emplace_back(reinterpret_cast<const char *>(base + desc->Name), names);
    }
    return result;
}

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return toupper(c); });
    return s;
}

TEST(LoaderTest, ImportsOnlyFromTheLibrariesTheEditorContractAllows) {
    const std::set<std::string> rsstart = {
        "HostRegisterPrototype", "HostRegisterEventHandler", "HostSetCommandHandler",
        "HostMenuItemCreate", "HostMenuItemInsert", "HostMenuItemRemove", "HostCallFlags",
        "HostConfigFlags", "HostSaveOptions", "HostModulePath", "HostFrameWindow"};
    const std::set<std::string> rsdll32 = {
        "HostMarkPlace", "HostMarkDelete", "HostMarkExists", "HostMarkRow", "HostMarkColumn",
        "HostMarkBuffer", "HostMarkCount", "HostBufferValid", "HostBufferSetCurrent",
        "HostBufferActivate", "HostBufferFileName", "HostFileEdit", "HostMoveTo",
        "HostModeFlags", "HostModeClear", "HostBufferFlags", "HostSelectionType",
        "HostSelectionText", "HostWordAtCursor", "HostFreeString", "HostPrompt",
        "HostCurrentProject", "HostFileExists", "HostFileOpen", "HostFileClose",
        "HostFileDelete"};
    const std::set<std::string> system = {"KERNEL32.DLL", "USER32.DLL", "MSVCRT.DLL"};

    CAddinDll dll;
    ASSERT_TRUE(dll.Load());
    auto imports = Imports(dll.Module());
    ASSERT_FALSE(imports.empty());
    for (const auto &library : imports) {
        std::string name = Upper(library.first);
        if (name == "RSSTART.DLL" || name == "RSDLL32.DLL") {
            const auto &allowed = name == "RSSTART.DLL" ? rsstart : rsdll32;
            for (const auto &f : library.second)
                EXPECT_TRUE(allowed.count(f)) << f << " imported from " << library.first;
        } else {
            EXPECT_TRUE(system.count(name)) << "imports from " << library.first;
        }
    }
}

TEST(LoaderTest, InitRegistersEightPrototypesThenThreeEventHandlers) {
    CAddinDll dll;
    ASSERT_TRUE(dll.Load());
    dll.Call("_init");
    const std::vector<std::string> expected = {
        "HostRegisterPrototype(\"TagpinSelect\")",
        "HostRegisterPrototype(\"TagpinAdd\")",
        "HostRegisterPrototype(\"TagpinMenu\")",
        "HostRegisterPrototype(\"TagpinByProject int\")",
        "HostRegisterPrototype(\"int TagpinMenuHandler int int\")",
        "HostRegisterPrototype(\"int TagpinFinish long long\")",
        "HostRegisterPrototype(\"int TagpinProjectEnd long long\")",
        "HostRegisterPrototype(\"int TagpinProjectBegin long long\")",
        "HostRegisterEventHandler(1043, 0, \"TagpinFinish\")",
        "HostRegisterEventHandler(1074, 0, \"TagpinProjectBegin\")",
        "HostRegisterEventHandler(1075, 0, \"TagpinProjectEnd\")",
    };
    std::vector<std::string> log = HostLog();
    ASSERT_GE(log.size(), expected.size());
    EXPECT_EQ(expected, std::vector<std::string>(log.begin(), log.begin() + expected.size()));
    for (size_t i = expected.size(); i < log.size(); ++i)
        EXPECT_EQ(std::string::npos, log[i].find("HostRegister")) << log[i];
    EXPECT_STREQ("TagpinFinish", SimEventHandler(0x413));
}

TEST(LoaderTest, LoadingAndUnloadingWithoutInitAsksTheHostNothing) {
    {
        CAddinDll dll;
        ASSERT_TRUE(dll.Load());
    }
    EXPECT_EQ(0, SimLogCount());
}

TEST(LoaderTest, StringTableHoldsTheTenTexts) {
    const char *const texts[] = {
        "There are currently no bookmarks.",
        "Named Bookmarks",
        "Enter Name of Mark: ",
        "A mark with that name already exists.",
        "&Tagpin",
        "Go&to Tagpin...",
        "Place a tagpin.",
        "Action for a tagpin.",
        "There are currently no bookmarks for this project.",
        "All bookmarks are for projects.",
    };
    CAddinDll dll;
    ASSERT_TRUE(dll.Load());
    for (int id = 1; id <= 10; ++id) {
        char buffer[128] = {};
        LoadStringA(dll.Module(), id, buffer, sizeof buffer);
        EXPECT_STREQ(texts[id - 1], buffer) << "string " << id;
    }
    char buffer[16] = "unchanged";
    EXPECT_EQ(0, LoadStringA(dll.Module(), 11, buffer, sizeof buffer));
}

TEST(LoaderTest, VersionResourceSaysTwoPointZeroZero) {
    char path[MAX_PATH];
    CAddinDll dll;
    ASSERT_TRUE(dll.Load());
    GetModuleFileNameA(dll.Module(), path, sizeof path);
    DWORD handle = 0, size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));
    char *version = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904e4\\FileVersion",
                               reinterpret_cast<void **>(&version), &length));
    EXPECT_STREQ("2.00", version);
    VS_FIXEDFILEINFO *fixed = nullptr;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void **>(&fixed), &length));
    EXPECT_EQ(0x00020000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
}

}  // namespace
