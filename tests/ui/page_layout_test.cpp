// Every page in English lies inside its sheet and draws in the sheet's font.
#include "page_layout_check.h"
