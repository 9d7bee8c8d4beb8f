#pragma once
// Subcommands of halvertone-probe register themselves here, one file each.
#include <string>
#include <vector>

namespace halvertone::probe {

using Args = std::vector<std::string>;
// Returns the process exit status: 0 done, 2 bad input or usage.
using CommandFn = int (*)(const Args& args);

struct CommandRegistrar {
    CommandRegistrar(const char* name, const char* usage, CommandFn fn);
};

// Shared option parsing: "--name value" pairs and positional words.
struct ParsedArgs {
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> positional;
    std::string error;

    const std::string* Option(const std::string& name) const;
};
ParsedArgs ParseArgs(const Args& args, const std::vector<std::string>& optionsWithValue);

// Strict integer parsing: the whole text must be a decimal integer within [lo, hi].
bool ParseInt(const std::string& text, long lo, long hi, long& out);

int UsageError(const std::string& message);

}  // namespace halvertone::probe
