#include "support/fake_adapters.h"

#include <gtest/gtest.h>

#include <cstring>

static FakeAdapterSource* g_fakeSource = nullptr;

FakeAdapterSource::FakeAdapterSource(std::vector<FakeAdapter> adapters)
{
    SetAdapters(std::move(adapters));
    g_fakeSource = this;
    g_adapterSource = &FakeAdapterSource::Source;
}

FakeAdapterSource::~FakeAdapterSource()
{
    g_adapterSource = GetAdaptersAddresses;
    g_fakeSource = nullptr;
}

void FakeAdapterSource::SetAdapters(std::vector<FakeAdapter> adapters)
{
    adapters_ = std::move(adapters);
    Build();
}

static SOCKADDR_STORAGE SocketAddress(const std::string& text)
{
    SOCKADDR_STORAGE storage = {};
    if (text == "other") {
        storage.ss_family = AF_NETBIOS;
    } else if (inet_pton(AF_INET, text.c_str(), &reinterpret_cast<SOCKADDR_IN*>(&storage)->sin_addr) == 1) {
        storage.ss_family = AF_INET;
    } else if (inet_pton(AF_INET6, text.c_str(), &reinterpret_cast<SOCKADDR_IN6*>(&storage)->sin6_addr) == 1) {
        storage.ss_family = AF_INET6;
    } else {
        ADD_FAILURE() << "not an address: " << text;
    }
    return storage;
}

void FakeAdapterSource::Build()
{
    records_.assign(adapters_.size(), IP_ADAPTER_ADDRESSES());
    unicast_.clear();
    sockets_.clear();
    for (size_t i = 0; i < adapters_.size(); ++i) {
        IP_ADAPTER_ADDRESSES& record = records_[i];
        record.Length = sizeof(record);
        record.FriendlyName = const_cast<PWCHAR>(adapters_[i].friendlyName.c_str());
        record.Description = const_cast<PWCHAR>(adapters_[i].description.c_str());
        record.Next = i + 1 < records_.size() ? &records_[i + 1] : nullptr;
        IP_ADAPTER_UNICAST_ADDRESS* previous = nullptr;
        for (const std::string& text : adapters_[i].addresses) {
            sockets_.push_back(SocketAddress(text));
            unicast_.push_back(IP_ADAPTER_UNICAST_ADDRESS());
            IP_ADAPTER_UNICAST_ADDRESS& unicast = unicast_.back();
            unicast.Address.lpSockaddr = reinterpret_cast<SOCKADDR*>(&sockets_.back());
            unicast.Address.iSockaddrLength = sizeof(SOCKADDR_STORAGE);
            (previous ? previous->Next : record.FirstUnicastAddress) = &unicast;
            previous = &unicast;
        }
    }
    requiredSize_ = static_cast<ULONG>(records_.size() * sizeof(IP_ADAPTER_ADDRESSES));
}

ULONG WINAPI FakeAdapterSource::Source(ULONG family, ULONG flags, PVOID,
                                       PIP_ADAPTER_ADDRESSES addresses, PULONG size)
{
    return g_fakeSource->Answer(family, flags, addresses, size);
}

// The block gets the first record; the rest of the chain stays here.
ULONG FakeAdapterSource::Answer(ULONG family, ULONG flags, PIP_ADAPTER_ADDRESSES addresses, PULONG size)
{
    ++calls;
    EXPECT_EQ(family, static_cast<ULONG>(AF_UNSPEC));
    EXPECT_EQ(flags, static_cast<ULONG>(GAA_FLAG_INCLUDE_PREFIX));
    if (addresses == nullptr) {
        *size = requiredSize_;
        if (sizeQueryResult == ERROR_BUFFER_OVERFLOW && records_.empty()) {
            return ERROR_NO_DATA;
        }
        return sizeQueryResult;
    }
    if (growingCalls > 0) {
        --growingCalls;
        requiredSize_ += sizeof(IP_ADAPTER_ADDRESSES);
    }
    if (*size < requiredSize_) {
        *size = requiredSize_;
        return ERROR_BUFFER_OVERFLOW;
    }
    if (fillResult == NO_ERROR) {
        std::memcpy(addresses, records_.data(), sizeof(IP_ADAPTER_ADDRESSES));
    }
    return fillResult;
}
