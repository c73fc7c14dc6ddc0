// Every page in Japanese (code page 932) lies inside its sheet and draws in the sheet's font.
#include "page_layout_check.h"
