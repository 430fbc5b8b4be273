// The release zip unpacked into a fresh folder (by run_package_test.sh):
// what a user finds there, and that KORVATEL starts and closes in it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "res/project_info.h"
#include "support/process_runner.h"
#include "support/temp_dir.h"

namespace {

std::wstring EnvironmentPath(const wchar_t* name)
{
    const wchar_t* value = _wgetenv(name);
    return value ? value : L"";
}

class PackageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = EnvironmentPath(L"KORVATEL_PACKAGE_DIR");
        ASSERT_FALSE(folder.empty()) << "run through tests/package/run_package_test.sh";
    }

    std::wstring In(const std::wstring& name) const { return folder + L"\\" + name; }

    std::wstring folder;
};

bool IsEmptyFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
    bool empty = true;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            empty = empty && (name == L"." || name == L"..");
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    return empty;
}

} // namespace

TEST_F(PackageTest, ZipIsNamedAfterTheVersion)
{
    std::wstring zip = EnvironmentPath(L"KORVATEL_PACKAGE_ZIP");
    std::wstring expected = L"korvatel-" L"" KORVATEL_VERSION_TEXT L"-win64.zip";
    ASSERT_GE(zip.size(), expected.size());
    EXPECT_EQ(zip.substr(zip.size() - expected.size()), expected);
}

TEST_F(PackageTest, HoldsTheProgramsTheManualAndAnEmptyProfileFolder)
{
    EXPECT_EQ(ReadBytes(In(L"korvatel.exe")).substr(0, 2), "MZ");
    EXPECT_EQ(ReadBytes(In(L"dunmere.exe")).substr(0, 2), "MZ");
    EXPECT_EQ(ReadBytes(In(L"Korvatel_manual.pdf")).substr(0, 5), "%PDF-");
    EXPECT_TRUE(IsEmptyFolder(In(L"ipaddress")));
}

TEST_F(PackageTest, ReadmeIsJapaneseTextInCp932WithCrLf)
{
    std::string bytes = ReadBytes(In(L"readme.txt"));
    ASSERT_FALSE(bytes.empty());
    for (size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1)) {
        ASSERT_TRUE(at > 0 && bytes[at - 1] == '\r') << "a line ends without CR at byte " << at;
    }
    std::wstring text = ReadText(In(L"readme.txt"), 932);
    EXPECT_NE(text.find(L"IPアドレス切替"), std::wstring::npos);
    EXPECT_NE(text.find(L"ipaddress"), std::wstring::npos);
    EXPECT_NE(text.find(L"dunmere.ini"), std::wstring::npos);
    EXPECT_NE(text.find(L"" KORVATEL_VERSION_TEXT), std::wstring::npos);
    EXPECT_EQ(text.find(L'@'), std::wstring::npos) << "a placeholder was left unfilled";
}

TEST_F(PackageTest, KorvatelStartsInTheUnpackedFolderAndClosesWithExitCodeZero)
{
    ProgramProcess program;
    ASSERT_TRUE(program.Start(In(L"korvatel.exe"), folder));
    HWND window = program.WaitForWindow(L"KORVATEL");
    ASSERT_NE(window, nullptr) << "the main window never appeared";
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 12345;
    ASSERT_TRUE(program.WaitForExit(15000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(FileExists(In(L"korvatel.ini")));
}
