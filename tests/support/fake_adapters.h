// A stand-in for the system's adapter list: the editor's adapter source is
// pointed at a chain of adapter records built from plain test data.
#pragma once

#include "editor/adapters.h"

#include <deque>
#include <string>
#include <vector>

struct FakeAdapter {
    std::wstring friendlyName;
    std::wstring description;
    // IPv4 or IPv6 texts in chain order; "other" gives an address of
    // another family.
    std::vector<std::string> addresses;
};

class FakeAdapterSource {
public:
    explicit FakeAdapterSource(std::vector<FakeAdapter> adapters = {});
    ~FakeAdapterSource();
    FakeAdapterSource(const FakeAdapterSource&) = delete;
    FakeAdapterSource& operator=(const FakeAdapterSource&) = delete;

    void SetAdapters(std::vector<FakeAdapter> adapters);

    // What the size query answers; ERROR_BUFFER_OVERFLOW (with the size) or,
    // when there are no adapters, ERROR_NO_DATA unless set here.
    ULONG sizeQueryResult = ERROR_BUFFER_OVERFLOW;
    // This many calls that fill the block find it too small, as when adapters
    // appear between the calls; each time the size grows.
    int growingCalls = 0;
    // What a call with a large enough block answers.
    ULONG fillResult = NO_ERROR;
    int calls = 0;

private:
    static ULONG WINAPI Source(ULONG family, ULONG flags, PVOID reserved,
                               PIP_ADAPTER_ADDRESSES addresses, PULONG size);
    ULONG Answer(ULONG family, ULONG flags, PIP_ADAPTER_ADDRESSES addresses, PULONG size);
    void Build();

    std::vector<FakeAdapter> adapters_;
    std::vector<IP_ADAPTER_ADDRESSES> records_;
    std::deque<IP_ADAPTER_UNICAST_ADDRESS> unicast_;
    std::deque<SOCKADDR_STORAGE> sockets_;
    ULONG requiredSize_ = 0;
};
