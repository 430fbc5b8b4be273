// Adapter names that cannot make a sound profile are refused at SET, and
// nothing is written.
#include <gtest/gtest.h>

#include "window/editor_fixture.h"

class AdapterNameTest : public EditorTest {
protected:
    // Chooses the only adapter, named name, and presses SET; returns the one
    // message shown, or an empty text when none or several were.
    std::wstring SetProfileFor(const std::wstring& name, bool dhcp)
    {
        adapters.SetAdapters({ { name, L"test adapter", { "10.0.0.1" } } });
        capture.clear();
        HWND editor = nullptr;
        EXPECT_TRUE(RunEditor(IDM_ADD, [&](HWND dialog) {
            editor = dialog;
            ChooseAdapter(dialog, 0);
            TypeOctets(dialog, { L"192", L"168", L"1", L"10" });
            if (dhcp) {
                ClickDhcpBox(dialog);
            }
            ClickButton(dialog, IDC_EDITOR_SET);
        }));
        if (capture.messages().size() != 1) {
            return std::wstring();
        }
        const CapturedMessage& message = capture.messages()[0];
        EXPECT_EQ(message.owner, editor);
        EXPECT_EQ(message.type, static_cast<UINT>(MB_ICONWARNING));
        return message.text;
    }
};

TEST_F(AdapterNameTest, NamesThatBreakTheCommandOrThePathAreRefused)
{
    const wchar_t* names[] = {
        L"Eth\"0", L"eth%PATH%", L"tab\there", L"eth\x7f",
        L"..\\..\\evil", L"a/b", L"C:", L"st*r", L"what?", L"<x>", L"a|b", L".", L"..",
    };
    std::vector<std::wstring> texts;
    for (const wchar_t* name : names) {
        std::wstring text = SetProfileFor(name, true);
        EXPECT_NE(text.find(L"アダプタ名"), std::wstring::npos) << testing::PrintToString(std::wstring(name));
        texts.push_back(text);
        EXPECT_TRUE(ProfileFiles().empty()) << testing::PrintToString(std::wstring(name));
    }
    // One text for the command line's breakers, another for the path's.
    EXPECT_EQ(texts[0], texts[3]);
    EXPECT_EQ(texts[4], texts[12]);
    EXPECT_NE(texts[0], texts[4]);
}

TEST_F(AdapterNameTest, NamesTheCodePageCannotHoldAreRefused)
{
    ASSERT_EQ(GetACP(), 932u) << "the tests run with the Japanese code page";
    for (const wchar_t* name : { L"Ethernet caf\x00e9", L"\xc774\xb354\xb137", L"eth\x20ac" }) {
        std::wstring text = SetProfileFor(name, true);
        EXPECT_NE(text.find(L"文字コード"), std::wstring::npos) << testing::PrintToString(std::wstring(name));
        EXPECT_TRUE(ProfileFiles().empty());
    }
}

TEST_F(AdapterNameTest, NamesTooLongForAnyBufferAreRefused)
{
    std::vector<std::wstring> names = {
        std::wstring(256, L'n'),                 // more than 255 characters
        std::wstring(200, L'\x30a2'),            // 200 characters but 400 ANSI bytes
        std::wstring(230, L'n'),                 // the DHCP line needs 270 bytes
    };
    for (const std::wstring& name : names) {
        EXPECT_NE(SetProfileFor(name, true).find(L"長すぎる"), std::wstring::npos) << name.size();
        EXPECT_TRUE(ProfileFiles().empty());
    }
    // 200 bytes fit a DHCP line but not a static one.
    EXPECT_NE(SetProfileFor(std::wstring(200, L'n'), false).find(L"長すぎる"), std::wstring::npos);
    EXPECT_TRUE(ProfileFiles().empty());
    EXPECT_EQ(SetProfileFor(std::wstring(200, L'n'), true), L"");
    EXPECT_EQ(ProfileFiles().size(), 1u);
}

TEST_F(AdapterNameTest, APathTooLongIsRefused)
{
    // The base directory is a temporary folder; a name of 214 characters
    // fits the line but not the 259 characters of the path.
    std::wstring name(214, L'n');
    ASSERT_GT(BasePath(L"ipaddress\\").size() + name.size() + 9, 259u);
    EXPECT_NE(SetProfileFor(name, true).find(L"パス"), std::wstring::npos);
    EXPECT_TRUE(ProfileFiles().empty());
}

TEST_F(AdapterNameTest, AJapaneseNameIsWrittenInTheCodePage)
{
    EXPECT_EQ(SetProfileFor(L"イーサネット 2", true), L"");
    EXPECT_EQ(ProfileFiles(), std::vector<std::wstring>{ L"イーサネット 2_auto.bat" });
    std::string expected = "netsh interface ip set address \"\x83\x43\x81\x5b\x83\x54\x83\x6c\x83\x62\x83\x67 2\" dhcp\r\n";
    EXPECT_EQ(ReadBytes(ProfilePath(L"イーサネット 2_auto.bat")), expected);
}
