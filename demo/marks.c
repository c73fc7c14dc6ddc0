/* marks.c - mark defaults and the marks file of the demo host.
 *
 * The marks file is the host's own format, little-endian:
 *   "KELMARKS", version (1), mark count,
 *   per mark: from.x, from.y, to.x, to.y, the 164-byte record, block count,
 *             per block: 8-byte name, size, bytes;
 *   a check sum (32-bit FNV-1a) over everything before it.
 * Loading checks every length against what is left of the file and the check
 * sum at the end, so a file cut short or damaged is refused, never half read. */
#include "marks.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define FILE_MAGIC "KELMARKS"
#define FILE_VERSION 1
#define MAX_MARKS 100000
#define MAX_BLOCK_SIZE (16u << 20)

/* "OiAnoDat" defaults, as 32-bit words, of the types that keep mark data. */
static const DWORD kArrowData[] = {1, 0, 12};                        /* filled head, 12 px */
static const DWORD kImageData[] = {1, 0, 0, 0, 0, 0, 0, 17, 100000}; /* fit, centred */
static const DWORD kRulerData[] = {1, 72, 1, 72, 10, 10, 2};         /* inches on a 72 dpi page */
static const DWORD kProtractorData[] = {0, 0, 0, 0, 40, 1};          /* radius 40, 1 digit */
static const DWORD kPasswordData[13] = {0};                          /* password at 20..51 */

#define MARK_DATA(words) words, (int)(sizeof words / sizeof words[0])
#define NO_MARK_DATA NULL, 0

/* One row per mark type: its name and what a new mark of it starts with. */
typedef struct TypeRow {
    DWORD type;
    const char* name;
    COLORREF main, extra;
    const char* text;  /* "OiAnText" text, or NULL for no text block */
    const DWORD* data; /* "OiAnoDat" words, or NULL for no data block */
    int dataWords;
    BOOL fileName; /* an empty "OiFilNam" block */
} TypeRow;

static const TypeRow kTypes[] = {
    {KEL_MARK_HOLLOW_RECTANGLE, "Hollow Rectangle", RGB(0, 0, 255), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_FILLED_RECTANGLE, "Filled Rectangle", RGB(0, 0, 255), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_HIGHLIGHTER, "Highlighter", RGB(255, 255, 0), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_STRAIGHT_LINE, "Straight Line", RGB(255, 0, 0), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_TYPED_TEXT, "Typed Text", RGB(0, 0, 0), 0, "Typed text", NO_MARK_DATA, FALSE},
    {KEL_MARK_ATTACH_A_NOTE, "Attach A Note", RGB(255, 255, 128), RGB(0, 0, 0), "A note",
     NO_MARK_DATA, FALSE},
    {KEL_MARK_TEXT_FROM_FILE, "Text From File", RGB(0, 0, 0), 0, "", NO_MARK_DATA, TRUE},
    {KEL_MARK_TEXT_STAMP, "Text Stamp", RGB(255, 0, 0), 0, "APPROVED", NO_MARK_DATA, FALSE},
    {KEL_MARK_FREEHAND_LINE, "Freehand Line", RGB(0, 128, 0), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_ARROW, "Arrow", RGB(255, 0, 0), 0, NULL, MARK_DATA(kArrowData), FALSE},
    {KEL_MARK_HOLLOW_ELLIPSE, "Hollow Ellipse", RGB(0, 0, 255), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_FILLED_ELLIPSE, "Filled Ellipse", RGB(0, 0, 255), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_HOT_SPOT, "Hot Spot", RGB(255, 0, 255), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_HOLLOW_POLYGON, "Hollow Polygon", RGB(0, 128, 128), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_FILLED_POLYGON, "Filled Polygon", RGB(0, 128, 128), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_POLYLINE, "Polyline", RGB(128, 0, 128), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_REDACTION, "Redaction", RGB(0, 0, 0), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_AUDIO, "Audio", RGB(0, 0, 0), 0, NULL, NO_MARK_DATA, TRUE},
    {KEL_MARK_PIN_UP_TEXT, "Pin-Up Text", RGB(255, 255, 128), RGB(0, 0, 0), "Pinned", NO_MARK_DATA,
     FALSE},
    {KEL_MARK_EMBEDDED_IMAGE, "Embedded Image", RGB(0, 0, 0), 0, NULL, MARK_DATA(kImageData),
     FALSE},
    {KEL_MARK_IMAGE_REFERENCE, "Image Reference", RGB(0, 0, 0), 0, NULL, MARK_DATA(kImageData),
     TRUE},
    {KEL_MARK_BUTTON, "Button", RGB(192, 192, 192), RGB(0, 0, 0), "OK", NO_MARK_DATA, FALSE},
    {KEL_MARK_ENCRYPTION, "Encryption", RGB(128, 128, 128), 0, NULL, MARK_DATA(kPasswordData),
     FALSE},
    {KEL_MARK_RULER, "Ruler", RGB(0, 0, 255), 0, "%d in", MARK_DATA(kRulerData), FALSE},
    {KEL_MARK_PROTRACTOR, "Protractor", RGB(0, 0, 255), 0, NULL, MARK_DATA(kProtractorData), FALSE},
    {KEL_MARK_RTF_EDIT, "RTF edit", RGB(0, 0, 0), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_516, "Mark 516", RGB(0, 128, 0), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_517, "Mark 517", RGB(0, 128, 0), 0, NULL, NO_MARK_DATA, FALSE},
    {KEL_MARK_518, "Mark 518", RGB(0, 0, 0), 0, "Text with a line", NO_MARK_DATA, FALSE},
};
#define TYPE_COUNT ((int)(sizeof kTypes / sizeof kTypes[0]))

static const TypeRow* FindType(DWORD type) {
    int i;
    for (i = 0; i < TYPE_COUNT; ++i)
        if (kTypes[i].type == type)
            return &kTypes[i];
    return NULL;
}

const char* MarkTypeName(DWORD type) {
    const TypeRow* row = FindType(type);
    return row ? row->name : NULL;
}

const DWORD* MarkTypes(int* count) {
    static DWORD types[TYPE_COUNT];
    int i;
    for (i = 0; i < TYPE_COUNT; ++i)
        types[i] = kTypes[i].type;
    *count = TYPE_COUNT;
    return types;
}

/* Records keep colours blue, green, red, spare. */
static RGBQUAD ToRecordColor(COLORREF c) {
    RGBQUAD q;
    q.rgbBlue = GetBValue(c);
    q.rgbGreen = GetGValue(c);
    q.rgbRed = GetRValue(c);
    q.rgbReserved = 0;
    return q;
}

static void PutWord(BYTE* at, DWORD value) {
    at[0] = (BYTE)value;
    at[1] = (BYTE)(value >> 8);
    at[2] = (BYTE)(value >> 16);
    at[3] = (BYTE)(value >> 24);
}

static DWORD GetWord(const BYTE* at) {
    return (DWORD)at[0] | (DWORD)at[1] << 8 | (DWORD)at[2] << 16 | (DWORD)at[3] << 24;
}

/* "OiAnText": three header words, the length with its zero, the text, the zero
 * and three trailing bytes. */
static BOOL SetTextBlock(Mark* mark, const char* text) {
    DWORD length = (DWORD)strlen(text) + 1, size = length + 19;
    BYTE* bytes = (BYTE*)calloc(size, 1);
    BOOL done;
    if (!bytes)
        return FALSE;
    PutWord(bytes + 12, length);
    memcpy(bytes + 16, text, length);
    done = MarkSetBlock(mark, KEL_BLOCK_TEXT, bytes, size);
    free(bytes);
    return done;
}

static BOOL SetDataBlock(Mark* mark, const DWORD* words, int count) {
    BYTE bytes[64];
    int i;
    for (i = 0; i < count; ++i)
        PutWord(bytes + 4 * i, words[i]);
    return MarkSetBlock(mark, KEL_BLOCK_MARK_DATA, bytes, (DWORD)(4 * count));
}

BOOL MarkInit(Mark* mark, DWORD type, POINT from, POINT to) {
    const TypeRow* row = FindType(type);
    KEL_MARK_ATTRIBUTES* a = &mark->attr;
    BOOL ok = TRUE;
    memset(mark, 0, sizeof *mark);
    mark->from = from;
    mark->to = to;
    a->nMarkType = type;
    a->rgbMain = ToRecordColor(row ? row->main : 0);
    a->rgbExtra = ToRecordColor(row ? row->extra : 0);
    a->nLineSize = 2;
    a->lfFont.lfHeight = -16;
    a->lfFont.lfWeight = FW_NORMAL;
    a->lfFont.lfCharSet = DEFAULT_CHARSET;
    strcpy(a->lfFont.lfFaceName, "Tahoma");
    if (row && row->text)
        ok = SetTextBlock(mark, row->text);
    if (row && row->data)
        ok = ok && SetDataBlock(mark, row->data, row->dataWords);
    if (row && row->fileName)
        ok = ok && MarkSetBlock(mark, KEL_BLOCK_FILE_NAME, "", 1);
    if (!ok)
        MarkFree(mark);
    return ok;
}

void MarkFree(Mark* mark) {
    int i;
    for (i = 0; i < mark->blockCount; ++i)
        free(mark->blocks[i].data);
    mark->blockCount = 0;
}

Block* MarkBlock(Mark* mark, const char* name) {
    int i;
    for (i = 0; i < mark->blockCount; ++i)
        if (memcmp(mark->blocks[i].name, name, 8) == 0)
            return &mark->blocks[i];
    return NULL;
}

BOOL MarkSetBlock(Mark* mark, const char* name, const void* data, DWORD size) {
    Block* block = MarkBlock(mark, name);
    BYTE* copy = (BYTE*)malloc(size ? size : 1);
    if (!copy)
        return FALSE;
    if (size)
        memcpy(copy, data, size);
    if (!block) {
        if (mark->blockCount == MAX_BLOCKS) {
            free(copy);
            return FALSE;
        }
        block = &mark->blocks[mark->blockCount++];
        memcpy(block->name, name, 8);
    } else {
        free(block->data);
    }
    block->data = copy;
    block->size = size;
    return TRUE;
}

const char* MarkText(const Mark* mark, char* buffer, int size) {
    Block* block = MarkBlock((Mark*)mark, KEL_BLOCK_TEXT);
    DWORD i = 16;
    int n = 0;
    if (block)
        for (; i < block->size && block->data[i] && n < size - 1; ++i)
            buffer[n++] = (char)block->data[i];
    buffer[n] = 0;
    return buffer;
}

BOOL MarkListAdd(MarkList* list, const Mark* mark) {
    if (list->count == list->capacity) {
        int capacity = list->capacity ? list->capacity * 2 : 16;
        Mark* items = (Mark*)realloc(list->items, (size_t)capacity * sizeof *items);
        if (!items)
            return FALSE;
        list->items = items;
        list->capacity = capacity;
    }
    list->items[list->count++] = *mark;
    return TRUE;
}

void MarkListRemove(MarkList* list, int index) {
    MarkFree(&list->items[index]);
    memmove(&list->items[index], &list->items[index + 1],
            (size_t)(list->count - index - 1) * sizeof list->items[0]);
    --list->count;
}

void MarkListFree(MarkList* list) {
    while (list->count)
        MarkListRemove(list, list->count - 1);
    free(list->items);
    memset(list, 0, sizeof *list);
}

/* ---- the file ------------------------------------------------------------ */

static DWORD Fnv1a(const BYTE* bytes, size_t size) {
    DWORD hash = 2166136261u;
    size_t i;
    for (i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 16777619u;
    return hash;
}

/* A growing byte buffer for writing. */
typedef struct Out {
    BYTE* bytes;
    size_t size, capacity;
    BOOL failed;
} Out;

static void Put(Out* out, const void* data, size_t size) {
    if (out->failed)
        return;
    if (out->size + size > out->capacity) {
        size_t capacity = (out->size + size) * 2;
        BYTE* bytes = (BYTE*)realloc(out->bytes, capacity);
        if (!bytes) {
            out->failed = TRUE;
            return;
        }
        out->bytes = bytes;
        out->capacity = capacity;
    }
    memcpy(out->bytes + out->size, data, size);
    out->size += size;
}

static void PutNumber(Out* out, DWORD value) {
    BYTE word[4];
    PutWord(word, value);
    Put(out, word, 4);
}

BOOL MarksSave(const char* path, const MarkList* list) {
    Out out = {NULL, 0, 0, FALSE};
    char temporary[MAX_PATH + 8];
    FILE* file;
    BOOL written;
    int i, b;
    Put(&out, FILE_MAGIC, 8);
    PutNumber(&out, FILE_VERSION);
    PutNumber(&out, (DWORD)list->count);
    for (i = 0; i < list->count; ++i) {
        const Mark* m = &list->items[i];
        PutNumber(&out, (DWORD)m->from.x);
        PutNumber(&out, (DWORD)m->from.y);
        PutNumber(&out, (DWORD)m->to.x);
        PutNumber(&out, (DWORD)m->to.y);
        Put(&out, &m->attr, sizeof m->attr);
        PutNumber(&out, (DWORD)m->blockCount);
        for (b = 0; b < m->blockCount; ++b) {
            Put(&out, m->blocks[b].name, 8);
            PutNumber(&out, m->blocks[b].size);
            Put(&out, m->blocks[b].data, m->blocks[b].size);
        }
    }
    if (!out.failed)
        PutNumber(&out, Fnv1a(out.bytes, out.size));
    written = FALSE;
    if (!out.failed && strlen(path) < MAX_PATH) {
        sprintf(temporary, "%s.new", path);
        file = fopen(temporary, "wb");
        if (file) {
            written = fwrite(out.bytes, 1, out.size, file) == out.size;
            written = fclose(file) == 0 && written;
            written = written && MoveFileExA(temporary, path,
                                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
            if (!written)
                DeleteFileA(temporary);
        }
    }
    free(out.bytes);
    return written;
}

/* Reading: every take checks what is left first. */
typedef struct In {
    const BYTE* at;
    size_t left;
} In;

static BOOL Take(In* in, void* data, size_t size) {
    if (size > in->left)
        return FALSE;
    memcpy(data, in->at, size);
    in->at += size;
    in->left -= size;
    return TRUE;
}

static BOOL TakeNumber(In* in, DWORD* value) {
    BYTE word[4];
    if (!Take(in, word, 4))
        return FALSE;
    *value = GetWord(word);
    return TRUE;
}

static BOOL ReadMark(In* in, Mark* m) {
    DWORD x0, y0, x1, y1, count, size, b;
    char name[8];
    memset(m, 0, sizeof *m);
    if (!TakeNumber(in, &x0) || !TakeNumber(in, &y0) || !TakeNumber(in, &x1) ||
        !TakeNumber(in, &y1) || !Take(in, &m->attr, sizeof m->attr) || !TakeNumber(in, &count) ||
        count > MAX_BLOCKS)
        return FALSE;
    m->from.x = (LONG)x0;
    m->from.y = (LONG)y0;
    m->to.x = (LONG)x1;
    m->to.y = (LONG)y1;
    for (b = 0; b < count; ++b) {
        if (!Take(in, name, 8) || !TakeNumber(in, &size) || size > in->left ||
            size > MAX_BLOCK_SIZE || !MarkSetBlock(m, name, in->at, size)) {
            MarkFree(m);
            return FALSE;
        }
        in->at += size;
        in->left -= size;
    }
    return TRUE;
}

static const char* ParseMarks(const BYTE* bytes, size_t size, MarkList* list) {
    In in;
    char magic[8];
    DWORD version, count, i;
    Mark mark;
    if (memcmp(bytes, FILE_MAGIC, size < 8 ? size : 8) != 0)
        return "it is not a marks file";
    if (size < 20) /* the header and the check sum */
        return "it is cut short";
    if (GetWord(bytes + size - 4) != Fnv1a(bytes, size - 4))
        return "it is cut short or its contents are damaged";
    in.at = bytes;
    in.left = size - 4;
    Take(&in, magic, 8);
    TakeNumber(&in, &version);
    TakeNumber(&in, &count);
    if (version != FILE_VERSION)
        return "it was written by another version of the program";
    if (count > MAX_MARKS)
        return "its contents are damaged";
    for (i = 0; i < count; ++i)
        if (!ReadMark(&in, &mark) || !MarkListAdd(list, &mark)) {
            MarkFree(&mark);
            return "its contents are damaged";
        }
    return in.left == 0 ? NULL : "its contents are damaged";
}

BOOL MarksLoad(const char* path, MarkList* list, char* why, int whySize) {
    FILE* file = fopen(path, "rb");
    BYTE* bytes = NULL;
    long size;
    const char* problem = NULL;
    if (!file && GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return TRUE; /* no file yet: a new, empty document */
    if (!file) {
        _snprintf(why, (size_t)whySize, "it cannot be opened");
        why[whySize - 1] = 0;
        return FALSE;
    }
    if (fseek(file, 0, SEEK_END) != 0 || (size = ftell(file)) < 0 || fseek(file, 0, SEEK_SET) != 0)
        problem = "it cannot be read";
    else if (!(bytes = (BYTE*)malloc(size ? (size_t)size : 1)) ||
             fread(bytes, 1, (size_t)size, file) != (size_t)size)
        problem = "it cannot be read";
    else
        problem = ParseMarks(bytes, (size_t)size, list);
    fclose(file);
    free(bytes);
    if (problem) {
        MarkListFree(list);
        _snprintf(why, (size_t)whySize, "%s", problem);
        why[whySize - 1] = 0;
    }
    return problem == NULL;
}
