// The block sizes a sheet has reported to its host, by block name. The query
// interface carries no buffer size, so after a size query a fetch writes into
// the host's buffer only up to the size the host was told.
#pragma once

#include <windows.h>

#include <array>
#include <utility>
#include <vector>

class CReportedBlockSizes {
public:
    // name: 8 bytes.
    void Remember(const char* name, DWORD size);
    // The size last reported under name; false when it was never asked for.
    bool Find(const char* name, DWORD* size) const;

private:
    using Name = std::array<char, 8>;
    static Name NameOf(const char* name);

    std::vector<std::pair<Name, DWORD>> m_sizes;
};
