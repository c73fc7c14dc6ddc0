/* demo.h - what the reference host's window, its script runner and its tour
 * share. */
#ifndef DEMO_DEMO_H
#define DEMO_DEMO_H

#include "marks.h"

typedef struct Host {
    HWND window;  /* the main window, showing the document page */
    HWND toolbar; /* the floating toolbar: the handle the library gave us */
    HBITMAP page; /* the document page */
    SIZE pageSize;
    KEL_IMAGE_INFO imageInfo; /* the page's size and resolution, for the sheets */
    MarkList marks;
    const char* marksPath; /* NULL: marks are not saved (the tour) */
    int tool;              /* mark type of the pressed tool; 0 selects marks */
    int selected;          /* index of the selected mark, or -1 */
    BOOL dragging;
    POINT dragFrom, dragTo;
    BOOL scripted;      /* a script or the tour drives the host: no message boxes */
    int sheetsFinished; /* counts property sheets that have closed (or never opened) */
} Host;

extern Host g_host;

/* Opens the property sheet of mark index and takes the results back after OK. */
void EditMark(int index);
/* Makes the mark a drag with the current tool made, saves and redraws. */
void AddMark(DWORD type, POINT from, POINT to);
/* Presses a tool as if the user had clicked it. */
void SelectTool(int type);
/* The mark at a page point (the topmost), or -1. */
int MarkAt(POINT point);

/* Posted to the main window: opens the sheet of mark wParam from the message
 * loop, so that a script's timer keeps running inside the sheet's modal loop. */
#define WM_APP_EDIT_MARK (WM_APP + 1)

/* Scripted mode (--script) and the picture tour (--tour): both run from a
 * timer on the host's own thread. They return FALSE for a script that does
 * not parse. */
BOOL ScriptStart(const char* steps);
BOOL TourStart(const char* directory);

#endif
