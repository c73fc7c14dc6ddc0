// The tool table and its two lookups (first matching row wins).
#include "toolbar/tool_table.h"

#include "kelgui.h"
#include "resources/resource_ids.h"

namespace {
struct ToolTableRow {
    UINT commandId;
    int markType;
};

// The last three commands have neither a string nor a button: their mark
// types exist but the bar offers no tool for them.
constexpr UINT kCommandNoButton516 = 2802;
constexpr UINT kCommandNoButton517 = 2803;
constexpr UINT kCommandNoButton518 = 2804;

constexpr ToolTableRow kToolTable[] = {
    {IDS_TOOL_SELECT, KEL_MARK_NONE},
    {IDS_TOOL_HOLLOW_RECT, KEL_MARK_HOLLOW_RECTANGLE},
    {IDS_TOOL_FILLED_RECT, KEL_MARK_FILLED_RECTANGLE},
    {IDS_TOOL_STRAIGHT_LINE, KEL_MARK_STRAIGHT_LINE},
    {IDS_TOOL_TYPED_TEXT, KEL_MARK_TYPED_TEXT},
    {IDS_TOOL_ATTACH_NOTE, KEL_MARK_ATTACH_A_NOTE},
    {IDS_TOOL_TEXT_FROM_FILE, KEL_MARK_TEXT_FROM_FILE},
    {IDS_TOOL_TEXT_STAMP, KEL_MARK_TEXT_STAMP},
    {IDS_TOOL_FREEHAND_LINE, KEL_MARK_FREEHAND_LINE},
    {IDS_TOOL_ARROW, KEL_MARK_ARROW},
    {IDS_TOOL_HOLLOW_ELLIPSE, KEL_MARK_HOLLOW_ELLIPSE},
    {IDS_TOOL_FILLED_ELLIPSE, KEL_MARK_FILLED_ELLIPSE},
    {IDS_TOOL_HOT_SPOT, KEL_MARK_HOT_SPOT},
    {IDS_TOOL_HOLLOW_POLYGON, KEL_MARK_HOLLOW_POLYGON},
    {IDS_TOOL_FILLED_POLYGON, KEL_MARK_FILLED_POLYGON},
    {IDS_TOOL_POLYLINE, KEL_MARK_POLYLINE},
    {IDS_TOOL_REDACTION, KEL_MARK_REDACTION},
    {IDS_TOOL_AUDIO, KEL_MARK_AUDIO},
    {IDS_TOOL_PIN_UP_TEXT, KEL_MARK_PIN_UP_TEXT},
    {IDS_TOOL_EMBEDDED_IMAGE, KEL_MARK_EMBEDDED_IMAGE},
    {IDS_TOOL_IMAGE_REFERENCE, KEL_MARK_IMAGE_REFERENCE},
    {IDS_TOOL_BUTTON, KEL_MARK_BUTTON},
    {IDS_TOOL_HIGHLIGHTER, KEL_MARK_HIGHLIGHTER},
    {IDS_TOOL_ENCRYPTION, KEL_MARK_ENCRYPTION},
    {IDS_TOOL_RULER, KEL_MARK_RULER},
    {IDS_TOOL_PROTRACTOR, KEL_MARK_PROTRACTOR},
    {IDS_TOOL_RTF_EDIT, KEL_MARK_RTF_EDIT},
    {kCommandNoButton516, KEL_MARK_516},
    {kCommandNoButton517, KEL_MARK_517},
    {kCommandNoButton518, KEL_MARK_518},
};
} // namespace

int MarkTypeOfCommand(UINT commandId) {
    for (const ToolTableRow& row : kToolTable)
        if (row.commandId == commandId)
            return row.markType;
    return 0;
}

UINT CommandOfMarkType(int markType) {
    for (const ToolTableRow& row : kToolTable)
        if (row.markType == markType)
            return row.commandId;
    return 0;
}
