#pragma once
// How a private-profile read turns stored text into what the caller gets: the copy into a
// fixed buffer (matching quotes removed, cut to the buffer) and the integer reading.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace halvertone {

// The integer read looks at no more than this many characters of the value.
inline constexpr size_t kProfileIntBufferChars = 30;

// The value as a buffer of `bufferChars` characters receives it. A value that starts and
// ends with the same quote (' or ") loses both; when the value fills the buffer the platform
// drops the closing quote's place from the copied text as well, and so do we.
std::string CopyProfileValue(std::string_view value, size_t bufferChars);

// A caller's fallback text loses its trailing blanks (all but one when it is only blanks).
std::string TrimFallback(std::string_view fallback);

// The integer in a value: leading control characters and blanks skipped, an optional sign,
// a "0x", "0o" or "0b" prefix for base 16, 8 or 2, then digits until the first that does
// not fit; wraps around in 32 bits. No digits give 0.
int32_t ParseProfileInt(std::string_view text);

// A section, key or value with a line break would turn into lines of its own when written,
// letting a value plant keys; writes refuse such texts.
inline bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace halvertone
