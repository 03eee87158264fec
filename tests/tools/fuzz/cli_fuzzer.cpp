// libFuzzer target over vantrell-cli's arguments: the input is split at NUL
// bytes into arguments. Whatever they are, the program ends with status 0 and
// output and nothing on standard error, or with status 2, no output and one
// line "vantrell-cli: reason" on standard error.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/cli/cli_app.h"

namespace {

[[noreturn]] void Broken(const char* what, const std::string& err) {
    std::fprintf(stderr, "cli fuzzer: %s\n  standard error: %s\n", what, err.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments{"vantrell-cli"};
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::size_t end = rest.find('\0'); arguments.size() < 12; end = rest.find('\0')) {
        arguments.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = vantrell::cli::RunCli(arguments, out, err);
    const std::string said = err.str();
    if (status == vantrell::cli::kDone) {
        if (!said.empty()) Broken("status 0 with something on standard error", said);
        if (out.str().empty()) Broken("status 0 with nothing written", said);
    } else if (status == vantrell::cli::kRefused) {
        if (!out.str().empty()) Broken("status 2 with output", said);
        if (!said.starts_with("vantrell-cli: ") || said.find('\n') != said.size() - 1) Broken("not one line", said);
    } else {
        Broken("a status other than 0 and 2", said);
    }
    return 0;
}
