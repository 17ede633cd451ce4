#pragma once
#include <optional>

#include "host/app.h"
#include "win32/handles.h"

namespace tastrel::win32 {

class Win32App : public host::App {
public:
    std::string program_folder() const override;
    // The first call claims the program's single-instance mutex, which stays
    // held until the process ends; later calls give the same answer.
    bool previous_instance() override;
    void beep() override;
    void do_events() override;
    void trace(std::string_view text) override;
    std::uint64_t now_ms() override;
    [[noreturn]] void end_process() override;

private:
    UniqueHandle instance_mutex_;
    std::optional<bool> another_instance_;
};

}  // namespace tastrel::win32
