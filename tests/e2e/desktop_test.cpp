// The Wine desktop the end-to-end tests, the README's pictures and run.sh
// show Tastrel on.
#include <gtest/gtest.h>

#include <windows.h>

namespace {

int CALLBACK note_found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Wine draws the title-bar buttons as glyphs of the Marlett font: without it
// they come out as the characters "0", "1" and "r".
TEST(Desktop, TheTitleBarButtonsHaveTheirFont) {
    LOGFONTW marlett{};
    marlett.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(marlett.lfFaceName, L"Marlett", LF_FACESIZE);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &marlett, note_found, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(found);
}

}  // namespace
