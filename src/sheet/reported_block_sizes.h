// The block sizes a sheet has reported to its host, by block name. The query
// interface carries no buffer size, so a fetch writes into the host's buffer
// only up to the size the host was told by its size query.
#pragma once

#include <windows.h>

#include <array>
#include <utility>
#include <vector>

class CReportedBlockSizes {
public:
    // name: 8 bytes.
    void Remember(const char* name, DWORD size);
    // The size last reported under name; 0 when it was never asked for.
    DWORD SizeFor(const char* name) const;

private:
    using Name = std::array<char, 8>;
    static Name NameOf(const char* name);

    std::vector<std::pair<Name, DWORD>> m_sizes;
};
