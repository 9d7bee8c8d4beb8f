#include "platform/ini_encoding.h"

#include <array>
#include <cstdint>
#include <vector>

namespace halvertone {
namespace {

constexpr uint32_t kReplacement = 0xFFFD;

// Code page 1252 bytes 0x80..0x9F; the five unassigned bytes stand for themselves.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToCodePage(uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (size_t i = 0; i < kCp1252High.size(); ++i)
        if (kCp1252High[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

uint32_t FromCodePage(unsigned char b) {
    return (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : b;
}

// A UTF-8 file's bytes to code points as the platform decodes them: a sequence that breaks
// off (bad continuation, overlong form, surrogate, beyond U+10FFFF) becomes one replacement
// for the bytes taken so far, and decoding goes on at the byte that broke it.
std::vector<uint32_t> FileUtf8CodePoints(std::string_view s) {
    std::vector<uint32_t> out;
    size_t i = 0;
    auto continuation = [&](uint32_t& c) {
        if (i >= s.size()) return false;
        c = static_cast<unsigned char>(s[i]) ^ 0x80u;
        return c < 0x40;
    };
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i++]);
        if (b < 0x80) {
            out.push_back(b);
            continue;
        }
        const int len = b < 0xC2 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : b < 0xF5 ? 3 : 0;
        uint32_t res = b & (len == 1 ? 0x1Fu : len == 2 ? 0x0Fu : 0x07u);
        uint32_t c = 0;
        bool ok = len != 0;
        if (ok && len == 3) {
            ok = continuation(c);
            if (ok) {
                res = res << 6 | c;
                ++i;
                ok = res >= 0x10;
            }
        }
        if (ok && len >= 2) {
            ok = continuation(c);
            if (ok) {
                res = res << 6 | c;
                ok = res < (0x110000 >> 6);
                if (ok) ++i;
                ok = ok && res >= 0x20 && !(res >= (0xD800 >> 6) && res <= (0xDFFF >> 6));
            }
        }
        if (ok) {
            ok = continuation(c);
            if (ok) {
                res = res << 6 | c;
                ++i;
                ok = res >= 0x80;
            }
        }
        out.push_back(ok ? res : kReplacement);
    }
    return out;
}

// The held form is always written by AppendUtf8 (lone surrogates included), so it decodes
// without checks beyond staying inside the text.
std::vector<uint32_t> CodePoints(std::string_view s) {
    std::vector<uint32_t> out;
    size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i++]);
        const size_t extra = b < 0xC0 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
        uint32_t cp = extra == 0 ? b : b & (0x3Fu >> extra);
        for (size_t k = 0; k < extra && i < s.size(); ++k)
            cp = cp << 6 | (static_cast<unsigned char>(s[i++]) & 0x3Fu);
        out.push_back(cp);
    }
    return out;
}

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Utf16ToUtf8(std::string_view s, bool bigEndian) {
    std::string out;
    for (size_t i = 0; i + 1 < s.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(s[i + (bigEndian ? 1 : 0)]);
        const auto hi = static_cast<unsigned char>(s[i + (bigEndian ? 0 : 1)]);
        uint32_t unit = static_cast<uint32_t>(hi) << 8 | lo;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < s.size()) {
            const auto lo2 = static_cast<unsigned char>(s[i + 2 + (bigEndian ? 1 : 0)]);
            const auto hi2 = static_cast<unsigned char>(s[i + 2 + (bigEndian ? 0 : 1)]);
            const uint32_t next = static_cast<uint32_t>(hi2) << 8 | lo2;
            if (next >= 0xDC00 && next < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(out, unit);
    }
    return out;
}

void AppendUtf16(std::string& out, uint32_t unit, bool bigEndian) {
    const char lo = static_cast<char>(unit & 0xFF), hi = static_cast<char>(unit >> 8);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
}

std::string Utf8ToUtf16(std::string_view s, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (uint32_t cp : CodePoints(s)) {
        if (cp >= 0x10000) {
            AppendUtf16(out, 0xD800 + ((cp - 0x10000) >> 10), bigEndian);
            AppendUtf16(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), bigEndian);
        } else {
            AppendUtf16(out, cp, bigEndian);
        }
    }
    return out;
}

std::string SanitisedUtf8(std::string_view s) {
    std::string out;
    for (uint32_t cp : FileUtf8CodePoints(s)) AppendUtf8(out, cp);
    return out;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

DecodedProfile DecodeProfileBytes(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return {IniEncoding::kUtf8, SanitisedUtf8(bytes.substr(3))};
    if (StartsWith(bytes, "\xFF\xFE"))
        return {IniEncoding::kUtf16Le, Utf16ToUtf8(bytes.substr(2), false)};
    if (StartsWith(bytes, "\xFE\xFF"))
        return {IniEncoding::kUtf16Be, Utf16ToUtf8(bytes.substr(2), true)};
    return {IniEncoding::kAnsi, std::string(bytes)};
}

std::string EncodeProfileText(std::string_view held, IniEncoding encoding) {
    switch (encoding) {
        case IniEncoding::kAnsi:
            return std::string(held);
        case IniEncoding::kUtf8:
            return "\xEF\xBB\xBF" + std::string(held);
        case IniEncoding::kUtf16Le:
            return Utf8ToUtf16(held, false);
        case IniEncoding::kUtf16Be:
            return Utf8ToUtf16(held, true);
    }
    return std::string(held);
}

std::string ToCallerText(std::string_view held, IniEncoding encoding) {
    if (encoding == IniEncoding::kAnsi) return std::string(held);
    std::string out;
    // One code-page byte per UTF-16 unit, as the platform converts.
    for (uint32_t cp : CodePoints(held))
        out += cp >= 0x10000 ? std::string("??") : std::string(1, ToCodePage(cp));
    return out;
}

std::string FromCallerText(std::string_view text, IniEncoding encoding) {
    if (encoding == IniEncoding::kAnsi) return std::string(text);
    std::string out;
    for (char c : text) AppendUtf8(out, FromCodePage(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace halvertone
