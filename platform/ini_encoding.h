#pragma once
// How a profile file's bytes are held while it is read or rewritten. A file without a
// byte-order mark is kept as its bytes (the system code page). A UTF-8 or UTF-16 file is
// held as UTF-8, so that a rewrite keeps every character; the 8-bit functions' callers see
// its text through the Western code page (1252), with '?' for what that cannot hold.
#include <string>
#include <string_view>

namespace halvertone {

enum class IniEncoding { kAnsi, kUtf8, kUtf16Le, kUtf16Be };

struct DecodedProfile {
    IniEncoding encoding = IniEncoding::kAnsi;
    std::string text;  // the held form: code-page bytes, or UTF-8
};

DecodedProfile DecodeProfileBytes(std::string_view fileBytes);
std::string EncodeProfileText(std::string_view heldText, IniEncoding encoding);

// Between the held form and the callers' code-page text.
std::string ToCallerText(std::string_view heldText, IniEncoding encoding);
std::string FromCallerText(std::string_view callerText, IniEncoding encoding);

}  // namespace halvertone
