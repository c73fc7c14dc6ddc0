// Blocks held by pages.
#include "pages/held_block.h"

#include "blocks/text_block.h"

#include <new>

std::unique_ptr<CNamedBlock> MakeHolder(const char* name) {
    return std::unique_ptr<CNamedBlock>(new (std::nothrow) CNamedBlock(name));
}

void LoadHeldBlock(CNamedBlock* holder, const char* name, CByteSpan data) {
    if (holder && holder->IsNamed(name))
        holder->SetCopy(data);
}

const char* HeldText(const CNamedBlock* holder, std::string& scratch) {
    if (!holder)
        return "";
    const CByteSpan block = holder->Bytes();
    const CByteSpan text = text_block::ReadText(block);
    if (text.Size() == 0)
        return "";
    const size_t end = text_block::kTextOffset + text.Size();
    if (end < block.Size())
        return static_cast<const char*>(text.Data()); // the block's zero byte ends it
    scratch.assign(static_cast<const char*>(text.Data()), text.Size());
    return scratch.c_str();
}

void AnswerFromHolder(const CNamedBlock& holder, CMutableByteSpan* buffer, DWORD* size) {
    if (buffer)
        holder.CopyTo(*buffer);
    *size = holder.Size();
}

void StoreHeldText(CNamedBlock* holder, const char* name, bool modified, const std::string& text,
                   OnBuildFailure onFailure, CMutableByteSpan* buffer, DWORD* size) {
    *size = 0;
    if (!holder || !holder->IsNamed(name))
        return;
    if (modified) {
        OwnedBytes built = text_block::Build(holder->Bytes(), CByteSpan(text.data(), text.size()));
        if (built)
            holder->Attach(std::move(built));
        else if (onFailure == OnBuildFailure::kAnswerNothing)
            return;
    }
    AnswerFromHolder(*holder, buffer, size);
}
