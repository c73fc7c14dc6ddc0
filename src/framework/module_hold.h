// The library keeps itself loaded while any of its window objects lives (a
// toolbar, a sheet, their pages and controls): a host that unloads it
// meanwhile (FreeLibrary) never sends a message into unloaded code.
#pragma once

// One per window object (a member of CWnd). The first takes a reference to the
// library's module and puts the application's message hook in; when the last
// goes the hook comes out at once, and the reference is given back from a
// pool thread only once the loading thread takes messages again with none
// made meanwhile, so the library is never unmapped under its own code.
class CModuleHold {
public:
    CModuleHold();
    ~CModuleHold();
    CModuleHold(const CModuleHold&) = delete;
    CModuleHold& operator=(const CModuleHold&) = delete;
};
