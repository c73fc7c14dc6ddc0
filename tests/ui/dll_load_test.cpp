// Loading kelgui.dll from the program's folder and resolving its exports by name.
#include <gtest/gtest.h>

#include "support/kelgui_loader.h"

using kelgui_test::KelGui;

TEST(DllLoad, LoadsFromExeFolderAndResolvesExports) {
    KelGui gui;
    ASSERT_TRUE(gui.Loaded()) << gui.Path() << ": error " << gui.LoadError();
    EXPECT_NE(gui.message_title_set, nullptr);
    EXPECT_NE(gui.message_title_get, nullptr);
    EXPECT_NE(gui.property_sheet_create, nullptr);
    EXPECT_NE(gui.property_sheet_show, nullptr);
    EXPECT_NE(gui.property_sheet_title_set, nullptr);
    EXPECT_NE(gui.property_sheet_destroy, nullptr);
    for (const std::string& name : gui.Missing())
        EXPECT_EQ(name.rfind("KEL_GUI_", 0), 0u) << name;
}

TEST(DllLoad, UnloadReleasesTheModule) {
    {
        KelGui gui;
        ASSERT_TRUE(gui.Loaded());
        EXPECT_NE(GetModuleHandleA("kelgui.dll"), nullptr);
        EXPECT_TRUE(gui.Unload());
        EXPECT_EQ(gui.message_title_set, nullptr);
        EXPECT_FALSE(gui.Unload()) << "a second unload must not free again";
    }
    EXPECT_EQ(GetModuleHandleA("kelgui.dll"), nullptr);

    // Loading again after a full unload runs start-up anew and works the same.
    KelGui again;
    ASSERT_TRUE(again.Loaded());
    EXPECT_NE(again.property_sheet_show, nullptr);
}
