#include "platform/profile_value.h"

#include <algorithm>

namespace halvertone {

std::string CopyProfileValue(std::string_view value, size_t bufferChars) {
    if (bufferChars == 0) return {};
    bool quoted = false;
    if (value.size() > 1 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        quoted = true;
        value.remove_prefix(1);  // the closing quote is still there
    }
    std::string out(value.substr(0, std::min(bufferChars - 1, value.size())));
    if (quoted && bufferChars >= value.size() && !out.empty()) out.pop_back();
    return out;
}

std::string TrimFallback(std::string_view fallback) {
    size_t end = fallback.size();
    while (end > 1 && fallback[end - 1] == ' ') --end;
    return std::string(fallback.substr(0, end));
}

int32_t ParseProfileInt(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') ++i;
    bool minus = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) minus = s[i++] == '-';
    uint32_t base = 10;
    if (i + 1 < s.size() && s[i] == '0') {
        const char p = s[i + 1];
        base = p == 'x' ? 16 : p == 'o' ? 8 : p == 'b' ? 2 : 10;
        if (base != 10) i += 2;
    }
    uint32_t total = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        uint32_t digit = 99;
        if (c >= '0' && c <= '9') digit = static_cast<uint32_t>(c - '0');
        if (c >= 'a' && c <= 'z') digit = static_cast<uint32_t>(c - 'a' + 10);
        if (c >= 'A' && c <= 'Z') digit = static_cast<uint32_t>(c - 'A' + 10);
        if (digit >= base) break;
        total = total * base + digit;  // unsigned: wraps like the platform's reader
    }
    if (minus) total = 0u - total;
    return static_cast<int32_t>(total);
}

}  // namespace halvertone
