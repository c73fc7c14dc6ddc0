// The file pages through the exports, as a host uses them: a name changed on
// the page, then the blocks asked for with a size query and a fetch.
#include "sheet_fixture.h"

#include <map>

namespace sheet_test {
namespace {

using Bytes = std::string;
using Blocks = std::map<std::string, Bytes>; // block name -> bytes
constexpr int kLabel = 1037, kEdit = 1038, kBrowse = 1039, kPlay = 1040;
const Bytes kLoadedText("123456789abc\4\0\0\0old\0", 20);
const Bytes kLoadedName("C:\\old.txt\0tail", 15);

std::string TempPath(const std::string& leaf) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return folder + leaf;
}
std::string PutFile(const std::string& leaf, const Bytes& bytes) {
    const std::string path = TempPath(leaf);
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return path;
}
Bytes TextBlock(const Bytes& text) {
    return kLoadedText.substr(0, 12) + Bytes(1, char(text.size() + 1)) + Bytes(3, '\0') + text +
           Bytes(4, '\0');
}

Bytes Fetch(Sheet& sheet, const char* name) {
    DWORD size = 0;
    EXPECT_EQ(1, sheet.Query(KEL_SHEET_BLOCK, nullptr, name, nullptr, &size));
    Bytes bytes(size + 8, '#'); // guard bytes past the size told
    EXPECT_EQ(1, sheet.Query(KEL_SHEET_BLOCK, nullptr, name, &bytes[0], &size));
    EXPECT_EQ(Bytes(8, '#'), bytes.substr(bytes.size() - 8)) << "written past the size";
    return bytes.substr(0, size);
}

// A sheet for markType holding the loaded blocks, its last tab in front.
struct FilePageSheet : Sheet {
    explicit FilePageSheet(DWORD markType) {
        KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 1);
        EXPECT_EQ(1, Init(KEL_SHEET_ATTRIBUTES, &record));
        for (const auto& block :
             {std::make_pair("OiAnText", kLoadedText), std::make_pair("OiFilNam", kLoadedName)})
            EXPECT_EQ(1, Init(KEL_SHEET_BLOCK, nullptr, block.first, block.second.data(),
                              DWORD(block.second.size())));
    }
    // Runs act on the page, then OK; gives back the blocks the page holds.
    Blocks Edit(const std::function<void(ModalDriver&, HWND&)>& act) {
        HWND page = nullptr;
        int last = -1;
        EXPECT_EQ(1, Run([&](ModalDriver& d) {
                      d.Do("last tab", [&] {
                           SelectTab(Window(), last = int(TabTexts(Window()).size()) - 1);
                       }).Then("its page", [&] {
                          return CurrentTab(Window()) == last && (page = CurrentPage(Window()));
                      });
                      act(d, page);
                      d.Do("OK", [&] { PressOk(Window()); });
                  }));
        Blocks blocks{{"OiFilNam", Fetch(*this, "OiFilNam")},
                      {"OiAnoDat", Fetch(*this, "OiAnoDat")}};
        if (Bytes text = Fetch(*this, "OiAnText"); !text.empty())
            blocks["OiAnText"] = text;
        return blocks;
    }
    Blocks Type(const std::string& name) {
        return Edit([&](ModalDriver& d, HWND& page) {
            d.Do("type", [&] { SetText(GetDlgItem(page, kEdit), name); });
        });
    }
};

// Each name: the bytes of the file it names, an empty text (internet
// names) or the text block as loaded (no disk file that can be read).
TEST(TextFilePage, ReadsTheNamedFileWholeWhenAskedOrGivesTheBlockAsLoaded) {
    const Bytes contents("a\0b\r\nc\xff", 7);
    HANDLE exclusive = CreateFileA(PutFile("kel_excl.txt", "x").c_str(), GENERIC_READ, 0, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
    const struct {
        std::string name;
        Bytes text;
    } cases[] = {
        {PutFile("kel_text.txt", contents), TextBlock(contents)},
        {PutFile("kel_empty.txt", ""), TextBlock("")},
        {"http://", TextBlock("") + Bytes(1, '\0')},
        {"Ftp://x", TextBlock("") + Bytes(1, '\0')},
        {"gopher://", TextBlock("") + Bytes(1, '\0')},
        {" http://", kLoadedText},
        {TempPath("kel_missing.txt"), kLoadedText},
        {TempPath(""), kLoadedText},
        {TempPath("kel_excl.txt"), kLoadedText},
        {"NUL", kLoadedText},
        {std::string(300, 'n'), kLoadedText},
    };
    for (const auto& c : cases) {
        FilePageSheet sheet(KEL_MARK_TEXT_FROM_FILE);
        const Blocks expected{
            {"OiAnText", c.text}, {"OiFilNam", c.name + Bytes(1, '\0')}, {"OiAnoDat", ""}};
        EXPECT_EQ(expected, sheet.Type(c.name)) << c.name;
    }
    CloseHandle(exclusive);
}

TEST(TextFilePage, FetchCopiesWhatTheSizeQueryReadEvenIfTheFileGrew) {
    const std::string path = PutFile("kel_grow.txt", "one");
    FilePageSheet sheet(KEL_MARK_TEXT_FROM_FILE);
    sheet.Type(path);
    DWORD size = 0;
    ASSERT_EQ(1, sheet.Query(KEL_SHEET_BLOCK, nullptr, "OiAnText", nullptr, &size));
    PutFile("kel_grow.txt", "a much longer text");
    Bytes bytes(size, '#');
    ASSERT_EQ(1, sheet.Query(KEL_SHEET_BLOCK, nullptr, "OiAnText", &bytes[0], &size));
    EXPECT_EQ(TextBlock("one"), bytes);
    EXPECT_EQ(TextBlock("a much longer text"), Fetch(sheet, "OiAnText")) << "read again";
}

// Never shown, each page gives its blocks back byte for byte; once changed,
// the name block is the name and one zero byte.
TEST(FilePages, NameBlockAsLoadedUntilChanged) {
    for (DWORD markType : {KEL_MARK_TEXT_FROM_FILE, KEL_MARK_AUDIO, KEL_MARK_IMAGE_REFERENCE}) {
        const bool text = markType == KEL_MARK_TEXT_FROM_FILE;
        FilePageSheet unshown(markType);
        Blocks expected{{"OiFilNam", kLoadedName}, {"OiAnoDat", ""}};
        if (text)
            expected["OiAnText"] = kLoadedText;
        for (const char* name : {"OiFilNam", "OiAnoDat", "OiAnText"})
            EXPECT_EQ(expected[name], Fetch(unshown, name)) << markType << name;
        for (const std::string typed : {"pic.bmp", ""}) {
            FilePageSheet sheet(markType);
            EXPECT_EQ(typed + Bytes(1, '\0'), sheet.Type(typed)["OiFilNam"]) << markType;
        }
    }
}

// Browse opens the system's dialog with the page's title and filter; OK puts
// the chosen path into the edit, Cancel changes nothing.
TEST(FilePages, BrowsePicksAnExistingFile) {
    const std::string path = PutFile("kel_browse.txt", "picked");
    for (int button : {IDCANCEL, IDOK}) {
        FilePageSheet sheet(KEL_MARK_TEXT_FROM_FILE);
        HWND box = nullptr;
        std::string afterwards;
        Strings filters;
        const Blocks blocks = sheet.Edit([&](ModalDriver& d, HWND& page) {
            d.Do("browse", [&] { Click(GetDlgItem(page, kBrowse)); })
                .Then("open-file dialog",
                      [&] {
                          for (HWND w : ThreadWindows())
                              if (IsWindowVisible(w) && Text(w) == "Browse Text File")
                                  box = w;
                          return box != nullptr;
                      })
                .Do("read the filter, type the name, close",
                    [&] {
                        HWND combo = GetDlgItem(box, 0x470); // cmb1: the file types
                        for (int i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
                            char entry[128] = {};
                            SendMessageA(combo, CB_GETLBTEXT, i, LPARAM(entry));
                            filters.push_back(entry);
                        }
                        HWND name = GetDlgItem(box, 0x47c); // cmb13: the file name
                        TypeText(FindWindowExA(FindWindowExA(name, nullptr, "ComboBox", nullptr),
                                               nullptr, "Edit", nullptr),
                                 path);
                        DismissMessageBox(box, button);
                    })
                .Then("dialog gone", WaitForGone(box))
                .Do("read the edit", [&] { afterwards = ItemText(page, kEdit); });
        });
        EXPECT_EQ((Strings{"Text Files (*.txt)", "All files (*.*)"}), filters);
        const bool ok = button == IDOK;
        EXPECT_EQ(ok ? path : "C:\\old.txt", afterwards);
        EXPECT_EQ(ok ? TextBlock("picked") : kLoadedText, blocks.at("OiAnText"));
    }
}

// The audio page: its tab, texts and picture; play with an empty or missing
// name shows nothing.
TEST(AudioFilePage, TextsPictureAndSilentPlay) {
    FilePageSheet sheet(KEL_MARK_AUDIO);
    Strings seen;
    BITMAP picture = {};
    std::vector<COLORREF> pixels(20 * 18);
    size_t windows = 0, windowsAfter = 0;
    sheet.Edit([&](ModalDriver& d, HWND& page) {
        d.Do("read",
             [&] {
                 seen = TabTexts(sheet.Window());
                 seen.push_back(ItemText(page, kLabel));
                 seen.push_back(ItemText(page, kBrowse));
                 auto bitmap =
                     HBITMAP(SendMessageA(GetDlgItem(page, kPlay), BM_GETIMAGE, IMAGE_BITMAP, 0));
                 GetObjectA(bitmap, sizeof picture, &picture);
                 BITMAPINFO info = {
                     {sizeof(BITMAPINFOHEADER), 20, -18, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
                 HDC dc = GetDC(nullptr);
                 GetDIBits(dc, bitmap, 0, 18, pixels.data(), &info, DIB_RGB_COLORS);
                 ReleaseDC(nullptr, dc);
                 windows = ThreadWindows().size();
                 Click(GetDlgItem(page, kPlay));
                 SetText(GetDlgItem(page, kEdit), TempPath("kel_missing.wav"));
                 Click(GetDlgItem(page, kPlay));
             })
            .Then("a while later",
                  [&, start = GetTickCount()] { return GetTickCount() - start > 300; })
            .Do("count windows", [&] { windowsAfter = ThreadWindows().size(); });
    });
    EXPECT_EQ((Strings{"File Name Attributes", "&Audio File Name:", "&Browse..."}), seen);
    EXPECT_EQ(windows, windowsAfter) << "play opened a window";
    // A black right-pointing triangle on button-face grey: each row's black
    // run starts in one column and grows to the middle rows, then shrinks.
    EXPECT_EQ(20, picture.bmWidth);
    EXPECT_EQ(18, picture.bmHeight);
    std::vector<int> runs;
    for (int y = 0; y < 18; ++y) {
        int run = 0;
        for (int x = 0; x < 20; ++x) {
            const COLORREF c = pixels[y * 20 + x] & 0xFFFFFF;
            EXPECT_TRUE(c == 0 || c == 0xC0C0C0) << x << "," << y;
            run += c == 0 && (run > 0 || x == 7);
        }
        runs.push_back(run);
    }
    EXPECT_EQ((std::vector<int>{0, 0, 0, 1, 2, 3, 4, 5, 6, 6, 5, 4, 3, 2, 1, 0, 0, 0}), runs);
}

} // namespace
} // namespace sheet_test
