// Loading, accepting and releasing the component libraries, and every loader message,
// provoked with broken variants of the libraries.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "kit_test_support.h"
#include "doubles/recording_message_box.h"
#include "platform/win32/win32_message_box.h"
#include "registry_sandbox.h"

namespace halvertone {
namespace {

using testing::BrokenKitDir;
using testing::ProgramDir;
using testing::RegistrySandbox;

class KitLoader : public ::testing::Test {
  protected:
    void TearDown() override { ReleaseKits(kits_); }
    KitModules kits_;
    sim::RecordingMessageBox messages_;
};

TEST_F(KitLoader, OurLibrariesAreAcceptedFromTheProgramDirectory) {
    const KitLocation here{ProgramDir(), true};
    ASSERT_TRUE(LoadSharedKit(kits_, here, messages_));
    ASSERT_TRUE(LoadPictureKit(kits_, here, messages_));
    ASSERT_TRUE(LoadStrokeKit(kits_, ProgramDir(), 1, messages_));
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_NE(kits_.shared.table, nullptr);
    EXPECT_NE(kits_.picture.table, nullptr);
    EXPECT_NE(kits_.stroke.table, nullptr);
    ReleaseKits(kits_);
    EXPECT_EQ(kits_.shared.module, nullptr);
    EXPECT_EQ(kits_.picture.table, nullptr);
    EXPECT_EQ(GetModuleHandleA("PictureKit.dll"), nullptr);  // unloaded
}

TEST_F(KitLoader, EachBrokenLibraryShowsItsMessage) {
    struct Case {
        const char* variant;
        const char* message;
        bool moduleStays;
    };
    const Case cases[] = {
        {"shared_no_entry", "Error : Common Library - Load!", true},
        {"shared_null_table", "Error : Common Library - Load!", true},
        {"shared_reject", "Error : Common Library - Version!", true},
        {"picture_no_entry", "Error : Image Library - Load!", true},
        {"picture_null_table", "Error : Image Library - Load!", true},
        {"picture_reject", "Error : Image Library - Version!", true},
        {"stroke_no_entry", "Error : Darw Library - Load!", true},
        {"stroke_null_table", "Error : Darw Library - Load!", true},
        {"stroke_reject", "Error : Draw Library - Register Failed!", true},
        {"missing", "Error : Common Library - Load!", false},
    };
    for (const Case& c : cases) {
        KitModules kits;
        sim::RecordingMessageBox messages;
        const std::string dir = BrokenKitDir(c.variant);
        const std::string kind(c.variant, 0, std::string(c.variant).find('_'));
        bool ok = true;
        if (kind == "shared" || kind == "missing")
            ok = LoadSharedKit(kits, KitLocation{dir, true}, messages);
        if (kind == "picture") ok = LoadPictureKit(kits, KitLocation{dir, true}, messages);
        if (kind == "stroke") ok = LoadStrokeKit(kits, dir, 1, messages);
        EXPECT_FALSE(ok) << c.variant;
        EXPECT_EQ(messages.shown, std::vector<std::string>{c.message}) << c.variant;
        const KitModule& m = kind == "picture"  ? kits.picture
                             : kind == "stroke" ? kits.stroke
                                                : kits.shared;
        EXPECT_EQ(m.table, nullptr) << c.variant;
        EXPECT_EQ(m.module != nullptr, c.moduleStays)
            << c.variant;  // a rejected library stays loaded
        ReleaseKits(kits);
        EXPECT_EQ(m.module, nullptr) << c.variant;
    }
}

TEST_F(KitLoader, WithoutSettingsFileThePathsComeFromTheRegistry) {
    RegistrySandbox sandbox;
    ASSERT_TRUE(sandbox.Valid());
    const KitLocation noFile{"C:\\nowhere\\", false};

    EXPECT_FALSE(LoadSharedKit(kits_, noFile, messages_));  // no key at all
    RegistrySandbox::SetString(HKEY_LOCAL_MACHINE, kLibraryRegistryKey, kImageLibraryValue,
                               ProgramDir() + "PictureKit.dll");
    EXPECT_FALSE(LoadSharedKit(kits_, noFile, messages_));  // key without the value
    RegistrySandbox::SetString(HKEY_LOCAL_MACHINE, kLibraryRegistryKey, kCommonLibraryValue,
                               ProgramDir() + "SharedKit.dll");
    EXPECT_TRUE(LoadSharedKit(kits_, noFile, messages_));
    EXPECT_TRUE(LoadPictureKit(kits_, noFile, messages_));
    EXPECT_EQ(messages_.shown, (std::vector<std::string>{"Error : Common Library - Path!",
                                                         "Error : Common Library - Path!"}));

    KitModules more;
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kLibraryRegistryKey, kImageLibraryValue);
    EXPECT_FALSE(LoadPictureKit(more, noFile, messages_));
    EXPECT_EQ(messages_.shown.back(), "Error : Image Library - Path!");
    RegistrySandbox::SetString(HKEY_LOCAL_MACHINE, kLibraryRegistryKey, kImageLibraryValue,
                               "C:\\nowhere\\x.dll");
    EXPECT_FALSE(LoadPictureKit(more, noFile, messages_));
    EXPECT_EQ(messages_.shown.back(), "Error : Image Library - Load!");
    ReleaseKits(more);
}

TEST_F(KitLoader, WithTheSettingsFileTheRegistryIsNotRead) {
    RegistrySandbox sandbox;
    RegistrySandbox::SetString(HKEY_LOCAL_MACHINE, kLibraryRegistryKey, kCommonLibraryValue,
                               BrokenKitDir("shared_reject") + "SharedKit.dll");
    EXPECT_TRUE(LoadSharedKit(kits_, KitLocation{ProgramDir(), true}, messages_));
    EXPECT_TRUE(messages_.shown.empty());
}

// The message box really appears: found on the desktop by its caption, read and answered.
TEST(KitLoaderMessageBox, ShowsARealBoxThatTheUserCloses) {
    const std::string caption = "Halvertone test " + std::to_string(GetCurrentProcessId());
    Win32MessageBox box(caption);
    const DWORD testThread = GetCurrentThreadId();
    std::atomic<bool> answered{false};
    std::string seenText;
    std::thread user([&] {
        for (int i = 0; i < 200 && !answered; ++i) {
            Sleep(50);
            HWND dialog = FindWindowA("#32770", caption.c_str());
            if (!dialog) continue;
            char text[256] = {};
            GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
            seenText = text;
            SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
            answered = true;
        }
        if (!answered)
            PostThreadMessageA(testThread, WM_QUIT, 0, 0);  // never leave the test hanging
    });
    KitModules kits;
    EXPECT_FALSE(LoadSharedKit(kits, KitLocation{BrokenKitDir("shared_reject"), true}, box));
    user.join();
    ReleaseKits(kits);
    EXPECT_TRUE(answered);
    EXPECT_EQ(seenText, "Error : Common Library - Version!");
}

}  // namespace
}  // namespace halvertone
