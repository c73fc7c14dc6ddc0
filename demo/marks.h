/* marks.h - the demo host's own marks: what it keeps per mark, the defaults
 * each mark type starts with, and the marks file. */
#ifndef DEMO_MARKS_H
#define DEMO_MARKS_H

#include <kelgui.h>

#define MAX_BLOCKS 3 /* a mark holds at most "OiAnoDat", "OiFilNam" and "OiAnText" */

typedef struct Block {
    char name[8]; /* no terminator, as the library passes names */
    DWORD size;
    BYTE* data; /* malloc'ed, owned by the mark */
} Block;

typedef struct Mark {
    POINT from, to; /* the drag that made the mark, in page pixels */
    KEL_MARK_ATTRIBUTES attr;
    int blockCount;
    Block blocks[MAX_BLOCKS];
} Mark;

typedef struct MarkList {
    Mark* items;
    int count;
    int capacity;
} MarkList;

/* English name of a mark type for titles and captions; NULL for unknown codes. */
const char* MarkTypeName(DWORD type);
/* Every mark type code, in tool order; *count receives their number. */
const DWORD* MarkTypes(int* count);

/* A new mark of type between from and to, with the type's default record and
 * blocks. Returns 0 when memory runs out. */
BOOL MarkInit(Mark* mark, DWORD type, POINT from, POINT to);
void MarkFree(Mark* mark);
/* The mark's block called name, or NULL. */
Block* MarkBlock(Mark* mark, const char* name);
/* Replaces (or adds) the block called name with a copy of data. */
BOOL MarkSetBlock(Mark* mark, const char* name, const void* data, DWORD size);
/* The text of an "OiAnText" block (empty when there is none). */
const char* MarkText(const Mark* mark, char* buffer, int size);

BOOL MarkListAdd(MarkList* list, const Mark* mark); /* takes over the mark's blocks */
void MarkListRemove(MarkList* list, int index);
void MarkListFree(MarkList* list);

/* Loads a marks file. A missing file gives an empty list and 1. A file that is
 * cut short, damaged or not a marks file gives 0 and a reason in why; the list
 * is then left empty. */
BOOL MarksLoad(const char* path, MarkList* list, char* why, int whySize);
/* Saves through a temporary file that then replaces the old one, so that a
 * failed save never leaves a half-written file. */
BOOL MarksSave(const char* path, const MarkList* list);

#endif
