// halvertone-probe: offline diagnostics on recorded frames, scripts and settings.
#include <cstdio>
#include <map>
#include <string>

#include "tools/probe/command.h"

namespace halvertone::probe {
namespace {

struct Entry {
    std::string usage;
    CommandFn fn;
};

std::map<std::string, Entry>& Registry() {
    static std::map<std::string, Entry> registry;
    return registry;
}

}  // namespace

CommandRegistrar::CommandRegistrar(const char* name, const char* usage, CommandFn fn) {
    Registry()[name] = Entry{usage, fn};
}

const std::string* ParsedArgs::Option(const std::string& name) const {
    for (const auto& [k, v] : options)
        if (k == name) return &v;
    return nullptr;
}

ParsedArgs ParseArgs(const Args& args, const std::vector<std::string>& optionsWithValue) {
    ParsedArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.rfind("--", 0) == 0) {
            const std::string name = a.substr(2);
            bool known = false;
            for (const auto& o : optionsWithValue) known = known || o == name;
            if (!known) {
                parsed.error = "unknown option " + a;
                return parsed;
            }
            if (i + 1 >= args.size()) {
                parsed.error = "option " + a + " needs a value";
                return parsed;
            }
            parsed.options.emplace_back(name, args[++i]);
        } else {
            parsed.positional.push_back(a);
        }
    }
    return parsed;
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "halvertone-probe: %s\n", message.c_str());
    return 2;
}

}  // namespace halvertone::probe

int main(int argc, char** argv) {
    using namespace halvertone::probe;
    auto& registry = Registry();
    if (argc < 2 || registry.find(argv[1]) == registry.end()) {
        std::fprintf(stderr, "usage:\n");
        for (const auto& [name, entry] : registry)
            std::fprintf(stderr, "  halvertone-probe %s\n", entry.usage.c_str());
        return 2;
    }
    Args args(argv + 2, argv + argc);
    return registry[argv[1]].fn(args);
}
