// Reading a text file into a block.
#include "pages/text_file_reader.h"

#include "blocks/file_name_block.h"
#include "blocks/text_block.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <utility>

namespace {
// Opens an existing file for reading. The system shows no box of its own
// (such as one asking for a disk in an empty drive); others may read the
// file meanwhile but not write it.
HANDLE OpenForReading(const std::string& fileName) {
    DWORD previousMode = 0;
    const BOOL modeSet =
        SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
    HANDLE file = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (modeSet)
        SetThreadErrorMode(previousMode, nullptr);
    return file;
}

// Fills all of region from the file; false when a read fails or the file
// ends first (it shrank after its size was taken).
bool ReadAll(HANDLE file, CMutableByteSpan region) {
    constexpr size_t kChunk = 64u << 20; // one read call's request stays modest
    auto* out = static_cast<uint8_t*>(region.MutableData());
    size_t done = 0;
    while (done < region.Size()) {
        const size_t want = region.Size() - done < kChunk ? region.Size() - done : kChunk;
        DWORD got = 0;
        if (!ReadFile(file, out + done, static_cast<DWORD>(want), &got, nullptr) || got == 0)
            return false;
        done += got;
    }
    return true;
}
} // namespace

OwnedBytes ReadTextFileBlock(const std::string& fileName, CByteSpan loaded) {
    if (fileName.empty() || fileName.size() > file_name_block::kMaxPathLength)
        return OwnedBytes();
    HANDLE opened = OpenForReading(fileName);
    const std::unique_ptr<void, decltype(&CloseHandle)> file(
        opened == INVALID_HANDLE_VALUE ? nullptr : opened, CloseHandle);
    // Only disk files: reading a console, a pipe or another device may wait
    // for input forever.
    if (!file || GetFileType(file.get()) != FILE_TYPE_DISK)
        return OwnedBytes();
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0)
        return OwnedBytes();
    text_block::Fillable built =
        text_block::BuildToFill(loaded, static_cast<uint64_t>(size.QuadPart));
    if (!built.block || !ReadAll(file.get(), built.text))
        return OwnedBytes();
    return std::move(built.block);
}
