#pragma once
// Odd INI files and what Windows' private-profile functions answer for them (measured with
// GetPrivateProfileStringA/IntA and WritePrivateProfileStringA). The native tests hold our
// portable reader to these answers; the Wine test holds both the platform and our reader
// to them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace halvertone::corpus {

using namespace std::string_literals;

struct File {
    const char* name;
    std::string bytes;
};

struct ReadCase {
    const char* file;  // a name from Files(), or "missing.ini" (never written)
    const char* section;
    const char* key;
    const char* fallback;
    unsigned bufferChars;
    std::string expected;
};

struct IntCase {
    const char* file;
    const char* section;
    const char* key;
    int32_t expected;  // the fallback is always kIntFallback
};

struct WriteCase {
    const char* label;
    std::optional<std::string> before;  // nullopt: no file yet
    const char* section;
    const char* key;
    const char* value;
    std::string after;  // the file's bytes afterwards
};

inline constexpr int32_t kIntFallback = 777;

inline const std::vector<File>& Files() {
    static const std::vector<File> files = {
        {"lines.ini",
         "  [SETTING]\r\n  Threshold = 406  \r\n;Comment=5\r\n#Hash=6\r\nNoEquals\r\n key two "
         "=v2\r\nmulti=a=b\r\n"
         "empty=\r\nspaced=   \r\ndup=first\r\nDUP=second\r\n\tTab\t=\ttabbed\t\r\n"},
        {"sections.ini",
         "top=1\n[ SP ]\nk=sp\n[S2\nk=s2nobracket\n[S3]junk\nk=s3\n[S4] ; "
         "c\nk=s4\n[S5]]\nk=s5\n[]\nk=emptysec\n"
         "[D]\na=1\n[d]\na=2\nb=3\n[S6]\r\nk=crlf"},
        {"cr.ini", "[S]\rk1=cr1\rk2=cr2\r"},
        {"mixed.ini", "[S]\rk1=cr1\rk2=cr2\nk3=x\r\rk4=y"},
        {"bom.ini", "\xEF\xBB\xBF[S]\r\nk=bom\r\n"},
        {"quotes.ini",
         "[S]\r\nq1=\"quoted\"\r\nq2='single'\r\nq3=\"unbalanced\r\nq4=\"\r\nq5=\"\"\r\nq6=\"mixed'"
         "\r\n"
         "q7=  \"  inner  \"  \r\nq8=a\"b\"\r\nq9=''\r\n"},
        {"cut.ini", "[S]\r\nv=0123456789\r\n"},
        {"ints.ini",
         "[S]\r\ni1=123abc\r\ni2= "
         "42\r\ni3=+7\r\ni4=-5\r\ni5=0x1F\r\ni6=0X1F\r\ni7=0o17\r\ni8=0b101\r\n"
         "i9=4294967296\r\ni10=99999999999\r\ni11=-2147483649\r\ni12=abc\r\ni13='12'\r\ni14=1 "
         "2\r\ni15=12.7\r\n"
         "i16=000000000000000000000000000000123\r\ni17=4294967295\r\ni18=2147483648\r\ni19=- "
         "5\r\ni20=0x\r\n"
         "i21=0xZZ\r\ni22=--5\r\ni23=\"0x10\"\r\ni24=0b2\r\ni25=09\r\ni26=0xffffffff\r\ni27="
         "ZZ\r\ni28=\x1a"
         "5\r\ni29=1e3\r\ni30=00000000000000000000000000012\r\nj1=' 12'\nj2=  "
         "0x10\nj3=\t-0x10\nj4=+0x10\nj5=-0\n"
         "j6=0b\nj7=0o8\nj8=0xAbC\nj9=0xfffffffff\nj10=\"-7\"\nj11=-\nj12=+\nj13=\x01\x02"
         "5\nj14=' \x01"
         "7'\nj15=''\n"},
        {"spaces.ini",
         "[S]\r\nsub=\x1avalue\x1a\r\nnb=\xA0nbsp\xA0\r\nvt=\x0bvt\x0b\r\nff=\x0c"
         "ff\r\nhi=\xE4\xB8\xAD\r\n\xC4key=upper\r\nc1=\x1cv\x1c\nc2=\x1dv\x1f\nc3=\x85v\x85\nc4="
         "\x01v\x01\n"
         "c5= \x1ev \n"},
        {"zero-byte.ini", "[S]\r\nk=ab\0cd\r\nx\0y=1\r\n"s},
        {"noname.ini", "[S]\n=v1\n=v2\nk=1\n=v3\n"},
        {"brackets.ini",
         "[ A  B ]\nk=ab\n[k]=v\nx=insidek\n[\nk2=after\n]\nk3=z\n[E]\n[E2]\nk=e2\n"},
        {"utf16.ini", "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xE9\0\x2D\x4E\r\0\n\0"s},
        {"utf8.ini", "\xEF\xBB\xBF[S]\nk=\xC3\xA9\xE4\xB8\xAD\n"},
        {"badutf8.ini",
         "\xEF\xBB\xBF[S]\nk=a\xC3\xFF\xE4\xB8z\nk2=\xF0\x9F\x98\x80!\nk3=\xED\xA0\x80!\nk4="
         "\xC0\xAF!\n"
         "k5=\xF4\x90\x80\x80!\n"},
        {"utf16be.ini", "\xFE\xFF\0[\0S\0]\0\n\0k\0=\xD8\x3D\xDE\x00\0!"s},
        {"surrogate.ini", "\xFF\xFE[\0S\0]\0\n\0a\0=\0\x00\xD8\n\0b\0=\0\x3D\x4E\n\0"s},
    };
    return files;
}

inline const std::vector<ReadCase>& ReadCases() {
    static const std::vector<ReadCase> cases = {
        {"lines.ini", "SETTING", "Threshold", "DEF", 100, "406"},
        {"lines.ini", "setting", "THRESHOLD", "DEF", 100, "406"},
        {"lines.ini", " SETTING ", "  Threshold  ", "DEF", 100, "406"},
        {"lines.ini", "SETTING", ";Comment", "DEF", 100, "5"},
        {"lines.ini", "SETTING", "Comment", "DEF", 100, "DEF"},
        {"lines.ini", "SETTING", "#Hash", "DEF", 100, "6"},
        {"lines.ini", "SETTING", "NoEquals", "DEF", 100, "DEF"},
        {"lines.ini", "SETTING", "key two", "DEF", 100, "v2"},
        {"lines.ini", "SETTING", "multi", "DEF", 100, "a=b"},
        {"lines.ini", "SETTING", "empty", "DEF", 100, ""},
        {"lines.ini", "SETTING", "spaced", "DEF", 100, ""},
        {"lines.ini", "SETTING", "dup", "DEF", 100, "first"},
        {"lines.ini", "SETTING", "Tab", "DEF", 100, "tabbed"},
        {"lines.ini", "SETTING", "missing", "DEF", 100, "DEF"},
        {"lines.ini", "SETTING", "missing", "  padded  ", 100, "  padded"},
        {"lines.ini", "SETTING", "missing", "   ", 100, " "},
        {"lines.ini", "SETTING", "missing", "longdefault", 4, "lon"},
        {"lines.ini", "SETTING", "missing", "\"q\"", 100, "q"},
        {"lines.ini", "SETTING", "", "DEF", 100, "DEF"},
        {"sections.ini", "", "top", "DEF", 100, "1"},
        {"sections.ini", "   ", "top", "DEF", 100, "1"},
        {"sections.ini", "SP", "k", "DEF", 100, "sp"},
        {"sections.ini", " SP ", "k", "DEF", 100, "sp"},
        {"sections.ini", "S2", "k", "DEF", 100, "DEF"},
        {"sections.ini", "SP", "[S2", "DEF", 100, "DEF"},
        {"sections.ini", "S3", "k", "DEF", 100, "s3"},
        {"sections.ini", "S4", "k", "DEF", 100, "s4"},
        {"sections.ini", "S5", "k", "DEF", 100, "DEF"},
        {"sections.ini", "S5]", "k", "DEF", 100, "s5"},
        {"sections.ini", "D", "a", "DEF", 100, "1"},
        {"sections.ini", "D", "b", "DEF", 100, "DEF"},
        {"sections.ini", "S6", "k", "DEF", 100, "crlf"},
        {"cr.ini", "S", "k1", "DEF", 100, "cr1"},
        {"cr.ini", "S", "k2", "DEF", 100, "cr2"},
        {"mixed.ini", "S", "k1", "DEF", 100, "cr1"},
        {"mixed.ini", "S", "k2", "DEF", 100, "cr2"},
        {"mixed.ini", "S", "k3", "DEF", 100, "x"},
        {"mixed.ini", "S", "k4", "DEF", 100, "y"},
        {"bom.ini", "S", "k", "DEF", 100, "bom"},
        {"quotes.ini", "S", "q1", "DEF", 100, "quoted"},
        {"quotes.ini", "S", "q2", "DEF", 100, "single"},
        {"quotes.ini", "S", "q3", "DEF", 100, "\"unbalanced"},
        {"quotes.ini", "S", "q4", "DEF", 100, "\""},
        {"quotes.ini", "S", "q5", "DEF", 100, ""},
        {"quotes.ini", "S", "q6", "DEF", 100, "\"mixed'"},
        {"quotes.ini", "S", "q7", "DEF", 100, "  inner  "},
        {"quotes.ini", "S", "q8", "DEF", 100, "a\"b\""},
        {"quotes.ini", "S", "q9", "DEF", 100, ""},
        {"quotes.ini", "S", "q1", "DEF", 9, "quoted"},
        {"quotes.ini", "S", "q1", "DEF", 8, "quoted"},
        {"quotes.ini", "S", "q1", "DEF", 7, "quote"},
        {"quotes.ini", "S", "q1", "DEF", 6, "quote"},
        {"quotes.ini", "S", "q1", "DEF", 2, "q"},
        {"quotes.ini", "S", "q1", "DEF", 1, ""},
        {"quotes.ini", "S", "q5", "DEF", 2, ""},
        {"quotes.ini", "S", "q5", "DEF", 1, ""},
        {"cut.ini", "S", "v", "DEF", 11, "0123456789"},
        {"cut.ini", "S", "v", "DEF", 10, "012345678"},
        {"cut.ini", "S", "v", "DEF", 5, "0123"},
        {"cut.ini", "S", "v", "DEF", 1, ""},
        {"spaces.ini", "S", "sub", "DEF", 100, "value"},
        {"spaces.ini", "S", "nb", "DEF", 100, "\xA0nbsp\xA0"},
        {"spaces.ini", "S", "vt", "DEF", 100, "vt"},
        {"spaces.ini", "S", "ff", "DEF", 100, "ff"},
        {"spaces.ini", "S", "hi", "DEF", 100, "\xE4\xB8\xAD"},
        {"spaces.ini", "S", "\xC4key", "DEF", 100, "upper"},
        {"spaces.ini", "S", "\xE4key", "DEF", 100, "DEF"},
        {"spaces.ini", "S", "c1", "DEF", 100, "\x1cv\x1c"},
        {"spaces.ini", "S", "c2", "DEF", 100, "\x1dv\x1f"},
        {"spaces.ini", "S", "c3", "DEF", 100, "\x85v\x85"},
        {"spaces.ini", "S", "c4", "DEF", 100, "\x01v\x01"},
        {"spaces.ini", "S", "c5", "DEF", 100, "\x1ev"},
        {"zero-byte.ini", "S", "k", "DEF", 100, "ab"},
        {"zero-byte.ini", "S", "x", "DEF", 100, "1"},
        {"noname.ini", "S", "", "DEF", 100, "v1"},
        {"noname.ini", "S", " ", "DEF", 100, "v1"},
        {"brackets.ini", "a  b", "k", "DEF", 100, "ab"},
        {"brackets.ini", "a b", "k", "DEF", 100, "DEF"},
        {"brackets.ini", "k", "x", "DEF", 100, "insidek"},
        {"brackets.ini", "A  B", "[", "DEF", 100, "DEF"},
        {"brackets.ini", "k", "k2", "DEF", 100, "after"},
        {"brackets.ini", "k", "]", "DEF", 100, "DEF"},
        {"brackets.ini", "k", "k3", "DEF", 100, "z"},
        {"brackets.ini", "E", "k", "DEF", 100, "DEF"},
        {"utf16.ini", "S", "k", "DEF", 100, "\xE9?"},
        {"utf8.ini", "S", "k", "DEF", 100, "\xE9?"},
        {"missing.ini", "S", "k", "DEF", 100, "DEF"},
        {"missing.ini", "S", "k", "\"q\"", 100, "q"},
        {"missing.ini", "S", "k", "  x  ", 100, "  x"},
        {"badutf8.ini", "S", "k", "DEF", 100,
         "a?"
         "?"
         "?z"},
        {"badutf8.ini", "S", "k2", "DEF", 100,
         "?"
         "?!"},  // beyond the basic plane: two units
        {"badutf8.ini", "S", "k2", "DEF", 3,
         "?"
         "?"},
        {"badutf8.ini", "S", "k3", "DEF", 100,
         "?"
         "?!"},
        {"badutf8.ini", "S", "k4", "DEF", 100,
         "?"
         "?!"},
        {"badutf8.ini", "S", "k5", "DEF", 100,
         "?"
         "?"
         "?!"},
        {"utf16be.ini", "S", "k", "DEF", 100,
         "?"
         "?!"},
        {"surrogate.ini", "S", "a", "DEF", 100, "?"},
        {"missing.ini", "S", "k", "longdefault", 4, "lon"},
    };
    return cases;
}

inline const std::vector<IntCase>& IntCases() {
    static const std::vector<IntCase> cases = {
        {"lines.ini", "SETTING", "Threshold", 406},
        {"lines.ini", "SETTING", "empty", kIntFallback},
        {"lines.ini", "SETTING", "missing", kIntFallback},
        {"lines.ini", "SETTING", "NoEquals", kIntFallback},
        {"missing.ini", "S", "k", kIntFallback},
        {"ints.ini", "S", "i1", 123},
        {"ints.ini", "S", "i2", 42},
        {"ints.ini", "S", "i3", 7},
        {"ints.ini", "S", "i4", -5},
        {"ints.ini", "S", "i5", 31},
        {"ints.ini", "S", "i6", 0},
        {"ints.ini", "S", "i7", 15},
        {"ints.ini", "S", "i8", 5},
        {"ints.ini", "S", "i9", 0},
        {"ints.ini", "S", "i10", 1215752191},
        {"ints.ini", "S", "i11", 2147483647},
        {"ints.ini", "S", "i12", 0},
        {"ints.ini", "S", "i13", 12},
        {"ints.ini", "S", "i14", 1},
        {"ints.ini", "S", "i15", 12},
        {"ints.ini", "S", "i16", 0},
        {"ints.ini", "S", "i17", -1},
        {"ints.ini", "S", "i18", INT32_MIN},
        {"ints.ini", "S", "i19", 0},
        {"ints.ini", "S", "i20", 0},
        {"ints.ini", "S", "i21", 0},
        {"ints.ini", "S", "i22", 0},
        {"ints.ini", "S", "i23", 16},
        {"ints.ini", "S", "i24", 0},
        {"ints.ini", "S", "i25", 9},
        {"ints.ini", "S", "i26", -1},
        {"ints.ini", "S", "i27", 0},
        {"ints.ini", "S", "i28", 5},
        {"ints.ini", "S", "i29", 1},
        {"ints.ini", "S", "i30", 12},
        {"ints.ini", "S", "j1", 12},
        {"ints.ini", "S", "j2", 16},
        {"ints.ini", "S", "j3", -16},
        {"ints.ini", "S", "j4", 16},
        {"ints.ini", "S", "j5", 0},
        {"ints.ini", "S", "j6", 0},
        {"ints.ini", "S", "j7", 0},
        {"ints.ini", "S", "j8", 2748},
        {"ints.ini", "S", "j9", -1},
        {"ints.ini", "S", "j10", -7},
        {"ints.ini", "S", "j11", 0},
        {"ints.ini", "S", "j12", 0},
        {"ints.ini", "S", "j13", 5},
        {"ints.ini", "S", "j14", 7},
        {"ints.ini", "S", "j15", kIntFallback},
    };
    return cases;
}

inline const std::vector<WriteCase>& WriteCases() {
    static const std::vector<WriteCase> cases = {
        {"replace keeps the rest",
         "; head\r\n  [SETTING]  \r\n  Threshold = 406  \r\n\r\nPen Color=1\r\n[Other]\r\nx=1\r\n",
         "SETTING", "Threshold", "210",
         "; head\r\n[SETTING]\r\nThreshold=210\r\nPen Color=1\r\n[Other]\r\nx=1\r\n"},
        {"same value leaves the file alone", "  [SETTING]  \n  Threshold = 210  \n\n[Other]\nx=1",
         "SETTING", "Threshold", "210", "  [SETTING]  \n  Threshold = 210  \n\n[Other]\nx=1"},
        {"new key at the end of its section", "  [SETTING]  \n  Threshold = 210  \n\n[Other]\nx=1",
         "setting", "New Key", "  lead spaces  ",
         "[SETTING]\r\nThreshold=210\r\nNew Key=lead spaces  \r\n[Other]\r\nx=1\r\n"},
        {"new section at the end", "[SETTING]\r\nThreshold=210\r\n[Other]\r\nx=1\r\n",
         "  Brand New  ", "  k  ", "v",
         "[SETTING]\r\nThreshold=210\r\n[Other]\r\nx=1\r\n[Brand New  ]\r\nk  =v\r\n"},
        {"new file", std::nullopt, "SETTING", "Threshold", "150", "[SETTING]\r\nThreshold=150\r\n"},
        {"first of two sections", "top=1\n[D]\na=1\n[D]\nb=2\n", "D", "b", "9",
         "top=1\r\n[D]\r\na=1\r\nb=9\r\n[D]\r\nb=2\r\n"},
        {"quoted value compared as stored", "[S]\nk=\"q\"\n", "S", "k", "\"q\"", "[S]\nk=\"q\"\n"},
        {"no final line break", "[S]\nk=1", "S", "k2", "2", "[S]\r\nk=1\r\nk2=2\r\n"},
        {"utf-8 mark kept", "\xEF\xBB\xBF[S]\nk=1\n", "S", "k", "2", "\xEF\xBB\xBF[S]\r\nk=2\r\n"},
        {"empty value", "[S]\nk=1\n", "S", "k", "", "[S]\r\nk=\r\n"},
        {"first of two keys", "[S]\nk=1\nk=2\n", "S", "K", "3", "[S]\r\nk=3\r\nk=2\r\n"},
        {"nameless keys", "[S]\n=v1\n=v2\nk=1\n=v3\n", "S", "k", "2",
         "[S]\r\n=v1\r\nk=2\r\n=v3\r\n"},
        {"empty section gets the key",
         "[ A  B ]\nk=ab\n[k]=v\nx=insidek\n[\nk2=after\n]\nk3=z\n[E]\n[E2]\nk=e2\n", "E", "new",
         "1",
         "[A  "
         "B]\r\nk=ab\r\n[k]\r\nx=insidek\r\n[\r\nk2=after\r\n]\r\nk3=z\r\n[E]\r\nnew=1\r\n[E2]"
         "\r\nk=e2\r\n"},
        {"utf-16 kept", "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xE9\0\x2D\x4E\r\0\n\0"s, "S", "k2", "x",
         "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xE9\0\x2D\x4E\r\0\n\0k\0002\0=\0x\0\r\0\n\0"s},
        {"lone surrogate and euro sign",
         "\xFF\xFE[\0S\0]\0\n\0a\0=\0\x00\xD8\n\0b\0=\0\x3D\x4E\n\0"s, "S", "c", "\x80",
         "\xFF\xFE[\0S\0]\0\r\0\n\0a\0=\0\x00\xD8\r\0\n\0b\0=\0\x3D\x4E\r\0\n\0c\0=\0\xAC\x20\r\0\n\0"s},
        {"utf-8 text written", "\xEF\xBB\xBF[S]\nk=\xC3\xA9\xE4\xB8\xAD\n", "S", "k2", "\xE9",
         "\xEF\xBB\xBF[S]\r\nk=\xC3\xA9\xE4\xB8\xAD\r\nk2=\xC3\xA9\r\n"},
        {"blank file", "  \n\n", "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"keys above the sections", "top=1\n", "", "k", "v", "top=1\r\nk=v\r\n"},
        {"trimmed value equals", "[S]\nk=  v  \n", "S", "k", "v", "[S]\nk=  v  \n"},
        {"trailing blanks written", "[S]\nk=v\n", "S", "k", "v  ", "[S]\r\nk=v  \r\n"},
        {"key name trimmed for the search", "[S]\nk=v\n", "S", " k ", "w", "[S]\r\nk=w\r\n"},
    };
    return cases;
}

}  // namespace halvertone::corpus
