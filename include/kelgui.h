/* kelgui.h - public interface of kelgui.dll, the annotation user-interface module.
 *
 * The library lends a host two pieces of user interface: a floating annotation
 * toolbar and modal property sheets that edit one mark's attribute record and
 * named data blocks. Every export uses __stdcall and a plain, undecorated name.
 * Every export serves only the thread that loaded the library: called from any
 * other thread it returns 0 and reads, writes and changes nothing (no toolbar
 * or sheet is made there, the message title stays as it was).
 * The exports may be called again from inside the toolbar's callbacks and
 * while a sheet runs: other sheets can then be shown, filled, queried and
 * destroyed; the running sheet itself can be queried and titled but not shown,
 * filled or destroyed (0). A toolbar may be destroyed from its own callbacks.
 * A toolbar still alive when the library is unloaded is destroyed by the
 * unload (its callback hears KEL_TOOL_EVENT_DESTROYED); never unload the
 * library from inside its callbacks or while a sheet runs.
 * Strings are zero-terminated ANSI text in the system code page; sizes are bytes.
 *
 * Why a call gave 0: every export sets the calling thread's last error before
 * it returns, so GetLastError() right after the call says why. A success
 * (1, or a count) leaves it 0; each 0 leaves one of the standard codes listed
 * under its export, and these on every export:
 *   ERROR_INVALID_THREAD_ID   called from a thread that did not load the library
 *   ERROR_NOT_ENOUGH_MEMORY   the library ran out of memory or window resources
 *   ERROR_INTERNAL_ERROR      an unexpected failure inside the library
 */
#ifndef KELGUI_H
#define KELGUI_H

#include <stddef.h>
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef KELGUI_BUILDING
#define KELGUI_API __declspec(dllexport)
#else
#define KELGUI_API __declspec(dllimport)
#endif

/* ---- Mark types (nMarkType) ------------------------------------------------ */
enum {
    KEL_MARK_NONE = 0, /* "Select Annotations": no mark */
    KEL_MARK_EMBEDDED_IMAGE = 1,
    KEL_MARK_IMAGE_REFERENCE = 2,
    KEL_MARK_STRAIGHT_LINE = 3,
    KEL_MARK_FREEHAND_LINE = 4,
    KEL_MARK_HOLLOW_RECTANGLE = 5,
    KEL_MARK_FILLED_RECTANGLE = 6,
    KEL_MARK_TYPED_TEXT = 7,
    KEL_MARK_TEXT_FROM_FILE = 8,
    KEL_MARK_TEXT_STAMP = 9,
    KEL_MARK_ATTACH_A_NOTE = 10,
    KEL_MARK_FILLED_POLYGON = 500,
    KEL_MARK_HOLLOW_POLYGON = 501,
    KEL_MARK_POLYLINE = 502,
    KEL_MARK_AUDIO = 503,
    KEL_MARK_FILLED_ELLIPSE = 504,
    KEL_MARK_HOLLOW_ELLIPSE = 505,
    KEL_MARK_ARROW = 506,
    KEL_MARK_HOT_SPOT = 507,
    KEL_MARK_REDACTION = 508,
    KEL_MARK_ENCRYPTION = 509,
    KEL_MARK_RULER = 510,
    KEL_MARK_PROTRACTOR = 511,
    KEL_MARK_BUTTON = 512,
    KEL_MARK_PIN_UP_TEXT = 513,
    KEL_MARK_HIGHLIGHTER = 514,
    KEL_MARK_RTF_EDIT = 515,
    KEL_MARK_516 = 516,
    KEL_MARK_517 = 517,
    KEL_MARK_518 = 518
};

/* ---- The attribute record ---------------------------------------------------
 * 164 bytes, 41 little-endian 32-bit words. The library reads and writes only
 * the named fields; the opaque words are never written. Colours are stored
 * blue, green, red, spare (RGBQUAD order); the spare byte is never written. */
#define TF_WRAP_HORZ 0x100 /* dwTextFlags: horizontal bound wrapping */
#define TF_WRAP_VERT 0x200 /* dwTextFlags: vertical bound wrapping */

typedef struct KEL_MARK_ATTRIBUTES {
    DWORD nMarkType;      /*   0: mark type, decides the sheet's pages */
    DWORD adwOpaque1[4];  /*   4 */
    RGBQUAD rgbMain;      /*  20: main colour */
    RGBQUAD rgbExtra;     /*  24: second colour (types 10, 512, 513) */
    BOOL bHighlight;      /*  28 */
    BOOL bTransparent;    /*  32: image marks */
    DWORD nLineSize;      /*  36: 1 to 100 on the line page */
    DWORD adwOpaque2[2];  /*  40 */
    LOGFONTA lfFont;      /*  48: font of text marks */
    DWORD adwOpaque3[12]; /* 108 */
    DWORD dwTextFlags;    /* 156: only TF_WRAP_HORZ and TF_WRAP_VERT are used */
    DWORD dwOpaque4;      /* 160 */
} KEL_MARK_ATTRIBUTES;

/* ---- The image context given at sheet creation ------------------------------
 * Ten 32-bit words laid out as a BITMAPINFOHEADER; the resolution words are
 * pixels per metre (0 is taken as 11811, 300 dots per inch). */
typedef struct KEL_IMAGE_INFO {
    DWORD dwSize;
    LONG nWidth;
    LONG nHeight;
    WORD wPlanes;
    WORD wBitCount;
    DWORD dwCompression;
    DWORD dwSizeImage;
    LONG nXPelsPerMeter; /* word 6 */
    LONG nYPelsPerMeter; /* word 7 */
    DWORD dwClrUsed;
    DWORD dwClrImportant;
} KEL_IMAGE_INFO;

/* Layout checks that every C and C++ compiler takes, old ones included: an
 * array type whose size is negative when a check fails. */
#define KELGUI_LAYOUT_CHECK(name, condition) typedef char kelgui_layout_##name[(condition) ? 1 : -1]
KELGUI_LAYOUT_CHECK(record_size, sizeof(KEL_MARK_ATTRIBUTES) == 164);
KELGUI_LAYOUT_CHECK(rgbMain, offsetof(KEL_MARK_ATTRIBUTES, rgbMain) == 20);
KELGUI_LAYOUT_CHECK(rgbExtra, offsetof(KEL_MARK_ATTRIBUTES, rgbExtra) == 24);
KELGUI_LAYOUT_CHECK(bHighlight, offsetof(KEL_MARK_ATTRIBUTES, bHighlight) == 28);
KELGUI_LAYOUT_CHECK(bTransparent, offsetof(KEL_MARK_ATTRIBUTES, bTransparent) == 32);
KELGUI_LAYOUT_CHECK(nLineSize, offsetof(KEL_MARK_ATTRIBUTES, nLineSize) == 36);
KELGUI_LAYOUT_CHECK(lfFont, offsetof(KEL_MARK_ATTRIBUTES, lfFont) == 48);
KELGUI_LAYOUT_CHECK(dwTextFlags, offsetof(KEL_MARK_ATTRIBUTES, dwTextFlags) == 156);
KELGUI_LAYOUT_CHECK(image_info_size, sizeof(KEL_IMAGE_INFO) == 40);
KELGUI_LAYOUT_CHECK(nXPelsPerMeter, offsetof(KEL_IMAGE_INFO, nXPelsPerMeter) == 24);

/* Named data blocks are passed by an 8-byte name without terminator. Which
 * mark types hold which block, and the tab each makes appear: docs/hosting.md. */
#define KEL_BLOCK_MARK_DATA "OiAnoDat"
#define KEL_BLOCK_FILE_NAME "OiFilNam"
#define KEL_BLOCK_TEXT "OiAnText"

/* clang-format off */
/* ---- Block layouts ----------------------------------------------------------
 * "OiAnText" (text marks 7 to 10, 512, 513, 518; text from file 8; the ruler's
 * label): three header words the library carries unchanged, the text length
 * with its zero byte, the text in the system code page, a zero byte and three
 * spare bytes; KEL_GUI_text_block builds one. "OiFilNam" (8, 503, 2): a file
 * name and its zero byte. "OiAnoDat" depends on the mark type; its views
 * follow, little-endian 32-bit words, with the values the pages accept. A
 * page keeps every byte it does not edit, also beyond these structures. */
typedef struct KEL_ARROW_DATA { /* mark type 506 */
    LONG nStyle;                /*  0: head 0 open, 1 filled, 2 hollow, 3 notched */
    DWORD dwUnused;             /*  4 */
    DWORD nSize;                /*  8: head size in pixels, 1 to 1000 */
} KEL_ARROW_DATA;
#define KEL_ARROW_DATA_DEFAULT {1, 0, 12}

typedef struct KEL_IMAGE_DATA { /* mark types 1 and 2 */
    LONG nOrientation;          /*  0: 1 to 4 rotations (original, right, flip, left),
                                       5 to 8 the same mirrored vertically */
    DWORD adwUnused[5];         /*  4 */
    LONG nFit;                  /* 24: 0 device, 1 width, 2 height, 3 actual size */
    LONG nAlignment;            /* 28: 0x00 to 0x22, horizontal (left, centre, right)
                                       in the high nibble, vertical in the low one */
    LONG nAspect;               /* 32: aspect ratio x 100000, 10000 to 1000000 */
} KEL_IMAGE_DATA;
#define KEL_IMAGE_DATA_DEFAULT {1, {0, 0, 0, 0, 0}, 0, 0x11, 100000}

typedef struct KEL_RULER_DATA { /* mark type 510; its label is an "OiAnText" */
    LONG nHorzNumerator;        /*  0: one image pixel is numerator / denominator */
    LONG nHorzDenominator;      /*  4  units; the page writes both scales from */
    LONG nVertNumerator;        /*  8  the unit and the image resolution */
    LONG nVertDenominator;      /* 12 */
    LONG nGauge;                /* 16: gauge length, 0 to 999 */
    LONG nGaugeAgain;           /* 20: written as nGauge, never read */
    LONG nPrecision;            /* 24: output precision, 0 to 14 */
} KEL_RULER_DATA;
#define KEL_RULER_DATA_DEFAULT {1000, 11811, 1000, 11811, 10, 10, 2} /* mm, 300 dpi */

typedef struct KEL_PROTRACTOR_DATA { /* mark type 511 */
    DWORD adwUnused[4];              /*  0 */
    LONG nRadius;                    /* 16: arc radius, 1 to 999 */
    LONG nPrecision;                 /* 20: output precision, 0 to 14 */
} KEL_PROTRACTOR_DATA;
#define KEL_PROTRACTOR_DATA_DEFAULT {{0, 0, 0, 0}, 40, 1}

typedef struct KEL_ENCRYPTION_DATA { /* mark type 509 */
    DWORD adwUnused[5];              /*  0 */
    char szPassword[32];             /* 20: at most 31 bytes and a zero byte */
} KEL_ENCRYPTION_DATA;

KELGUI_LAYOUT_CHECK(arrow_size, sizeof(KEL_ARROW_DATA) == 12);
KELGUI_LAYOUT_CHECK(image_size, sizeof(KEL_IMAGE_DATA) == 36);
KELGUI_LAYOUT_CHECK(ruler_size, sizeof(KEL_RULER_DATA) == 28);
KELGUI_LAYOUT_CHECK(protractor_size, sizeof(KEL_PROTRACTOR_DATA) == 24);
KELGUI_LAYOUT_CHECK(encryption_size, sizeof(KEL_ENCRYPTION_DATA) == 52);
#undef KELGUI_LAYOUT_CHECK
/* clang-format on */

/* ---- Message title ----------------------------------------------------------
 * The caption of the library's message boxes (its validation messages). */

/* Copies the title (NULL restores the default: the DLL's file name without
 * extension). Returns 1 on the loading thread; the caller keeps its string. */
KELGUI_API BOOL WINAPI KEL_GUI_message_title_set(LPCSTR title);

/* buffer NULL: returns the title's length without terminator. Otherwise copies
 * at most size bytes, zero-filling after a shorter title (a title of size bytes
 * or more is left unterminated), and returns size. A 0 with last error 0 is an
 * empty title or size 0; ERROR_NOT_ENOUGH_MEMORY: there is no title (the last
 * copy of one failed). */
KELGUI_API UINT WINAPI KEL_GUI_message_title_get(LPSTR buffer, UINT size);

/* ---- Property sheets --------------------------------------------------------
 * Usual order: create, init, optional title set, show, query when show
 * returned 1, destroy. Every call returns 1 for success and 0 for failure; a
 * handle that is not a live sheet of this library gives 0 and nothing else. */
typedef struct KEL_SHEET_OPAQUE* HKELSHEET;

/* Makes an empty sheet owned by parent (may be NULL) for an image described by
 * info (must be valid). *sheetOut receives the handle, or NULL on failure.
 * Last error: ERROR_INVALID_PARAMETER sheetOut is NULL. */
KELGUI_API BOOL WINAPI KEL_GUI_property_sheet_create(HWND parent, const KEL_IMAGE_INFO* info,
                                                     HKELSHEET* sheetOut);

/* Runs the sheet modally. Returns 1 for OK; 0 for Cancel, the close box, a
 * sheet without pages (nothing is shown) or a bad handle. Last error:
 *   ERROR_CANCELLED          the user closed it with Cancel or the close box
 *   ERROR_EMPTY              the sheet has no pages (the mark type selects none)
 *   ERROR_BUSY               the sheet is already running
 *   ERROR_INVALID_HANDLE     not a live sheet of this library */
KELGUI_API BOOL WINAPI KEL_GUI_property_sheet_show(HKELSHEET sheet);

/* Replaces the "Attributes" caption with title as is. 0 for a sheet without
 * pages (ERROR_EMPTY) or a bad handle (ERROR_INVALID_HANDLE). Call after init
 * and before show. */
KELGUI_API BOOL WINAPI KEL_GUI_property_sheet_title_set(HKELSHEET sheet, LPCSTR title);

/* Deletes the sheet and its pages. The handle is invalid afterwards; a second
 * destroy of it returns 0. Last error: ERROR_BUSY the sheet is running (it
 * stays); ERROR_INVALID_HANDLE not a live sheet. */
KELGUI_API BOOL WINAPI KEL_GUI_property_sheet_destroy(HKELSHEET sheet);

/* Flags of init and query; other bits are ignored. */
#define KEL_SHEET_ATTRIBUTES                                                                       \
    1 /* the record: init copies it and loads the record pages;                                    \
         query writes the fields those pages edit */
#define KEL_SHEET_BLOCK                                                                            \
    2 /* a named block: init hands it to the pages that hold                                       \
         a block of that name; query hands one back */
#define KEL_SHEET_DATE_CODES                                                                       \
    4 /* implies KEL_SHEET_BLOCK; text stamps insert date                                          \
         and time codes instead of the current date */

/* Fills the sheet with the pages the mark type needs (record->nMarkType with
 * KEL_SHEET_ATTRIBUTES, else the type of the last call that had it) and loads
 * them. Calling again reloads existing pages and never duplicates one, so a
 * host may pass the record first and then each named block in its own call.
 * name points at 8 bytes without terminator; data at size bytes (NULL with
 * size 0 is allowed). The block arguments are read only with KEL_SHEET_BLOCK
 * for mark types that hold blocks. Returns 1, also when the type selects no
 * page; 0 for a bad handle, a NULL record with KEL_SHEET_ATTRIBUTES, a sheet
 * that is being shown, or lack of memory (pages added before stay). Last error:
 *   ERROR_INVALID_PARAMETER  record is NULL with KEL_SHEET_ATTRIBUTES (nothing done)
 *   ERROR_BUSY               the sheet is running (nothing done)
 *   ERROR_NOT_ENOUGH_MEMORY  a page could not be made (pages added before stay)
 *   ERROR_INVALID_HANDLE     not a live sheet of this library */
KELGUI_API BOOL WINAPI KEL_GUI_property_sheet_init(HKELSHEET sheet, DWORD flags,
                                                   const KEL_MARK_ATTRIBUTES* record,
                                                   const char* name, const void* data, DWORD size);

/* Reads the results back after show returned 1. With KEL_SHEET_ATTRIBUTES it
 * writes into *record only the fields the sheet's pages edit; every other byte,
 * and the spare byte of both colours, stays as the caller had it. With
 * KEL_SHEET_BLOCK it hands back the block called name (8 bytes): *sizeOut is
 * set to 0 first, then to the block's size (0: no such block). Ask first with
 * buffer NULL for the size, then again with a buffer of that size. After such
 * a size query, a block that has grown beyond the size reported under that
 * name is not copied and the call returns 0. sizeOut may be NULL only without
 * KEL_SHEET_BLOCK. Returns 1 on success; 0 for a bad handle or missing record,
 * name or sizeOut. The record part is done whenever its record is given: a
 * missing name or sizeOut refuses only the block part. Last error:
 *   ERROR_INVALID_PARAMETER  record NULL with KEL_SHEET_ATTRIBUTES (nothing done);
 *                            name or sizeOut NULL with KEL_SHEET_BLOCK (the
 *                            record part is done, no block is looked at)
 *   ERROR_INSUFFICIENT_BUFFER the block grew beyond the size reported by the
 *                            size query (nothing copied; *sizeOut is its size)
 *   ERROR_INVALID_HANDLE     not a live sheet of this library */
KELGUI_API BOOL WINAPI KEL_GUI_property_sheet_query(HKELSHEET sheet, DWORD flags,
                                                    KEL_MARK_ATTRIBUTES* record, const char* name,
                                                    void* buffer, DWORD* sizeOut);
/* ---- Floating annotation toolbar --------------------------------------------
 * A small captioned tool window owned by a host window, holding 27 tool buttons
 * in two columns. Tools are named by mark type (0 is "Select Annotations"). The
 * toolbar handle is the frame window handle that the create call returned; any
 * other handle (the tool bar child inside it, a destroyed toolbar, a host
 * window) makes the calls return 0 and do nothing else, with the last error
 * ERROR_INVALID_WINDOW_HANDLE. Closing the toolbar hides it; only DestroyWindow
 * on the handle (or on its owner) ends it.
 *
 * Keyboard users: a host offers the toolbar by giving its frame the focus
 * (SetFocus or SetActiveWindow on the handle, on a key of the host's own, such
 * as F6). A hot tool then shows; the arrow keys, Home and End move it, Enter or
 * Space press it as a click does (the same notification), and Esc activates
 * the owner again. While a property sheet runs, the thread's toolbars are
 * disabled; afterwards they are enabled again, unless the host had disabled
 * them itself. Screen readers read the toolbar and each tool by name. */

/* Button state flags of KEL_GUI_toolbar_button_set and _get. */
#define KEL_TOOL_PRESSED 0x1
#define KEL_TOOL_ENABLED 0x2
#define KEL_TOOL_VISIBLE 0x4

/* Events of the notification callback. */
#define KEL_TOOL_EVENT_PRESSED 0   /* a tool's button went down; its mark type */
#define KEL_TOOL_EVENT_RELEASED 1  /* the user clicked the pressed tool again */
#define KEL_TOOL_EVENT_CLOSED 2    /* the toolbar was closed (hidden); mark type 0 */
#define KEL_TOOL_EVENT_DESTROYED 3 /* the toolbar is being destroyed; mark type 0 */

/* Selectors of KEL_GUI_toolbar_CB_register. */
#define KEL_TOOLBAR_CB_NOTIFY 0   /* callback is a KEL_TOOLBAR_NOTIFY_PROC */
#define KEL_TOOLBAR_CB_TIP_TEXT 1 /* callback is a KEL_TOOLBAR_TIP_TEXT_PROC */

/* Control id of the tool bar window inside the frame: GetDlgItem(frame, id). */
#define KEL_TOOLBAR_BAR_ID 0xE800

/* Posted to the tool bar window, presses the tool under the point the message
 * carries (the cursor position at posting time) as a click would. */
#define KEL_WM_TOOLBAR_PRESS_AT_POINT 0x0900

/* Called on the toolbar's thread after a press, release, close or destroy. */
typedef void(WINAPI* KEL_TOOLBAR_NOTIFY_PROC)(DWORD_PTR userData, int markType, DWORD event);

/* Asked for a tooltip: return non-zero with *tipOut set to a string (readable
 * until the call returns) to replace defaultText; anything else keeps it.
 * Tips are cut to 79 characters. */
typedef BOOL(WINAPI* KEL_TOOLBAR_TIP_TEXT_PROC)(DWORD_PTR userData, int markType,
                                                LPCSTR defaultText, LPCSTR* tipOut);

/* Makes a visible toolbar owned by parent, its top-left corner at screen (x, y).
 * *frameOut receives the toolbar handle, or NULL on failure. Last error:
 * ERROR_INVALID_PARAMETER frameOut is NULL; ERROR_INVALID_WINDOW_HANDLE parent
 * is neither NULL nor a window. */
KELGUI_API BOOL WINAPI KEL_GUI_toolbar_create(HWND parent, int x, int y, HWND* frameOut);

/* The same with extra window styles: 0 makes a hidden toolbar that the host
 * shows itself (ShowWindow), WS_VISIBLE is what KEL_GUI_toolbar_create uses. */
KELGUI_API BOOL WINAPI KEL_GUI_toolbar_create_ex(HWND parent, int x, int y, HWND* frameOut,
                                                 DWORD style);

/* Registers (or, with a NULL callback, removes) one of the two callbacks,
 * passed as FARPROC: KEL_GUI_toolbar_notify_register and
 * KEL_GUI_toolbar_tip_text_register below take each with its own type. Returns
 * 0 for an unknown selector (ERROR_INVALID_PARAMETER). */
KELGUI_API BOOL WINAPI KEL_GUI_toolbar_CB_register(HWND frame, int selector, FARPROC callback,
                                                   DWORD_PTR userData);

/* Sets the state of a tool's button from KEL_TOOL_* flags and lays the bar out
 * again (hidden tools leave no gap). Sends no notification and releases no
 * other tool. A mark type without a button changes nothing and returns 1. */
KELGUI_API BOOL WINAPI KEL_GUI_toolbar_button_set(HWND frame, int markType, DWORD flags);

/* Stores the tool's KEL_TOOL_* flags in *flagsOut. A mark type without a
 * button answers KEL_TOOL_PRESSED | KEL_TOOL_ENABLED (3). ERROR_INVALID_PARAMETER:
 * flagsOut is NULL. */
KELGUI_API BOOL WINAPI KEL_GUI_toolbar_button_get(HWND frame, int markType, DWORD* flagsOut);

/* ---- Helpers ----------------------------------------------------------------
 * Defined here, in every C and C++ standard, not exported by the DLL. */
#if defined(__cplusplus) || (defined(__STDC_VERSION__) && __STDC_VERSION__ >= 199901L)
#define KELGUI_INLINE inline
#elif defined(__GNUC__)
#define KELGUI_INLINE __inline__
#elif defined(_MSC_VER)
#define KELGUI_INLINE __inline
#else
#define KELGUI_INLINE
#endif
/* A callback as the registration takes it; through void (*)(void), which
 * compilers accept from any function type without a warning. */
#define KELGUI_AS_FARPROC(callback) ((FARPROC)(void (*)(void))(callback))

/* KEL_GUI_toolbar_CB_register for each callback with its own type. */
static KELGUI_INLINE BOOL KEL_GUI_toolbar_notify_register(HWND frame,
                                                          KEL_TOOLBAR_NOTIFY_PROC callback,
                                                          DWORD_PTR userData) {
    return KEL_GUI_toolbar_CB_register(frame, KEL_TOOLBAR_CB_NOTIFY, KELGUI_AS_FARPROC(callback),
                                       userData);
}
static KELGUI_INLINE BOOL KEL_GUI_toolbar_tip_text_register(HWND frame,
                                                            KEL_TOOLBAR_TIP_TEXT_PROC callback,
                                                            DWORD_PTR userData) {
    return KEL_GUI_toolbar_CB_register(frame, KEL_TOOLBAR_CB_TIP_TEXT, KELGUI_AS_FARPROC(callback),
                                       userData);
}

/* Builds the "OiAnText" block of text (zero-terminated, system code page) in
 * buffer: header words 0, the length with the zero byte, the text, a zero and
 * three spare zeros. Returns the block's size, the text's length + 20; writes
 * only into a buffer of at least that size (NULL asks for the size). */
static KELGUI_INLINE DWORD KEL_GUI_text_block(void* buffer, DWORD size, const char* text) {
    BYTE* out = (BYTE*)buffer;
    DWORD length = 0, i;
    while (text[length])
        ++length;
    if (out && size >= length + 20) {
        for (i = 0; i < length + 20; ++i)
            out[i] = i >= 16 && i < 16 + length ? (BYTE)text[i - 16] : 0;
        for (i = 0; i < 4; ++i)
            out[12 + i] = (BYTE)((length + 1) >> (8 * i));
    }
    return length + 20;
}

/* The named blocks a new mark of markType starts with, one per index from 0:
 * with all of them its sheet has every tab (default values every page
 * accepts, empty texts and file names). Sets *name, *data and *size and
 * returns 1; returns 0 past the last (at once for types without blocks). */
static KELGUI_INLINE BOOL KEL_GUI_default_block(DWORD markType, DWORD index, const char** name,
                                                const void** data, DWORD* size) {
    static const KEL_ARROW_DATA arrow = KEL_ARROW_DATA_DEFAULT;
    static const KEL_IMAGE_DATA image = KEL_IMAGE_DATA_DEFAULT;
    static const KEL_RULER_DATA ruler = KEL_RULER_DATA_DEFAULT;
    static const KEL_PROTRACTOR_DATA protractor = KEL_PROTRACTOR_DATA_DEFAULT;
    static const KEL_ENCRYPTION_DATA encryption = {{0, 0, 0, 0, 0}, {0}};
    static const BYTE emptyText[20] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    static const BYTE rulerLabel[25] = {0, 0, 0, 0, 0, 0,   0,   0,   0,   0,  0,
                                        0, 6, 0, 0, 0, '%', 'd', ' ', 'm', 'm'}; /* "%d mm" */
    static const BYTE noFileName[1] = {0};
    static const struct {
        DWORD markType;
        const char* name;
        const void* data;
        DWORD size;
    } blocks[] = {{KEL_MARK_EMBEDDED_IMAGE, KEL_BLOCK_MARK_DATA, &image, sizeof image},
                  {KEL_MARK_IMAGE_REFERENCE, KEL_BLOCK_MARK_DATA, &image, sizeof image},
                  {KEL_MARK_IMAGE_REFERENCE, KEL_BLOCK_FILE_NAME, noFileName, sizeof noFileName},
                  {KEL_MARK_ARROW, KEL_BLOCK_MARK_DATA, &arrow, sizeof arrow},
                  {KEL_MARK_RULER, KEL_BLOCK_MARK_DATA, &ruler, sizeof ruler},
                  {KEL_MARK_RULER, KEL_BLOCK_TEXT, rulerLabel, sizeof rulerLabel},
                  {KEL_MARK_PROTRACTOR, KEL_BLOCK_MARK_DATA, &protractor, sizeof protractor},
                  {KEL_MARK_ENCRYPTION, KEL_BLOCK_MARK_DATA, &encryption, sizeof encryption},
                  {KEL_MARK_AUDIO, KEL_BLOCK_FILE_NAME, noFileName, sizeof noFileName},
                  {KEL_MARK_TEXT_FROM_FILE, KEL_BLOCK_TEXT, emptyText, sizeof emptyText},
                  {KEL_MARK_TEXT_FROM_FILE, KEL_BLOCK_FILE_NAME, noFileName, sizeof noFileName},
                  {KEL_MARK_TYPED_TEXT, KEL_BLOCK_TEXT, emptyText, sizeof emptyText},
                  {KEL_MARK_TEXT_STAMP, KEL_BLOCK_TEXT, emptyText, sizeof emptyText},
                  {KEL_MARK_ATTACH_A_NOTE, KEL_BLOCK_TEXT, emptyText, sizeof emptyText},
                  {KEL_MARK_BUTTON, KEL_BLOCK_TEXT, emptyText, sizeof emptyText},
                  {KEL_MARK_PIN_UP_TEXT, KEL_BLOCK_TEXT, emptyText, sizeof emptyText},
                  {KEL_MARK_518, KEL_BLOCK_TEXT, emptyText, sizeof emptyText}};
    DWORD i, found = 0;
    for (i = 0; i < sizeof blocks / sizeof blocks[0]; ++i)
        if (blocks[i].markType == markType && found++ == index) {
            *name = blocks[i].name;
            *data = blocks[i].data;
            *size = blocks[i].size;
            return 1;
        }
    return 0;
}

#ifdef __cplusplus
}
#endif

#endif /* KELGUI_H */
