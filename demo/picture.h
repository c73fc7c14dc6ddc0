/* picture.h - the tour's screen pictures. */
#ifndef DEMO_PICTURE_H
#define DEMO_PICTURE_H

#include <windows.h>

/* Copies a rectangle of the screen, once two copies in a row agree (Wine puts
 * what windows paint on the screen a little later), and writes it as PNG. */
BOOL WriteScreenPng(RECT area, const char* path);

#endif
