// The profile folder behind the list: listing, deleting and applying.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "listview/profile_list.h"
#include "profiles/profile_folder.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"
#include "support/profile_rows.h"

namespace {

typedef std::vector<std::wstring> Texts;

class ProfileFolderTest : public MainWindowTest {
protected:
    // Starts the program on a folder holding these profile files.
    void StartWith(const Texts& names)
    {
        WriteProfiles(base.path(), names);
        StartProgram();
    }

    std::wstring ProfilePath(const std::wstring& name) const { return base / (L"ipaddress\\" + name); }

    void ExpectOneMessage(const std::wstring& text, const wchar_t* caption, UINT type)
    {
        ASSERT_EQ(capture.messages().size(), 1u);
        EXPECT_EQ(capture.messages()[0].text, text);
        EXPECT_EQ(capture.messages()[0].caption, caption);
        EXPECT_EQ(capture.messages()[0].type, type);
        EXPECT_EQ(capture.messages()[0].owner, window());
    }
};

Texts Sorted(Texts texts)
{
    std::sort(texts.begin(), texts.end());
    return texts;
}

const wchar_t kPathTooLong[] = L"パスが長すぎるため、このプロファイルは扱えません。";

TEST_F(ProfileFolderTest, StartListsEveryBatFileWithKeysInSearchOrder)
{
    CreateDirectoryW(BasePath(L"ipaddress").c_str(), nullptr);
    CreateDirectoryW(BasePath(L"ipaddress\\old").c_str(), nullptr);
    WriteBytes(BasePath(L"ipaddress\\readme.txt"), "x");
    WriteBytes(BasePath(L"home.bat"), "x");
    StartWith({ L"office.bat", L"Home.bat", L"lab.bat" });
    EXPECT_EQ(Sorted(RowTexts()), (Texts{ L"Home.bat", L"lab.bat", L"office.bat" }));
    EXPECT_EQ(RowKeys(), (std::vector<LPARAM>{ 0, 1, 2 }));
    EXPECT_TRUE(capture.messages().empty());
}

TEST_F(ProfileFolderTest, MissingOrEmptyFolderGivesAnEmptyListQuietly)
{
    StartProgram();
    EXPECT_TRUE(RowTexts().empty());
    CreateDirectoryW(BasePath(L"ipaddress").c_str(), nullptr);
    RefreshProfileList();
    EXPECT_TRUE(RowTexts().empty());
    EXPECT_TRUE(capture.messages().empty());
}

TEST_F(ProfileFolderTest, RefreshBringsBackTheFolderOrderAndFreshKeys)
{
    StartWith({ L"a.bat", L"b.bat", L"c.bat", L"d.bat" });
    Texts folderOrder = RowTexts();
    NotifyColumnClick(window(), 0);
    SelectRows({ 3 });
    MoveSelectedProfiles(window(), 0);
    ASSERT_NE(RowTexts(), folderOrder);
    RefreshProfileList();
    EXPECT_EQ(RowTexts(), folderOrder);
    EXPECT_EQ(RowKeys(), (std::vector<LPARAM>{ 0, 1, 2, 3 }));
}

TEST_F(ProfileFolderTest, AFolderPathThatDoesNotFitIsRefusedWithAMessage)
{
    StartWith({ L"a.bat" });
    std::wstring longBase = base.path() + L"\\" + std::wstring(MAX_PATH - 12 - base.path().size(), L'd');
    lstrcpynW(g_app.baseDirectory, longBase.c_str(), MAX_PATH);
    RefreshProfileList();
    EXPECT_TRUE(RowTexts().empty());
    ExpectOneMessage(kPathTooLong, L"Error", MB_OK | MB_ICONWARNING);
}

TEST_F(ProfileFolderTest, DeleteTakesTheLowestSelectedRowAndItsFile)
{
    StartWith({ L"a.bat", L"b.bat", L"c.bat" });
    Texts before = RowTexts();
    SelectRows({ 1, 2 });
    DeleteSelectedProfile(window());
    EXPECT_FALSE(FileExists(ProfilePath(before[1])));
    EXPECT_TRUE(FileExists(ProfilePath(before[2])));
    EXPECT_EQ(RowTexts(), (Texts{ before[0], before[2] }));
    EXPECT_EQ(RowKeys(), (std::vector<LPARAM>{ 0, 2 }));
    EXPECT_TRUE(capture.messages().empty());
}

TEST_F(ProfileFolderTest, AFileThatCannotBeDeletedKeepsItsRowAndWarns)
{
    StartWith({ L"locked.bat" });
    std::wstring path = ProfilePath(L"locked.bat");
    std::wstring expected = path + L"\r\nを削除できませんでした。\r\n読み取り専用のファイルか、ほかのプログラムが使用中です。";

    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    SelectRows({ 0 });
    DeleteSelectedProfile(window());
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(RowTexts(), (Texts{ L"locked.bat" }));
    ExpectOneMessage(expected, L"Error", MB_OK | MB_ICONWARNING);

    capture.clear();
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    DeleteSelectedProfile(window());
    CloseHandle(held);
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(RowTexts(), (Texts{ L"locked.bat" }));
    ExpectOneMessage(expected, L"Error", MB_OK | MB_ICONWARNING);
}

TEST_F(ProfileFolderTest, AFileAlreadyGoneLosesItsRowQuietly)
{
    StartWith({ L"gone.bat" });
    DeleteFileW(ProfilePath(L"gone.bat").c_str());
    SelectRows({ 0 });
    DeleteSelectedProfile(window());
    EXPECT_TRUE(RowTexts().empty());
    EXPECT_TRUE(capture.messages().empty());
}

TEST_F(ProfileFolderTest, ApplyAndDeleteWithNothingSelectedAskForARow)
{
    WriteIni(L"korvatel.ini", L"pw_mode=1\r\n");
    StartWith({ L"a.bat" });
    ApplySelectedProfile(window());
    ExpectOneMessage(L"項目を選択して下さい", L"listview", MB_OK);
    EXPECT_FALSE(FileExists(BasePath(L"dunmere.ini")));
    capture.clear();
    DeleteSelectedProfile(window());
    ExpectOneMessage(L"項目を選択して下さい", L"listview", MB_OK);
    EXPECT_TRUE(FileExists(ProfilePath(L"a.bat")));
    // A right click with nothing selected does nothing at all.
    capture.clear();
    NotifyListClick(window(), NM_RCLICK);
    EXPECT_TRUE(capture.messages().empty());
}

TEST_F(ProfileFolderTest, AProfilePathThatDoesNotFitIsNeitherRunNorDeleted)
{
    WriteIni(L"korvatel.ini", L"pw_mode=1\r\n");
    StartProgram();
    std::wstring name = std::wstring(MAX_PATH - 11 - base.path().size(), L'n') + L".bat";
    FillRows({ name });
    SelectRows({ 0 });
    ApplySelectedProfile(window());
    ExpectOneMessage(kPathTooLong, L"Error", MB_OK | MB_ICONWARNING);
    EXPECT_FALSE(FileExists(BasePath(L"dunmere.ini")));
    capture.clear();
    DeleteSelectedProfile(window());
    ExpectOneMessage(kPathTooLong, L"Error", MB_OK | MB_ICONWARNING);
    EXPECT_EQ(RowTexts(), (Texts{ name }));
}

TEST_F(ProfileFolderTest, AFailedElevationRequestShowsTheWholePathAsAnError)
{
    StartWith({ L"removed.bat" });
    DeleteFileW(ProfilePath(L"removed.bat").c_str());
    SelectRows({ 0 });
    // The shell shows a box of its own about the missing file first.
    DialogDriver closeShellBox([](HWND box) { ClickButton(box, IDOK); });
    NotifyListClick(window(), NM_RCLICK);
    ExpectOneMessage(ProfilePath(L"removed.bat") + L" could not be started as administrator", L"Error",
                     MB_ICONERROR);
}

} // namespace
