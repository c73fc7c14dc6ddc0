// The block sizes a sheet has reported to its host.
#include "sheet/reported_block_sizes.h"

#include <cstring>

CReportedBlockSizes::Name CReportedBlockSizes::NameOf(const char* name) {
    Name key;
    std::memcpy(key.data(), name, key.size());
    return key;
}

void CReportedBlockSizes::Remember(const char* name, DWORD size) {
    const Name key = NameOf(name);
    for (auto& entry : m_sizes)
        if (entry.first == key) {
            entry.second = size;
            return;
        }
    // Names no page holds report 0 and need no entry: the list stays as short
    // as the set of block names the pages hold.
    if (size != 0)
        m_sizes.emplace_back(key, size);
}

bool CReportedBlockSizes::Find(const char* name, DWORD* size) const {
    const Name key = NameOf(name);
    for (const auto& entry : m_sizes)
        if (entry.first == key) {
            *size = entry.second;
            return true;
        }
    return false;
}
