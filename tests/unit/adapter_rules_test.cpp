// Which adapters the editor leaves out of its list.
#include <gtest/gtest.h>

#include "editor/adapter_rules.h"

TEST(AdapterRules, WifiDirectInAnyCaseWhateverFollows)
{
    EXPECT_TRUE(IsWifiDirectDescription(L"Microsoft Wi-Fi Direct Virtual Adapter"));
    EXPECT_TRUE(IsWifiDirectDescription(L"Microsoft Wi-Fi Direct Virtual Adapter #2"));
    EXPECT_TRUE(IsWifiDirectDescription(L"MICROSOFT WI-FI DIRECT"));
    EXPECT_TRUE(IsWifiDirectDescription(L"microsoft wi-fi direct"));
    EXPECT_FALSE(IsWifiDirectDescription(L"Microsoft Wi-Fi Direc"));
    EXPECT_FALSE(IsWifiDirectDescription(L"Microsoft"));
    EXPECT_FALSE(IsWifiDirectDescription(L""));
    EXPECT_FALSE(IsWifiDirectDescription(nullptr));
    EXPECT_FALSE(IsWifiDirectDescription(L" Microsoft Wi-Fi Direct"));
    EXPECT_FALSE(IsWifiDirectDescription(L"Microsoft WiFi Direct Virtual Adapter"));
    EXPECT_FALSE(IsWifiDirectDescription(L"Intel(R) Wi-Fi 6 AX201 160MHz"));
}

TEST(AdapterRules, OnlyAsciiCapitalsAreFolded)
{
    // Full-width letters and the Kelvin sign are not the ASCII letters they resemble.
    EXPECT_FALSE(IsWifiDirectDescription(L"\xff2dicrosoft Wi-Fi Direct"));
    EXPECT_FALSE(IsWifiDirectDescription(L"Microsoft Wi-Fi Direc\x212a"));
}

TEST(AdapterRules, LoopbackAddressPrefix)
{
    EXPECT_TRUE(IsLoopbackAddressText(L"127.0.0.1"));
    EXPECT_TRUE(IsLoopbackAddressText(L"127.0.0.10"));
    EXPECT_FALSE(IsLoopbackAddressText(L"127.0.0.2"));
    EXPECT_FALSE(IsLoopbackAddressText(L"127.0.0."));
    EXPECT_FALSE(IsLoopbackAddressText(L"::1"));
    EXPECT_FALSE(IsLoopbackAddressText(L"192.168.1.127"));
    EXPECT_FALSE(IsLoopbackAddressText(L""));
}
