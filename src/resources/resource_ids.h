// Resource ids of kelgui.dll, shared by the C++ sources and the resource
// scripts. Only #define lines, so that windres can read this file as well.
#ifndef KELGUI_RESOURCE_IDS_H
#define KELGUI_RESOURCE_IDS_H

// Dialog templates of the property pages.
#define IDD_COLOR                   102
#define IDD_LINE                    106
#define IDD_GENERAL                 107
#define IDD_FONT                    108
#define IDD_ARROW                   109
#define IDD_TEXT                    110
#define IDD_LABEL                   111
#define IDD_AUDIO_FILE              112
#define IDD_TEXT_FILE               113
#define IDD_TEXT_STAMP              114
#define IDD_IMAGE                   115
#define IDD_IMAGE_REFERENCE         116
#define IDD_PASSWORD                117
#define IDD_RULER                   118
#define IDD_PROTRACTOR              119

// Tool bar resource and its bitmap (same id); picture of the audio play button.
#define IDR_TOOLBAR                 129
#define IDB_PLAY                    136

// Sheet caption, page captions and page texts.
#define IDS_SHEET_CAPTION           2000
#define IDS_LINE_SIZE_LABEL         2001
#define IDS_PRIMARY_COLOR           2002
#define IDS_RULER_CAPTION           2003
#define IDS_SECONDARY_COLOR         2004
#define IDS_MEASUREMENT_UNITS       2005
#define IDS_HIGHLIGHT               2006
#define IDS_COLOR_CAPTION           2007
#define IDS_LINE_CAPTION            2008
#define IDS_GENERAL_CAPTION         2009
#define IDS_FONT_CAPTION            2010
#define IDS_FONT_FACE_LABEL         2011
#define IDS_FONT_STYLE_LABEL        2012
#define IDS_FONT_SIZE_LABEL         2013
#define IDS_SAMPLE                  2014
#define IDS_UNDERLINE               2015
#define IDS_STRIKEOUT               2016
#define IDS_FONT_SAMPLE_TEXT        2017
#define IDS_STYLE_NORMAL            2018
#define IDS_STYLE_BOLD              2019
#define IDS_STYLE_ITALIC            2020
#define IDS_STYLE_BOLD_ITALIC       2021
#define IDS_ARROW_CAPTION           2022
#define IDS_ARROW_SIZE_LABEL        2023
#define IDS_ARROW_STYLE_LABEL       2024
#define IDS_TEXT_CAPTION            2025
#define IDS_BUTTON_TEXT_LABEL       2026
#define IDS_PUSH_PIN_LABEL          2027
#define IDS_BROWSE                  2028
#define IDS_INSERT_DATE             2029
#define IDS_FILE_NAME_CAPTION       2030
#define IDS_INSERT_TIME             2031
#define IDS_STAMP_TEXT_LABEL        2032
#define IDS_AUDIO_BROWSE_TITLE      2033
#define IDS_AUDIO_BROWSE_FILTER     2034
#define IDS_AUDIO_FILE_LABEL        2035
#define IDS_TEXT_FILE_LABEL         2036
#define IDS_TEXT_BROWSE_FILTER      2037
#define IDS_TEXT_BROWSE_TITLE       2038
#define IDS_TRANSPARENT             2039
#define IDS_IMAGE_ORIENTATION       2040
#define IDS_ORIENT_ORIGINAL         2041
#define IDS_IMAGE_CAPTION           2042
#define IDS_PICTURE_BROWSE_TITLE    2043
#define IDS_PICTURE_BROWSE_FILTER   2044
#define IDS_ORIENT_ROTATE_RIGHT     2045
#define IDS_ORIENT_FLIP             2046
#define IDS_ORIENT_ROTATE_LEFT      2047
#define IDS_VERTICAL_MIRROR         2048
#define IDS_IMAGE_REFERENCE_CAPTION 2049
#define IDS_IMAGE_FILE_LABEL        2050
#define IDS_PASSWORD_LABEL          2051
#define IDS_ENCRYPTION_CAPTION      2052
#define IDS_UNIT_ABBREVIATION_LABEL 2053
#define IDS_OUTPUT_PRECISION_LABEL  2054
#define IDS_GAUGE_LENGTH_LABEL      2055
#define IDS_UNIT_INCHES             2056
#define IDS_UNIT_FEET               2057
#define IDS_UNIT_YARDS              2058
#define IDS_UNIT_MILES              2059
#define IDS_UNIT_MILLIMETERS        2060
#define IDS_UNIT_CENTIMETERS        2061
#define IDS_UNIT_DECIMETERS         2062
#define IDS_UNIT_METERS             2063
#define IDS_UNIT_KILOMETERS         2064
#define IDS_UNIT_DEKAMETERS         2065
#define IDS_UNIT_MICROMETERS        2066
#define IDS_PROTRACTOR_CAPTION      2067
#define IDS_ARC_RADIUS_LABEL        2068
#define IDS_WRAP                    2069

// Tool names, also the default tooltips; the id is the tool's command id.
#define IDS_TOOL_SELECT             2774
#define IDS_TOOL_HOLLOW_RECT        2775
#define IDS_TOOL_FILLED_RECT        2776
#define IDS_TOOL_HIGHLIGHTER        2777
#define IDS_TOOL_STRAIGHT_LINE      2778
#define IDS_TOOL_TYPED_TEXT         2779
#define IDS_TOOL_ATTACH_NOTE        2780
#define IDS_TOOL_TEXT_FROM_FILE     2781
#define IDS_TOOL_TEXT_STAMP         2782
#define IDS_TOOL_FREEHAND_LINE      2783
#define IDS_TOOL_ARROW              2784
#define IDS_TOOL_HOLLOW_ELLIPSE     2785
#define IDS_TOOL_FILLED_ELLIPSE     2786
#define IDS_TOOL_HOT_SPOT           2787
#define IDS_TOOL_HOLLOW_POLYGON     2788
#define IDS_TOOL_FILLED_POLYGON     2789
#define IDS_TOOL_POLYLINE           2790
#define IDS_TOOL_REDACTION          2791
#define IDS_TOOL_AUDIO              2792
#define IDS_TOOL_PIN_UP_TEXT        2793
#define IDS_TOOL_EMBEDDED_IMAGE     2794
#define IDS_TOOL_IMAGE_REFERENCE    2795
#define IDS_TOOL_BUTTON             2796
#define IDS_TOOL_ENCRYPTION         2797
#define IDS_TOOL_RULER              2798
#define IDS_TOOL_PROTRACTOR         2799
#define IDS_TOOL_RTF_EDIT           2801

// Labels and list entries of the image fit and alignment options.
#define IDS_ASPECT_OPTION           2805
#define IDS_FIT_OPTION              2806
#define IDS_ALIGN_OPTION            2807
#define IDS_FIT_TO_DEVICE           2808
#define IDS_FIT_TO_WIDTH            2809
#define IDS_FIT_TO_HEIGHT           2810
#define IDS_FIT_ACTUAL_SIZE         2811
#define IDS_ALIGN_LEFT_TOP          2812
#define IDS_ALIGN_LEFT_CENTER       2813
#define IDS_ALIGN_LEFT_BOTTOM       2814
#define IDS_ALIGN_CENTER_TOP        2815
#define IDS_ALIGN_CENTER_CENTER     2816
#define IDS_ALIGN_CENTER_BOTTOM     2817
#define IDS_ALIGN_RIGHT_TOP         2818
#define IDS_ALIGN_RIGHT_CENTER      2819
#define IDS_ALIGN_RIGHT_BOTTOM      2820

// Data-validation messages of the framework (message boxes of the pages).
#define IDS_PARSE_INT               0xF110
#define IDS_PARSE_REAL              0xF111
#define IDS_PARSE_INT_RANGE         0xF112
#define IDS_PARSE_REAL_RANGE        0xF113
#define IDS_PARSE_STRING_SIZE       0xF114
#define IDS_PARSE_UINT              0xF117

// ---- Controls of the colour, line and general pages (templates 102, 106, 107)
#define IDC_HIGHLIGHT               1000
#define IDC_LINE_SIZE_LABEL         1001
#define IDC_LINE_SIZE               1002
#define IDC_LINE_SIZE_SPIN          1003
#define IDC_PRIMARY_GROUP           1013
#define IDC_SECONDARY_GROUP         1016

// Colour swatches: the primary palette 1043..1058, the secondary one 1123..1138,
// the same 16 colours in the same order.
#define IDC_PRIMARY_BLACK           1043
#define IDC_PRIMARY_BLUE            1044
#define IDC_PRIMARY_CYAN            1045
#define IDC_PRIMARY_NAVY            1046
#define IDC_PRIMARY_TEAL            1047
#define IDC_PRIMARY_GREEN           1048
#define IDC_PRIMARY_PURPLE          1049
#define IDC_PRIMARY_GREY            1050
#define IDC_PRIMARY_MAROON          1051
#define IDC_PRIMARY_LIME            1052
#define IDC_PRIMARY_OLIVE           1053
#define IDC_PRIMARY_SILVER          1054
#define IDC_PRIMARY_MAGENTA         1055
#define IDC_PRIMARY_RED             1056
#define IDC_PRIMARY_WHITE           1057
#define IDC_PRIMARY_YELLOW          1058
#define IDC_SECONDARY_BLACK         1123
#define IDC_SECONDARY_BLUE          1124
#define IDC_SECONDARY_CYAN          1125
#define IDC_SECONDARY_NAVY          1126
#define IDC_SECONDARY_TEAL          1127
#define IDC_SECONDARY_GREEN         1128
#define IDC_SECONDARY_PURPLE        1129
#define IDC_SECONDARY_GREY          1130
#define IDC_SECONDARY_MAROON        1131
#define IDC_SECONDARY_LIME          1132
#define IDC_SECONDARY_OLIVE         1133
#define IDC_SECONDARY_SILVER        1134
#define IDC_SECONDARY_MAGENTA       1135
#define IDC_SECONDARY_RED           1136
#define IDC_SECONDARY_WHITE         1137
#define IDC_SECONDARY_YELLOW        1138
// ---- end of the colour, line and general page controls

#endif // KELGUI_RESOURCE_IDS_H
