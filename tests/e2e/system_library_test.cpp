// The system libraries beyond kernel32, user32 and gdi32, as Wine's per-program library overrides can make
// them: planted beside the programs and in the folder they are started in, or missing.
#include "e2e/apply_profile_fixture.h"

#include <vector>

#include "editor/adapters.h"

static bool RunsUnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

// Wine's load order of some libraries for one program, until the object goes: "" takes a library away,
// "native,builtin" prefers a file of its name on disk to Wine's own.
class LibraryOverrides {
public:
    explicit LibraryOverrides(const wchar_t* program) : key_(L"Software\\Wine\\AppDefaults\\" + std::wstring(program)) {}
    ~LibraryOverrides() { RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }

    void Set(const wchar_t* library, const std::wstring& order)
    {
        EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, (key_ + L"\\DllOverrides").c_str(), library, REG_SZ, order.c_str(),
                                  static_cast<DWORD>((order.size() + 1) * sizeof(wchar_t))), ERROR_SUCCESS) << library;
    }

private:
    std::wstring key_;
};

// What the programs and the system libraries they load pull in (window themes, the toolbar and list, the
// adapter list), apart from the libraries Windows always takes from the system folder.
struct PlantedLibrary {
    const wchar_t* name;
    bool besideTheProgram;
};
const PlantedLibrary kPlantedLibraries[] = {
    { L"comctl32", true }, { L"uxtheme", true }, { L"iphlpapi", true }, { L"dnsapi", true },
    // Wine takes these from beside the program whatever the program does: its own user32 imports version.dll,
    // which is loaded before the program's first line, and it resolves the delayed imports of its own
    // libraries (uxtheme's msimg32) along the search path the program started with.
    { L"version", false }, { L"msimg32", false },
};

// Copies of a library that leaves a mark beside itself when it is loaded, planted under those names beside
// the programs (programFolder) and in the base directory they are started in.
class PlantedLibraryTest : public ApplyProfileTest {
protected:
    void SetUp() override
    {
        programFolder = temp / L"program";
        ASSERT_TRUE(CreateDirectoryW(programFolder.c_str(), nullptr));
        for (const PlantedLibrary& library : kPlantedLibraries) {
            copies.push_back(base + L"\\" + library.name + L".dll");
            if (library.besideTheProgram) {
                copies.push_back(programFolder + L"\\" + library.name + L".dll");
            }
        }
        for (const std::wstring& copy : copies) {
            ASSERT_TRUE(CopyFileW(BuiltProgramPath(L"planted_library.dll").c_str(), copy.c_str(), FALSE)) << copy;
        }
    }

    // The planted copies that left their mark; empty when none ran.
    std::wstring RanCopies() const
    {
        std::wstring ran;
        for (const std::wstring& copy : copies) {
            ran += FileExists(copy + L".ran") ? copy + L" " : L"";
        }
        return ran;
    }

    // KORVATEL applies the profile and lists as many adapters in the editor as the same code finds here.
    void ApplyAndListAdapters()
    {
        StartAndApply("", false, L"korvatel_planted.exe");
        EXPECT_EQ(NetshLog(), kArguments);
        PostMessageW(window, WM_COMMAND, IDM_ADD, 0);
        HWND editor = program.WaitForWindow(L"IPアドレス追加");
        ASSERT_NE(editor, nullptr) << "the editor never opened";
        LRESULT listed = 0, expected = ListedAdapterCount();
        EXPECT_TRUE(WaitUntil("the adapters in the editor", [&] {
            return (listed = SendDlgItemMessageW(editor, IDC_EDITOR_ADAPTERS, LB_GETCOUNT, 0, 0)) == expected;
        })) << listed << " adapters listed, " << expected << " expected";
        EXPECT_EQ(program.WaitForWindow(L"Error", 0), nullptr) << "a library was reported missing";
        PostMessageW(editor, WM_CLOSE, 0, 0);
        Close();
    }

    // The helper puts the ID on the clipboard and ends when its window is closed.
    void HandOnAnId()
    {
        std::wstring helperPath = programFolder + L"\\dunmere_planted.exe";
        ASSERT_TRUE(CopyFileW(BuiltProgramPath(L"dunmere.exe").c_str(), helperPath.c_str(), FALSE));
        WriteUtf16Text(In(L"dunmere.ini"), L"[Setting]\r\nid_time=30000\r\nid_wcs=planted-id\r\n");
        ProgramProcess helper;
        ASSERT_TRUE(helper.Start(helperPath, base));
        EXPECT_TRUE(WaitUntil("the ID on the clipboard", [] { return ClipboardText() == L"planted-id"; }));
        PostMessageW(helper.WaitForWindow(L"dunmere"), WM_CLOSE, 0, 0);
        EXPECT_EQ(helper.ExitCode(), 0);
    }

    // The adapters the editor lists on this machine, found by the editor's own code in the test process.
    static LRESULT ListedAdapterCount()
    {
        HWND dialog = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD, 0, 0, 1, 1, dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_EDITOR_ADAPTERS)), nullptr, nullptr);
        EnumerateAdapters(dialog);
        LRESULT count = SendDlgItemMessageW(dialog, IDC_EDITOR_ADAPTERS, LB_GETCOUNT, 0, 0);
        DestroyWindow(dialog);
        return count;
    }

    std::vector<std::wstring> copies;
};

// Both programs start from their own folder in the base directory, which holds the profile folder.
TEST_F(PlantedLibraryTest, LibrariesBesideTheProgramsOrInTheirStartFolderNeverRun)
{
    if (!RunsUnderWine()) {
        GTEST_SKIP() << "needs Wine's per-program library overrides";
    }
    LibraryOverrides korvatel(L"korvatel_planted.exe"), helper(L"dunmere_planted.exe");
    for (const PlantedLibrary& library : kPlantedLibraries) {
        korvatel.Set(library.name, L"native,builtin");
        helper.Set(library.name, L"native,builtin");
    }
    ApplyAndListAdapters();
    HandOnAnId();
    EXPECT_EQ(RanCopies(), L"");
}

// Without the common controls the missing library is reported, and the main window opens without toolbar and
// list and closes as usual.
TEST_F(ApplyProfileTest, MissingCommonControlsAreReportedAndTheWindowOpensWithoutThem)
{
    if (!RunsUnderWine()) {
        GTEST_SKIP() << "needs Wine's per-program library overrides";
    }
    LibraryOverrides overrides(L"korvatel_nocontrols.exe");
    overrides.Set(L"comctl32", L"");
    ASSERT_TRUE(CopyFileW(BuiltProgramPath(L"korvatel.exe").c_str(), In(L"korvatel_nocontrols.exe").c_str(), FALSE));
    ASSERT_TRUE(program.Start(In(L"korvatel_nocontrols.exe"), base));
    EXPECT_TRUE(ErrorBox(L"comctl32.dll を読み込めないため、この操作はできません。"));
    ASSERT_NE(window = program.WaitForWindow(L"KORVATEL"), nullptr);
    EXPECT_TRUE(WaitUntil("the main window to show", [&] { return IsWindowVisible(window) != FALSE; }));
    EXPECT_TRUE(GetDlgItem(window, IDC_TOOLBAR) == nullptr && GetDlgItem(window, IDC_PROFILE_LIST) == nullptr);
    Close();
}

// A library that is loaded on first use and cannot be had is reported, and the command goes no further: the
// editor opens with an empty list.
TEST_F(ApplyProfileTest, ALibraryThatCannotBeLoadedIsReportedNotACrash)
{
    if (!RunsUnderWine()) {
        GTEST_SKIP() << "needs Wine's per-program library overrides";
    }
    LibraryOverrides overrides(L"korvatel_nolibs.exe");
    overrides.Set(L"shell32", L"");
    overrides.Set(L"iphlpapi", L"");
    StartAndApply("", false, L"korvatel_nolibs.exe");
    EXPECT_TRUE(ErrorBox(L"shell32.dll を読み込めないため、この操作はできません。"));
    PostMessageW(window, WM_COMMAND, IDM_ADD, 0);
    EXPECT_TRUE(ErrorBox(L"iphlpapi.dll を読み込めないため、この操作はできません。", L"編集画面"));
    HWND editor = program.WaitForWindow(L"IPアドレス追加");
    EXPECT_EQ(SendDlgItemMessageW(editor, IDC_EDITOR_ADAPTERS, LB_GETCOUNT, 0, 0), 0);
    PostMessageW(editor, WM_CLOSE, 0, 0);
    Close();
}
