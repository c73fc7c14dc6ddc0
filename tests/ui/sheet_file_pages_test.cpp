// The file pages through the exports: a name changed on the page, then the blocks fetched.
#include "sheet_fixture.h"

#include <dlgs.h>
#include <fstream>
#include <map>

namespace sheet_test {
namespace {

using Bytes = std::string;
const Bytes kLoadedText("123456789abc\4\0\0\0old\0", 20);
const Bytes kLoadedName("C:\\old.txt\0tail", 15);

std::string TempPath(const std::string& leaf) {
    char folder[MAX_PATH];
    return std::string(folder, GetTempPathA(sizeof folder, folder)) + leaf;
}
std::string PutFile(const std::string& leaf, const Bytes& contents) {
    std::ofstream(TempPath(leaf), std::ios::binary) << contents;
    return TempPath(leaf);
}
Bytes TextBlock(const Bytes& text) {
    return kLoadedText.substr(0, 12) + char(text.size() + 1) + Bytes(3, '\0') + text +
           Bytes(4, '\0');
}

// Both blocks loaded; Type shows the page to look, sets the name and gives both blocks back.
struct FilePageSheet : Sheet {
    explicit FilePageSheet(DWORD markType) {
        const KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 1);
        EXPECT_EQ(1, Init(3, &record, "OiAnText", kLoadedText.data(), 20));
        EXPECT_EQ(1, Init(2, nullptr, "OiFilNam", kLoadedName.data(), 15));
    }
    std::map<std::string, Bytes> Type(
        const std::string& name, const std::function<void(HWND)>& look = [](HWND) {}) {
        EXPECT_EQ(1, OnPage(-1, [&](HWND page) {
                      look(page);
                      SetText(GetDlgItem(page, IDC_FILE_NAME), name);
                  }));
        return {{"OiFilNam", Fetch<Bytes>("OiFilNam")}, {"OiAnText", Fetch<Bytes>("OiAnText")}};
    }
};

TEST(TextFilePage, ReadsTheNamedFileWholeWhenAskedOrGivesTheBlockAsLoaded) {
    const Bytes contents("a\0b\r\nc\xff", 7);
    const std::pair<std::string, Bytes> cases[] = {
        {PutFile("kel_text.txt", contents), TextBlock(contents)},
        {PutFile("kel_empty.txt", ""), TextBlock("")},
        {"Ftp://x", TextBlock("") + '\0'}, // unread; which names count as internet: blocks_test
        {" http://", kLoadedText},         // a file name, kept as typed
        {TempPath("kel_missing.txt"), kLoadedText},
        {TempPath(""), kLoadedText}, // a directory
        {"NUL", kLoadedText},
        {std::string(300, 'n'), kLoadedText}, // kept whole, not opened
    };
    for (const auto& [name, text] : cases)
        EXPECT_EQ((std::map<std::string, Bytes>{{"OiAnText", text}, {"OiFilNam", name + '\0'}}),
                  FilePageSheet(KEL_MARK_TEXT_FROM_FILE).Type(name))
            << name;
}

TEST(TextFilePage, FetchCopiesWhatTheSizeQueryReadEvenIfTheFileGrew) {
    FilePageSheet sheet(KEL_MARK_TEXT_FROM_FILE);
    sheet.Type(PutFile("kel_grow.txt", "one"));
    DWORD size = 0;
    ASSERT_EQ(1, sheet.Query(KEL_SHEET_BLOCK, nullptr, "OiAnText", nullptr, &size));
    PutFile("kel_grow.txt", "a much longer text");
    Bytes bytes(size, '#');
    ASSERT_EQ(1, sheet.Query(KEL_SHEET_BLOCK, nullptr, "OiAnText", &bytes[0], &size));
    EXPECT_EQ(TextBlock("one"), bytes);
    EXPECT_EQ(TextBlock("a much longer text"), sheet.Fetch<Bytes>("OiAnText")) << "read again";
}

// Never shown, the blocks come back as loaded; changed, the name block is the name and a zero.
// The play button holds its 20 x 18 picture, drawn per scale; playing a missing file shows nothing.
TEST(FilePages, NameBlockAsLoadedUntilChanged) {
    for (DWORD markType : {KEL_MARK_TEXT_FROM_FILE, KEL_MARK_AUDIO, KEL_MARK_IMAGE_REFERENCE}) {
        FilePageSheet unshown(markType);
        EXPECT_EQ(kLoadedName, unshown.Fetch<Bytes>("OiFilNam")) << markType;
        EXPECT_EQ(markType == KEL_MARK_TEXT_FROM_FILE ? kLoadedText : "",
                  unshown.Fetch<Bytes>("OiAnText"));
        EXPECT_EQ("", unshown.Fetch<Bytes>("OiAnoDat"));
        for (const std::string typed : {"pic.bmp", ""})
            EXPECT_EQ(typed + '\0', FilePageSheet(markType).Type(typed)["OiFilNam"]) << markType;
    }
    BITMAP picture = {};
    FilePageSheet(KEL_MARK_AUDIO).Type(TempPath("kel_missing.wav"), [&](HWND page) {
        HWND play = GetDlgItem(page, IDC_PLAY);
        GetObjectA(HGDIOBJ(SendMessageA(play, BM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof picture,
                   &picture);
        Click(play); // with the loaded name, then (posted) with the one typed
    });
    EXPECT_EQ(std::make_pair(Scaled(20), Scaled(18)),
              std::make_pair(int(picture.bmWidth), int(picture.bmHeight)));
}

// Browse shows the page's title and filter; OK puts the path in the edit, Cancel changes nothing.
TEST(FilePages, BrowsePicksAnExistingFile) {
    const std::string path = PutFile("kel_browse.txt", "picked");
    for (bool ok : {false, true}) {
        HWND box = nullptr;
        Strings seen;
        FilePageSheet sheet(KEL_MARK_TEXT_FROM_FILE);
        EXPECT_EQ(1, sheet.Edit(-1, [&](ModalDriver& d, HWND& page) {
            d.Do("browse", [&] { Click(GetDlgItem(page, IDC_BROWSE)); })
                .Then("open-file dialog",
                      [&] { return IsWindowVisible(box = FindWindowA(0, "Browse Text File")); })
                .Do("read the filter, type the name, close",
                    [&] {
                        seen = {ItemText(box, cmb1), // the filter
                                std::to_string(SendDlgItemMessageA(box, cmb1, CB_GETCOUNT, 0, 0))};
                        SetText(GetDlgItem(box, cmb13), path);
                        DismissMessageBox(box, ok ? IDOK : IDCANCEL);
                    })
                .Then("dialog gone", WaitForGone(box))
                .Do("read the edit", [&] { seen.push_back(ItemText(page, IDC_FILE_NAME)); });
        }));
        EXPECT_EQ((Strings{"Text Files (*.txt)", "2", ok ? path : "C:\\old.txt"}), seen);
        EXPECT_EQ(ok ? TextBlock("picked") : kLoadedText, sheet.Fetch<Bytes>("OiAnText"));
    }
}

} // namespace
} // namespace sheet_test
