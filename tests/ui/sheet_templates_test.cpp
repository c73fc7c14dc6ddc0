// The page templates in kelgui.dll, English and Japanese: every control at
// its place, of its kind, with its style, and the dialog's own frame.
#include "sheet_fixture.h"

#include <commctrl.h>

namespace sheet_test {
namespace {

struct Control {
    int id;
    std::string cls; // window class: "Button", "Edit", "Static" or a name
    DWORD style;     // without WS_CHILD | WS_VISIBLE, which every control has
    short x, y, cx, cy;
    std::wstring text;
};

struct Dialog {
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::wstring title, font;
    WORD points = 0;
    bool extended = false;
    std::vector<Control> controls;
};

// Reads the binary template (classic or extended) as the dialog manager does.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* p) : m_p(p) {}
    template <class T> T Take() {
        T v;
        std::memcpy(&v, m_p, sizeof v);
        m_p += sizeof v;
        return v;
    }
    std::wstring String() {
        std::wstring s;
        for (WCHAR c; (c = Take<WCHAR>()) != 0;)
            s += c;
        return s;
    }
    // A string or, after 0xFFFF, an ordinal (returned as "#n").
    std::wstring StringOrOrdinal() {
        WCHAR first;
        std::memcpy(&first, m_p, sizeof first);
        if (first == 0xFFFF) {
            Take<WCHAR>();
            return L"#" + std::to_wstring(Take<WORD>());
        }
        return String();
    }
    void AlignDword(const BYTE* base) {
        while ((m_p - base) % 4)
            ++m_p;
    }

private:
    const BYTE* m_p;
};

// The predefined classes by ordinal or by name (class names ignore case).
std::string ClassOf(const std::wstring& raw) {
    std::string name(raw.begin(), raw.end());
    CharLowerA(&name[0]);
    if (name == "#128" || name == "button")
        return "Button";
    if (name == "#129" || name == "edit")
        return "Edit";
    if (name == "#130" || name == "static")
        return "Static";
    return name;
}

Dialog LoadDialog(int id, WORD language) {
    Dialog d;
    HMODULE module = Gui().Module();
    HRSRC res = FindResourceExA(module, RT_DIALOG, MAKEINTRESOURCEA(id), language);
    if (!res)
        return d;
    const BYTE* base = static_cast<const BYTE*>(LockResource(LoadResource(module, res)));
    TemplateReader r(base);
    d.extended = r.Take<WORD>() == 1 && r.Take<WORD>() == 0xFFFF;
    if (d.extended)
        r.Take<DWORD>(); // help id
    else
        r = TemplateReader(base);
    DWORD exStyle = 0;
    if (d.extended) {
        exStyle = r.Take<DWORD>();
        d.style = r.Take<DWORD>();
    } else {
        d.style = r.Take<DWORD>();
        exStyle = r.Take<DWORD>();
    }
    (void)exStyle;
    const WORD count = r.Take<WORD>();
    r.Take<short>();
    r.Take<short>();
    d.cx = r.Take<short>();
    d.cy = r.Take<short>();
    r.StringOrOrdinal(); // menu
    r.StringOrOrdinal(); // class
    d.title = r.String();
    if (d.style & DS_SETFONT) {
        d.points = r.Take<WORD>();
        if (d.extended) {
            r.Take<WORD>();
            r.Take<BYTE>();
            r.Take<BYTE>();
        }
        d.font = r.String();
    }
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword(base);
        Control c;
        if (d.extended) {
            r.Take<DWORD>(); // help id
            r.Take<DWORD>(); // ex style
            c.style = r.Take<DWORD>();
        } else {
            c.style = r.Take<DWORD>();
            r.Take<DWORD>();
        }
        c.x = r.Take<short>();
        c.y = r.Take<short>();
        c.cx = r.Take<short>();
        c.cy = r.Take<short>();
        c.id = d.extended ? static_cast<int>(r.Take<DWORD>()) : r.Take<WORD>();
        c.cls = ClassOf(r.StringOrOrdinal());
        c.text = r.StringOrOrdinal();
        const WORD extra = r.Take<WORD>();
        for (WORD b = 0; b < extra; ++b)
            r.Take<BYTE>();
        c.style &= ~(WS_CHILD | WS_VISIBLE);
        d.controls.push_back(c);
    }
    return d;
}

const WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr DWORD kPageStyle = WS_CHILD | WS_CAPTION | WS_DISABLED | DS_SETFONT;

std::vector<Control> ColorControls(const std::wstring& primary, const std::wstring& secondary) {
    const int firstRow[] = {0, 1, 2, 3, 8, 9, 12, 14}; // palette rows shown on the top line
    const int secondRow[] = {4, 5, 6, 7, 10, 11, 13, 15};
    const short xs[] = {17, 34, 51, 68, 85, 102, 119, 136};
    std::vector<Control> controls;
    auto palette = [&](int groupId, const std::wstring& text, short groupY, int firstId, short y1,
                       short y2) {
        controls.push_back({groupId, "Button", BS_GROUPBOX, 7, groupY, 152, 40, text});
        for (int i = 0; i < 8; ++i)
            controls.push_back({firstId + firstRow[i], "Button",
                                DWORD(BS_OWNERDRAW | (i == 0 ? WS_GROUP | WS_TABSTOP : 0)), xs[i],
                                y1, 15, 11, L""});
        for (int i = 0; i < 8; ++i)
            controls.push_back(
                {firstId + secondRow[i], "Button", BS_OWNERDRAW, xs[i], y2, 15, 11, L""});
    };
    palette(1013, primary, 7, 1043, 18, 30);
    palette(1016, secondary, 57, 1123, 68, 81);
    return controls;
}

std::vector<Control> LineControls(const std::wstring& label, const std::wstring& highlight) {
    return {{1001, "Static", SS_LEFT | WS_GROUP, 7, 7, 107, 8, label},
            {1002, "Edit", ES_NUMBER | ES_AUTOHSCROLL | ES_OEMCONVERT | WS_BORDER | WS_TABSTOP, 7,
             17, 40, 14, L""},
            {1003, "msctls_updown32", UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS, 47, 17, 11,
             14, L"Spin1"},
            {1000, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, 7, 50, 107, 10, highlight}};
}

void ExpectDialog(const Dialog& actual, const std::wstring& title, const std::wstring& font,
                  bool extended, const std::vector<Control>& controls) {
    EXPECT_EQ(kPageStyle, actual.style);
    EXPECT_EQ(195, actual.cx);
    EXPECT_EQ(127, actual.cy);
    EXPECT_TRUE(actual.title == title);
    EXPECT_TRUE(actual.font == font);
    EXPECT_EQ(8, actual.points);
    EXPECT_EQ(extended, actual.extended);
    ASSERT_EQ(controls.size(), actual.controls.size());
    for (size_t i = 0; i < controls.size(); ++i) {
        const Control& e = controls[i];
        const Control& a = actual.controls[i];
        SCOPED_TRACE("control " + std::to_string(e.id));
        EXPECT_EQ(e.id, a.id);
        EXPECT_EQ(e.cls, a.cls);
        EXPECT_EQ(e.style, a.style) << std::hex << "expected 0x" << e.style << ", is 0x" << a.style;
        EXPECT_EQ(e.x, a.x);
        EXPECT_EQ(e.y, a.y);
        EXPECT_EQ(e.cx, a.cx);
        EXPECT_EQ(e.cy, a.cy);
        EXPECT_TRUE(e.text == a.text);
    }
}

TEST(PageTemplates, ColorPage) {
    ExpectDialog(LoadDialog(102, kEnglish), L"Color Attributes", L"MS Sans Serif", false,
                 ColorControls(L"P&rimary Color:", L"S&econdary Color:"));
    ExpectDialog(LoadDialog(102, kJapanese), L"\u8272\u306e\u5c5e\u6027", L"System", false,
                 ColorControls(L"\u7b2c1\u8272(&R):", L"\u7b2c2\u8272(&E):"));
}

TEST(PageTemplates, LinePage) {
    ExpectDialog(LoadDialog(106, kEnglish), L"Line Attributes", L"MS Sans Serif", true,
                 LineControls(L"&Line Size:", L"&Highlight"));
    ExpectDialog(
        LoadDialog(106, kJapanese), L"\u7dda\u306e\u5c5e\u6027", L"System", true,
        LineControls(L"\u7dda\u306e\u592a\u3055(&L):", L"\uff8a\uff72\uff97\uff72\uff84(&H)"));
}

TEST(PageTemplates, GeneralPage) {
    const std::vector<Control> english = {
        {1000, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, 7, 7, 107, 10, L"&Highlight"}};
    ExpectDialog(LoadDialog(107, kEnglish), L"General Attributes", L"MS Sans Serif", false,
                 english);
    const std::vector<Control> japanese = {{1000, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, 7, 7, 107,
                                            10, L"\uff8a\uff72\uff97\uff72\uff84(&H)"}};
    ExpectDialog(LoadDialog(107, kJapanese), L"\u5168\u822c\u306e\u5c5e\u6027", L"System", false,
                 japanese);
}

} // namespace
} // namespace sheet_test
