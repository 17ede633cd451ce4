// What a Windows user gets with tastrel.exe: its version resource matching
// the version the program shows, and its icon.
#include <gtest/gtest.h>

#include <vector>

#include "driver.h"
#include "running.h"
#include "shell/main_controls.h"

namespace {

using namespace e2e;

std::string product_version(const std::wstring& exe) {
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
    if (data.empty() || !GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(data.size()), data.data())) return {};
    wchar_t* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\StringFileInfo\\041104B0\\ProductVersion", reinterpret_cast<void**>(&text),
                        &length))
        return {};
    return utf8({text, length > 0 ? length - 1 : 0});
}

TEST(Release, TheVersionResourceIsTheVersionTheProgramShows) {
    StandIn modeler;
    Running run("release-version");
    ASSERT_TRUE(run.palette);
    const std::string version = product_version(run.sandbox.exe());
    ASSERT_FALSE(version.empty()) << "no version resource";
    post_command(run.palette, tastrel::main_ui::Mnu_About);
    const auto box = wait_message_box(run.program->id());
    ASSERT_TRUE(box);
    EXPECT_NE(box->text.find("ﾊﾞｰｼﾞｮﾝ " + version), std::string::npos) << box->text;
    answer(*box, IDOK);
}

TEST(Release, TheExeCarriesItsIcon) {
    const Sandbox sandbox("release-icon");
    const HMODULE exe = LoadLibraryExW(sandbox.exe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(exe);
    EXPECT_TRUE(FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14))) << "RT_GROUP_ICON 1";
    const HICON icon = static_cast<HICON>(LoadImageW(exe, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
    EXPECT_TRUE(icon);
    if (icon) DestroyIcon(icon);
    FreeLibrary(exe);
}

}  // namespace
