// The editor's adapter list, filled from a stand-in adapter source and once
// from the system's own.
#include <gtest/gtest.h>

#include "window/editor_fixture.h"

class AdapterListTest : public EditorTest {
protected:
    // The list the editor shows when it opens.
    std::vector<std::wstring> Listed()
    {
        std::vector<std::wstring> entries;
        EXPECT_TRUE(RunEditor(IDM_ADD, [&](HWND dialog) {
            entries = AdapterEntries(dialog);
            ClickButton(dialog, IDC_EDITOR_CLOSE);
        }));
        return entries;
    }
};

TEST_F(AdapterListTest, WifiDirectAndLoopbackAdaptersAreLeftOut)
{
    adapters.SetAdapters({
        { L"Local Area Connection* 1", L"Microsoft Wi-Fi Direct Virtual Adapter", { "169.254.1.1" } },
        { L"Local Area Connection* 2", L"MICROSOFT WI-FI DIRECT virtual adapter #2", {} },
        { L"Short", L"Microsoft Wi-Fi", { "10.1.1.1" } },
        { L"Loopback", L"Software Loopback Interface 1", { "::1", "127.0.0.1" } },
        { L"Loopback ten", L"lo", { "127.0.0.10" } },
        { L"Loopback then IPv6", L"lo", { "127.0.0.1", "::1" } },
        { L"No address", L"tap", {} },
        { L"Other family only", L"tap", { "other" } },
        { L"Ethernet", L"Realtek", { "192.168.1.20", "other" } },
    });
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{ L"Short", L"Loopback then IPv6", L"No address",
                                                     L"Other family only", L"Ethernet" }));
}

TEST_F(AdapterListTest, AnAdapterWithoutAnAddressIsNotJudgedByTheOneBefore)
{
    adapters.SetAdapters({
        { L"lo", L"lo", { "127.0.0.1" } },
        { L"tap0", L"tap0", {} },
    });
    EXPECT_EQ(Listed(), std::vector<std::wstring>{ L"tap0" });
}

TEST_F(AdapterListTest, EntriesKeepTheChainOrder)
{
    adapters.SetAdapters({
        { L"zeta", L"z", { "10.0.0.1" } },
        { L"Alpha", L"a", { "10.0.0.2" } },
        { L"mid", L"m", { "10.0.0.3" } },
    });
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{ L"zeta", L"Alpha", L"mid" }));
}

TEST_F(AdapterListTest, SearchRebuildsTheListWithoutTheSelection)
{
    ASSERT_TRUE(RunEditor(IDM_ADD, [](HWND dialog) {
        std::vector<std::wstring> first = AdapterEntries(dialog);
        ChooseAdapter(dialog, 1);
        ClickButton(dialog, IDC_EDITOR_SEARCH);
        EXPECT_EQ(SelectedAdapter(dialog), LB_ERR);
        ClickButton(dialog, IDC_EDITOR_SEARCH);
        EXPECT_EQ(AdapterEntries(dialog), first);
        EXPECT_EQ(first.size(), 3u);
        ClickButton(dialog, IDC_EDITOR_CLOSE);
    }));
}

TEST_F(AdapterListTest, AnAdapterWithAnEmptyNameIsLeftOut)
{
    adapters.SetAdapters({
        { L"", L"nameless", { "10.0.0.1" } },
        { L"eth1", L"eth1", { "10.0.0.2" } },
    });
    EXPECT_EQ(Listed(), std::vector<std::wstring>{ L"eth1" });
}

TEST_F(AdapterListTest, NoAdaptersGiveAnEmptyListAndTheProgramGoesOn)
{
    adapters.SetAdapters({});
    ASSERT_TRUE(RunEditor(IDM_ADD, [](HWND dialog) {
        EXPECT_TRUE(AdapterEntries(dialog).empty());
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    ASSERT_EQ(capture.messages().size(), 1u);
    EXPECT_EQ(capture.messages()[0].text, L"リストを選択して下さい");
    CloseProgram();
    EXPECT_TRUE(FileExists(BasePath(L"korvatel.ini")));
    EXPECT_TRUE(FileExists(BasePath(L"dunmere.ini")));
}

TEST_F(AdapterListTest, ASizeThatGrowsBetweenTheCallsIsAskedAgain)
{
    adapters.growingCalls = 2;
    adapters.calls = 0;
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{ L"Wi-Fi", L"Ethernet", L"eth0" }));
    EXPECT_EQ(adapters.calls, 4);   // the size query and three fills
}

TEST_F(AdapterListTest, ASizeThatNeverSettlesOrAFailingCallGivesAnEmptyList)
{
    adapters.growingCalls = 1000;
    EXPECT_TRUE(Listed().empty());
    EXPECT_LT(adapters.calls, 10);

    adapters.growingCalls = 0;
    adapters.fillResult = ERROR_NOT_ENOUGH_MEMORY;
    EXPECT_TRUE(Listed().empty());

    adapters.fillResult = NO_ERROR;
    adapters.sizeQueryResult = ERROR_INVALID_PARAMETER;
    EXPECT_TRUE(Listed().empty());
    EXPECT_TRUE(IsWindow(window()));
}

// Wine lists the machine's own interfaces (lo, eth0, ...). Every entry is one
// of the system's friendly names, in the system's order, and the adapters the
// list leaves out are exactly those whose last address is 127.0.0.1.
TEST_F(AdapterListTest, TheSystemsOwnAdapters)
{
    g_adapterSource = GetAdaptersAddresses;
    std::vector<std::wstring> names;
    std::vector<std::wstring> loopback;
    ULONG size = 0;
    ASSERT_EQ(GetAdaptersAddresses(AF_UNSPEC, GAA_FLAG_INCLUDE_PREFIX, nullptr, nullptr, &size),
              static_cast<ULONG>(ERROR_BUFFER_OVERFLOW));
    std::vector<unsigned char> block(size);
    auto* chain = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(block.data());
    ASSERT_EQ(GetAdaptersAddresses(AF_UNSPEC, GAA_FLAG_INCLUDE_PREFIX, nullptr, chain, &size), 0u);
    for (IP_ADAPTER_ADDRESSES* adapter = chain; adapter; adapter = adapter->Next) {
        names.push_back(adapter->FriendlyName);
        const IP_ADAPTER_UNICAST_ADDRESS* last = nullptr;
        for (auto* unicast = adapter->FirstUnicastAddress; unicast; unicast = unicast->Next) {
            int family = unicast->Address.lpSockaddr->sa_family;
            last = (family == AF_INET || family == AF_INET6) ? unicast : last;
        }
        if (last != nullptr && last->Address.lpSockaddr->sa_family == AF_INET
            && reinterpret_cast<SOCKADDR_IN*>(last->Address.lpSockaddr)->sin_addr.s_addr == htonl(INADDR_LOOPBACK)) {
            loopback.push_back(adapter->FriendlyName);
        }
    }
    std::vector<std::wstring> expected;
    for (const std::wstring& name : names) {
        if (std::find(loopback.begin(), loopback.end(), name) == loopback.end()) {
            expected.push_back(name);
        }
    }
    EXPECT_EQ(Listed(), expected);
    EXPECT_FALSE(expected.empty());
}
