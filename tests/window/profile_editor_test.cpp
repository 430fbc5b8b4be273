// The profile editor in add and edit mode, driven through the main window.
#include <gtest/gtest.h>

#include "window/editor_fixture.h"

namespace {

const std::string kEthernetLine = "netsh interface ip set address \"Ethernet\" static 192.168.1.10 255.255.255.0\r\n";

void ExpectMessage(const CapturedMessage& message, const wchar_t* text, const wchar_t* caption, UINT type)
{
    EXPECT_EQ(message.text, text);
    EXPECT_EQ(message.caption, caption);
    EXPECT_EQ(message.type, type);
}

} // namespace

TEST_F(EditorTest, AddModeOpensWithTheDefaultsAndTheAdaptersInChainOrder)
{
    ASSERT_TRUE(RunEditor(IDM_ADD, [](HWND dialog) {
        EXPECT_EQ(WindowTitle(dialog), L"IPアドレス追加");
        EXPECT_EQ(OctetTexts(dialog),
                  (std::vector<std::wstring>{ L"192", L"168", L"", L"", L"255", L"255", L"255", L"0" }));
        EXPECT_FALSE(IsChecked(dialog, IDC_EDITOR_DHCP));
        EXPECT_EQ(EnabledOctetFields(dialog), 8);
        EXPECT_EQ(AdapterEntries(dialog), (std::vector<std::wstring>{ L"Wi-Fi", L"Ethernet", L"eth0" }));
        EXPECT_EQ(SelectedAdapter(dialog), LB_ERR);
        // Enter and Esc leave the editor open.
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindowVisible(dialog));
        ClickButton(dialog, IDC_EDITOR_CLOSE);
    }));
    EXPECT_EQ(g_app.editorMode, kEditorAdd);
    EXPECT_TRUE(ProfileFiles().empty());
    EXPECT_TRUE(capture.messages().empty());
}

TEST_F(EditorTest, ToolbarAddAndTheCaptionCloseBoxWork)
{
    EXPECT_TRUE(RunEditor(IDT_ADD, [](HWND dialog) {
        EXPECT_EQ(WindowTitle(dialog), L"IPアドレス追加");
        SendMessageW(dialog, WM_CLOSE, 0, 0);
    }));
}

TEST_F(EditorTest, SetWithoutAnAdapterWritesNothing)
{
    HWND editor = nullptr;
    ASSERT_TRUE(RunEditor(IDM_ADD, [&](HWND dialog) {
        editor = dialog;
        TypeOctets(dialog, { L"192", L"168", L"1", L"10" });
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    ASSERT_EQ(capture.messages().size(), 1u);
    ExpectMessage(capture.messages()[0], L"リストを選択して下さい", L"選択ｴﾗｰ", MB_ICONWARNING);
    EXPECT_EQ(capture.messages()[0].owner, editor);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_TRUE(ProfileFiles().empty());
}

TEST_F(EditorTest, SetWritesTheStaticProfile)
{
    ASSERT_TRUE(RunEditor(IDM_ADD, [](HWND dialog) {
        ChooseAdapter(dialog, 1);
        TypeOctets(dialog, { L"192", L"168", L"1", L"10" });
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    EXPECT_TRUE(capture.messages().empty());
    EXPECT_EQ(ProfileFiles(), std::vector<std::wstring>{ L"Ethernet_192_168_1_10.bat" });
    EXPECT_EQ(ReadBytes(ProfilePath(L"Ethernet_192_168_1_10.bat")), kEthernetLine);
}

TEST_F(EditorTest, AnEmptyFieldStopsTheWrite)
{
    ASSERT_TRUE(RunEditor(IDM_ADD, [](HWND dialog) {
        ChooseAdapter(dialog, 0);
        SetItemText(dialog, IDC_EDITOR_ADDRESS4, L"10");
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    ASSERT_EQ(capture.messages().size(), 1u);
    ExpectMessage(capture.messages()[0], L"アドレスを全て入力して下さい。", L"入力確認", MB_OK);
    EXPECT_TRUE(ProfileFiles().empty());
}

TEST_F(EditorTest, DhcpBoxDisablesTheFieldsAndWritesTheDhcpFile)
{
    ASSERT_TRUE(RunEditor(IDM_ADD, [](HWND dialog) {
        TypeOctets(dialog, { L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8" });
        ClickDhcpBox(dialog);
        EXPECT_EQ(EnabledOctetFields(dialog), 0);
        ClickDhcpBox(dialog);
        EXPECT_EQ(EnabledOctetFields(dialog), 8);
        EXPECT_EQ(OctetTexts(dialog)[7], L"8");

        TypeOctets(dialog, { L"", L"", L"", L"", L"", L"", L"", L"" });
        ClickDhcpBox(dialog);
        ChooseAdapter(dialog, 0);
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    EXPECT_TRUE(capture.messages().empty());
    EXPECT_EQ(ProfileFiles(), std::vector<std::wstring>{ L"Wi-Fi_auto.bat" });
    std::string bytes = ReadBytes(ProfilePath(L"Wi-Fi_auto.bat"));
    EXPECT_EQ(bytes, "netsh interface ip set address \"Wi-Fi\" dhcp\r\n");
    EXPECT_EQ(bytes.size(), 45u);
}

TEST_F(EditorTest, OnlyTheFirstThreeCharactersOfAFieldCount)
{
    ASSERT_TRUE(RunEditor(IDM_ADD, [](HWND dialog) {
        ChooseAdapter(dialog, 2);
        TypeOctets(dialog, { L"1921", L" 16", L"abc", L"-5", L"300", L"255", L"255", L"0" });
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    EXPECT_EQ(ProfileFiles(), std::vector<std::wstring>{ L"eth0_192_16_0_-5.bat" });
    EXPECT_EQ(ReadBytes(ProfilePath(L"eth0_192_16_0_-5.bat")),
              "netsh interface ip set address \"eth0\" static 192.16.0.-5 300.255.255.0\r\n");
}

TEST_F(EditorTest, EditWithoutASelectedRowNeverShowsTheEditor)
{
    AddRow(L"Ethernet_192_168_1_10.bat");
    EXPECT_FALSE(RunEditor(IDM_EDIT, [](HWND dialog) { ClickButton(dialog, IDC_EDITOR_CLOSE); }));
    ASSERT_EQ(capture.messages().size(), 1u);
    ExpectMessage(capture.messages()[0], L"項目を選択して下さい。", L"編集", MB_OK);
    EXPECT_NE(capture.messages()[0].owner, window());
    EXPECT_EQ(g_app.editorMode, kEditorEdit);
    EXPECT_TRUE(IsWindowEnabled(window()));
}

TEST_F(EditorTest, EditingAStaticProfileShowsItsValues)
{
    PickProfile(L"Ethernet_192_168_1_10.bat", kEthernetLine);
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        EXPECT_EQ(WindowTitle(dialog), L"IPアドレス編集");
        EXPECT_EQ(OctetTexts(dialog),
                  (std::vector<std::wstring>{ L"192", L"168", L"1", L"10", L"255", L"255", L"255", L"0" }));
        EXPECT_FALSE(IsChecked(dialog, IDC_EDITOR_DHCP));
        EXPECT_EQ(EnabledOctetFields(dialog), 8);
        EXPECT_EQ(SelectedAdapter(dialog), 1);
        ClickButton(dialog, IDC_EDITOR_CLOSE);
    }));
    EXPECT_TRUE(capture.messages().empty());
}

TEST_F(EditorTest, EditingADhcpProfileAndClearingTheBox)
{
    PickProfile(L"eth0_auto.bat", "netsh interface ip set address \"ETH0\" dhcp\r\n");
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        EXPECT_TRUE(IsChecked(dialog, IDC_EDITOR_DHCP));
        EXPECT_EQ(EnabledOctetFields(dialog), 0);
        EXPECT_EQ(OctetTexts(dialog), std::vector<std::wstring>(8));
        EXPECT_EQ(SelectedAdapter(dialog), 2);   // found whatever its case
        ClickDhcpBox(dialog);
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    ASSERT_EQ(capture.messages().size(), 1u);
    ExpectMessage(capture.messages()[0], L"アドレスを全て入力して下さい。", L"入力確認", MB_OK);
    EXPECT_EQ(ProfileFiles(), std::vector<std::wstring>{ L"eth0_auto.bat" });
}

TEST_F(EditorTest, EditingAProfileWhoseAdapterIsGone)
{
    PickProfile(L"gone_10_0_0_1.bat", "netsh interface ip set address \"gone\" static 10.0.0.1 255.0.0.0\r\n");
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        EXPECT_EQ(OctetTexts(dialog),
                  (std::vector<std::wstring>{ L"10", L"0", L"0", L"1", L"255", L"0", L"0", L"0" }));
        EXPECT_EQ(SelectedAdapter(dialog), LB_ERR);
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    ASSERT_EQ(capture.messages().size(), 1u);
    ExpectMessage(capture.messages()[0], L"リストを選択して下さい", L"選択ｴﾗｰ", MB_ICONWARNING);
}

TEST_F(EditorTest, ChangingAnOctetLeavesTwoFilesAndChangingTheMaskReplacesOne)
{
    PickProfile(L"Ethernet_192_168_1_10.bat", kEthernetLine);
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        SetItemText(dialog, IDC_EDITOR_ADDRESS3, L"2");
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    EXPECT_EQ(ProfileFiles(),
              (std::vector<std::wstring>{ L"Ethernet_192_168_1_10.bat", L"Ethernet_192_168_2_10.bat" }));
    EXPECT_EQ(ReadBytes(ProfilePath(L"Ethernet_192_168_1_10.bat")), kEthernetLine);

    // The list was refilled from the folder when the editor closed.
    LVFINDINFOW find = {};
    find.flags = LVFI_STRING;
    find.psz = L"Ethernet_192_168_1_10.bat";
    SelectRow(static_cast<int>(SendMessageW(g_app.listView, LVM_FINDITEMW, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(&find))));
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        SetItemText(dialog, IDC_EDITOR_MASK3, L"0");
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    EXPECT_EQ(ProfileFiles().size(), 2u);
    EXPECT_EQ(ReadBytes(ProfilePath(L"Ethernet_192_168_1_10.bat")),
              "netsh interface ip set address \"Ethernet\" static 192.168.1.10 255.255.0.0\r\n");
    EXPECT_TRUE(capture.messages().empty());
}

TEST_F(EditorTest, RowsFromIndexOneThousandOnCanBeEdited)
{
    SendMessageW(g_app.listView, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < 1000; ++i) {
        AddRow(L"row" + std::to_wstring(i) + L".bat");
    }
    SendMessageW(g_app.listView, WM_SETREDRAW, TRUE, 0);
    PickProfile(L"Ethernet_192_168_1_10.bat", kEthernetLine);
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        EXPECT_EQ(OctetTexts(dialog)[3], L"10");
        EXPECT_EQ(SelectedAdapter(dialog), 1);
        ClickButton(dialog, IDC_EDITOR_CLOSE);
    }));
    EXPECT_TRUE(capture.messages().empty());
}

TEST_F(EditorTest, OnlyTheFirst260BytesOfAFileAreRead)
{
    std::string text = "netsh interface ip set address \"eth0\" static 10.0.0.1 ";
    text.resize(258, ' ');
    text += "99.255.0.0.0\r\n";
    PickProfile(L"eth0_10_0_0_1.bat", text);
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        // "99" ends at byte 260; what follows is never seen, so those fields stay empty.
        EXPECT_EQ(OctetTexts(dialog),
                  (std::vector<std::wstring>{ L"10", L"0", L"0", L"1", L"99", L"", L"", L"" }));
        ClickButton(dialog, IDC_EDITOR_CLOSE);
    }));
}

TEST_F(EditorTest, AFileWithoutKeywordOrNameShowsEmptyFieldsAndNoAdapter)
{
    PickProfile(L"odd.bat", "echo 1.2.3.4\r\n");
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        EXPECT_EQ(OctetTexts(dialog), std::vector<std::wstring>(8));
        EXPECT_EQ(EnabledOctetFields(dialog), 8);
        EXPECT_FALSE(IsChecked(dialog, IDC_EDITOR_DHCP));
        EXPECT_EQ(SelectedAdapter(dialog), LB_ERR);
        ClickButton(dialog, IDC_EDITOR_CLOSE);
    }));
}

TEST_F(EditorTest, AMissingFolderIsReportedAndNotCreated)
{
    RemoveDirectoryW(ProfilePath(L"").c_str());
    HWND editor = nullptr;
    ASSERT_TRUE(RunEditor(IDM_ADD, [&](HWND dialog) {
        editor = dialog;
        ChooseAdapter(dialog, 1);
        TypeOctets(dialog, { L"192", L"168", L"1", L"10" });
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    ASSERT_EQ(capture.messages().size(), 1u);
    ExpectMessage(capture.messages()[0], L"ﾌｧｲﾙが開けません", L"ﾌｧｲﾙｴﾗｰ", MB_ICONWARNING);
    EXPECT_EQ(capture.messages()[0].owner, editor);
    EXPECT_FALSE(FileExists(ProfilePath(L"")));
}

TEST_F(EditorTest, AFileHeldOpenElsewhereCanBeNeitherReadNorWritten)
{
    PickProfile(L"Ethernet_192_168_1_10.bat", kEthernetLine);
    HANDLE held = CreateFileW(ProfilePath(L"Ethernet_192_168_1_10.bat").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(RunEditor(IDM_EDIT, [&](HWND dialog) {
        ASSERT_EQ(capture.messages().size(), 1u);
        ExpectMessage(capture.messages()[0], L"ﾌｧｲﾙが開けません", L"ﾌｧｲﾙｴﾗｰ", MB_ICONWARNING);
        EXPECT_EQ(capture.messages()[0].owner, dialog);
        EXPECT_EQ(WindowTitle(dialog), L"IPアドレス編集");
        EXPECT_EQ(OctetTexts(dialog), std::vector<std::wstring>(8));
        EXPECT_EQ(EnabledOctetFields(dialog), 8);
        EXPECT_FALSE(IsChecked(dialog, IDC_EDITOR_DHCP));
        EXPECT_EQ(SelectedAdapter(dialog), LB_ERR);

        ChooseAdapter(dialog, 1);
        TypeOctets(dialog, { L"192", L"168", L"1", L"10", L"255", L"0", L"0", L"0" });
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    CloseHandle(held);
    ASSERT_EQ(capture.messages().size(), 2u);
    ExpectMessage(capture.messages()[1], L"ﾌｧｲﾙが開けません", L"ﾌｧｲﾙｴﾗｰ", MB_ICONWARNING);
    EXPECT_EQ(ReadBytes(ProfilePath(L"Ethernet_192_168_1_10.bat")), kEthernetLine);
}
