// What the pages that hold a named block share: the holder made with the
// page, loading it, the text of an "OiAnText" block for an edit, and the
// answer to a store call (the size query, then the bytes).
#pragma once

#include "blocks/named_block.h"

#include <windows.h>

#include <memory>
#include <string>

// The page's holder; null when memory ran out: the page then holds nothing,
// shows an empty text and gives back no block.
std::unique_ptr<CNamedBlock> MakeHolder(const char* name);

// The holder takes a copy of data when name is its own.
void LoadHeldBlock(CNamedBlock* holder, const char* name, CByteSpan data);

// The held "OiAnText" block's text, zero-terminated for an edit control. It
// points into the block when a zero byte ends the text there (no copy), else
// into scratch.
const char* HeldText(const CNamedBlock* holder, std::string& scratch);

// The size, and the bytes too when buffer is given and they fit in it (the
// reading back refuses a fetch whose buffer was sized for a smaller block).
void AnswerFromHolder(const CNamedBlock& holder, CMutableByteSpan* buffer, DWORD* size);

// What a text page gives back when memory runs out while it rebuilds its block.
enum class OnBuildFailure {
    kAnswerNothing,  // size 0, as if it held no block
    kAnswerOldBlock, // the block as loaded, with its size
};

// The store call of a page whose text lives in an "OiAnText" block: size 0
// for another name; after a change the block is rebuilt around text (the
// header words carried) before the holder answers. Both calls of a
// size-then-fetch pair therefore see the same block.
void StoreHeldText(CNamedBlock* holder, const char* name, bool modified, const std::string& text,
                   OnBuildFailure onFailure, CMutableByteSpan* buffer, DWORD* size);
