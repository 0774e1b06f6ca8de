// vemla-cli's argument parsing and the commands it runs.
//
// Input: the arguments, separated by NUL bytes.
//
// Properties: the exit code is 0, 1 or 2; a refusal (1) and a usage error (2)
// say why on standard error; success prints something, and with --json (and
// not --help) exactly one JSON object on one line; no exception escapes.
#include <cstdlib>
#include <ctime>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "fuzz_check.h"

using namespace vemla;
using vemla::fuzz::Escaped;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("TZ", "CST-8", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> args;
    std::string what;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        args.emplace_back(input.substr(start, end - start));
        what += "\"" + Escaped(args.back()) + "\" ";
        start = end + 1;
    }
    if (args.size() > 64) return -1;  // not worth keeping
    // A state file named by the input stays unread: the state-file reader
    // has its own target, and the fuzzer must not wander the file system.
    for (const std::string& a : args)
        if (a.rfind("--state", 0) == 0) return -1;

    std::ostringstream out, err;
    const int code = RunCommandLine(args, VEMLA_SOURCE_DATA_DIR, out, err);
    const std::string o = out.str(), e = err.str();
    const std::string result = what + "exit " + std::to_string(code) + " out \"" +
                               Escaped(o.substr(0, 300)) + "\" err \"" + Escaped(e.substr(0, 300)) +
                               "\"";
    FUZZ_CHECK(code == kExitOk || code == kExitRefused || code == kExitUsage, result);
    if (code != kExitOk) {
        FUZZ_CHECK(!e.empty(), result);
        return 0;
    }
    FUZZ_CHECK(!o.empty(), result);
    // Help, asked for in any of the ways the parser knows ("-h", "-hx" ...),
    // is printed as text whatever else was asked.
    if (o.find("\nUsage: ") != std::string::npos) return 0;
    bool json = false;
    for (const std::string& a : args) json = json || a == "--json";
    if (json || o.front() == '{') {
        FUZZ_CHECK(o.back() == '\n' && o.find('\n') == o.size() - 1, result);
        nlohmann::json parsed = nlohmann::json::parse(o, nullptr, false);
        FUZZ_CHECK(parsed.is_object() && parsed.contains("rows") && parsed.contains("ajd"), result);
    }
    return 0;
}
