// The page classes a sheet can hold, by the short names the mark-type tables use.
#pragma once

enum class PageKind {
    Image,      // embedded image
    Reference,  // image reference
    Line,       // line size and highlight
    Color,      // one or two palettes
    General,    // highlight only
    Font,       // typeface, style and size
    Arrow,      // arrow head
    Ruler,      // measurement unit and gauge
    Protractor, // precision and arc radius
    Audio,      // sound file
    Password,   // encryption password
    Label,      // button text or push-pin label
    Stamp,      // text stamp with dates
    TextFile,   // text taken from a file
    Text,       // typed text and bound wrapping
};
