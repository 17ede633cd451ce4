// A failure that gets past the program's handlers to a form's window
// procedure is told, and the window goes on.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "keypad/keypad_layout.h"
#include "win32/form_window.h"
#include "win32/screen_metrics.h"

namespace tastrel::win32 {
namespace {

// Resizing runs outside the handler queue, as the program's own calls resize too.
struct FailingResize : host::FormEvents {
    void on_resize() override { throw std::runtime_error("resize failed"); }
};

TEST(Win32FormWindow, AFailureThatReachesTheWindowProcedureIsTold) {
    std::vector<std::string> told;
    const Win32Screen screen;
    Win32FormFactory factory(screen, Win32FormFactory::Controls::at_once,
                             [&](std::string_view what) { told.emplace_back(what); });
    FailingResize events;
    const auto form = factory.create_form(keypad_layout(), events);
    form->set_state(host::WindowState::minimized);
    EXPECT_EQ(form->state(), host::WindowState::minimized);
    form->set_state(host::WindowState::normal);
    EXPECT_EQ(form->state(), host::WindowState::normal);
    EXPECT_FALSE(told.empty());  // each report of a resize fails alike
    EXPECT_EQ(std::count(told.begin(), told.end(), "resize failed"), static_cast<std::ptrdiff_t>(told.size()));
}

}  // namespace
}  // namespace tastrel::win32
