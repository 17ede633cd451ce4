#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tastrel::host {

// Application services of the host.
class App {
public:
    virtual ~App() = default;
    // The folder of the program, without a trailing separator.
    virtual std::string program_folder() const = 0;
    // True when another instance of the program is already running.
    virtual bool previous_instance() = 0;
    virtual void beep() = 0;
    // Lets the system go on with what it has for this program (messages
    // other programs send it, paints) without starting another handler.
    virtual void do_events() = 0;
    // Writes a failure where a developer looks for it (the debugger's output).
    virtual void trace(std::string_view text) = 0;
    // Milliseconds since a moment of the system's: for telling how long ago.
    virtual std::uint64_t now_ms() = 0;
    // Ends the process at once. In tests it unwinds to the harness instead.
    [[noreturn]] virtual void end_process() = 0;
};

}  // namespace tastrel::host
