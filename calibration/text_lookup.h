#pragma once
// A user-visible text from the language file, by section and key.
#include <functional>
#include <string>

namespace halvertone {

using TextLookup = std::function<std::string(const std::string& section, const std::string& key)>;

}  // namespace halvertone
