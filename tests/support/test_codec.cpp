// The settings file's code page in tests: the real one on Windows, CP932
// through iconv elsewhere, so Japanese captions meet real Shift-JIS bytes.
#include "support/headless_host.h"

#ifdef _WIN32
#include "win32/ansi_codec.h"

namespace tastrel::test {
std::unique_ptr<host::AnsiCodec> make_test_codec() { return std::make_unique<win32::SystemAnsiCodec>(); }
}  // namespace tastrel::test

#else
#include <iconv.h>

namespace tastrel::test {
namespace {

std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(in.size() * 4 + 4, '\0');
    char *src = const_cast<char*>(in.data()), *dst = out.data();
    std::size_t src_left = in.size(), dst_left = out.size();
    const bool converted = iconv(cd, &src, &src_left, &dst, &dst_left) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    out.resize(out.size() - dst_left);
    return converted ? std::optional(out) : std::nullopt;
}

struct Cp932Codec : host::AnsiCodec {
    std::optional<std::string> to_ansi(std::string_view utf8) const override { return convert("CP932", "UTF-8", utf8); }
    std::string from_ansi(std::string_view bytes) const override { return convert("UTF-8", "CP932", bytes).value_or(""); }
};

}  // namespace

std::unique_ptr<host::AnsiCodec> make_test_codec() { return std::make_unique<Cp932Codec>(); }

}  // namespace tastrel::test
#endif
