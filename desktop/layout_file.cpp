#include "desktop/layout_file.h"

#include <cstdio>
#include <set>

#include "desktop/json_cursor.h"
#include "platform/text.h"

namespace orbilux {

namespace {

void AppendMember(std::string& out, const char* name, const std::string& jsonValue, bool last = false) {
    out += "  \"";
    out += name;
    out += "\": ";
    out += jsonValue;
    out += last ? "\n" : ",\n";
}

std::string JsonText(const std::wstring& text) {
    std::string out;
    AppendJsonString(out, Utf8FromWide(text));
    return out;
}

// Reads the members of one object, refusing repeats and unknown names;
// `member` is called with each name and reads its value.
template <typename ReadMember>
std::set<std::string> ReadObject(JsonCursor& cursor, const std::set<std::string>& known, const std::string& where,
                                 ReadMember member) {
    std::set<std::string> seen;
    cursor.expect('{', ("an object for " + where).c_str());
    if (!cursor.accept('}')) {
        do {
            const std::string name = cursor.readString(64);
            if (!known.count(name)) cursor.fail("unknown member \"" + name + "\" in " + where);
            if (!seen.insert(name).second) cursor.fail("member \"" + name + "\" repeated in " + where);
            cursor.expect(':', "':'");
            member(name);
        } while (cursor.accept(','));
        cursor.expect('}', "',' or '}'");
    }
    for (const std::string& name : known)
        if (!seen.count(name)) cursor.fail("member \"" + name + "\" missing from " + where);
    return seen;
}

LayoutFileIcon ReadIcon(JsonCursor& cursor, std::size_t index) {
    const std::string where = "icons[" + std::to_string(index) + "]";
    LayoutFileIcon icon;
    ReadObject(cursor, {"name", "x", "y"}, where, [&](const std::string& name) {
        if (name == "name") {
            // 4 bytes per UTF-16 unit at most bounds the bytes to read.
            const std::string text = cursor.readString(MaxIconNameUnits * 4);
            if (Utf16Length(text) > MaxIconNameUnits)
                cursor.fail(where + ".name is longer than " + std::to_string(MaxIconNameUnits) + " characters");
            if (text.find('\0') != std::string::npos) cursor.fail(where + ".name holds a NUL character");
            icon.name = WideFromUtf8(text);
        } else if (name == "x") {
            icon.x = cursor.readInteger();
        } else {
            icon.y = cursor.readInteger();
        }
    });
    return icon;
}

bool ReadDigits(std::string_view text, std::size_t at, std::size_t count, int32_t& value) {
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

std::string UtcIso8601(const LocalDateTime& when) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", int(when.year), int(when.month), int(when.day),
                  int(when.hour), int(when.minute), int(when.second));
    return text;
}

std::optional<LocalDateTime> ParseUtcIso8601(std::string_view text) {
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':' || text[19] != 'Z')
        return std::nullopt;
    LocalDateTime when;
    if (!ReadDigits(text, 0, 4, when.year) || !ReadDigits(text, 5, 2, when.month) ||
        !ReadDigits(text, 8, 2, when.day) || !ReadDigits(text, 11, 2, when.hour) ||
        !ReadDigits(text, 14, 2, when.minute) || !ReadDigits(text, 17, 2, when.second))
        return std::nullopt;
    if (!IsValidDateTime(when)) return std::nullopt;
    return when;
}

std::string ComposeLayoutFile(const LayoutFile& layout) {
    std::string out = "{\n";
    AppendMember(out, "format", std::string("\"") + LayoutFileFormatName + "\"");
    AppendMember(out, "version", std::to_string(LayoutFileVersion));
    AppendMember(out, "description", JsonText(layout.description));
    AppendMember(out, "savedAt", "\"" + UtcIso8601(layout.savedAtUtc) + "\"");
    AppendMember(out, "screenWidth", std::to_string(layout.screenWidth));
    AppendMember(out, "screenHeight", std::to_string(layout.screenHeight));
    AppendMember(out, "iconCount", std::to_string(layout.icons.size()));
    out += "  \"icons\": [";
    for (std::size_t i = 0; i < layout.icons.size(); ++i) {
        const LayoutFileIcon& icon = layout.icons[i];
        out += i ? ",\n    " : "\n    ";
        out += "{\"name\": " + JsonText(icon.name) + ", \"x\": " + std::to_string(icon.x) +
               ", \"y\": " + std::to_string(icon.y) + "}";
    }
    out += layout.icons.empty() ? "]\n" : "\n  ]\n";
    out += "}\n";
    return out;
}

LayoutFileParse ParseLayoutFile(std::string_view bytes) {
    LayoutFileParse result;
    if (bytes.size() > MaxLayoutFileBytes) {
        result.error = "the file is larger than " + std::to_string(MaxLayoutFileBytes / (1024 * 1024)) + " MiB";
        return result;
    }
    try {
        JsonCursor cursor(bytes);
        LayoutFile& layout = result.layout;
        int32_t iconCount = 0;
        ReadObject(
            cursor,
            {"format", "version", "description", "savedAt", "screenWidth", "screenHeight", "iconCount", "icons"},
            "the layout", [&](const std::string& name) {
                if (name == "format") {
                    if (cursor.readString(64) != LayoutFileFormatName)
                        cursor.fail(std::string("not a layout file (format is not \"") + LayoutFileFormatName + "\")");
                } else if (name == "version") {
                    const int32_t version = cursor.readInteger();
                    if (version != LayoutFileVersion)
                        cursor.fail("unknown format version " + std::to_string(version) +
                                    " (this program reads version " + std::to_string(LayoutFileVersion) + ")");
                } else if (name == "description") {
                    const std::string text = cursor.readString(MaxLayoutDescriptionCharacters * 4);
                    if (CodePointCount(text) > MaxLayoutDescriptionCharacters)
                        cursor.fail("the description is longer than " + std::to_string(MaxLayoutDescriptionCharacters) +
                                    " characters");
                    if (text.find('\0') != std::string::npos) cursor.fail("the description holds a NUL character");
                    layout.description = WideFromUtf8(text);
                } else if (name == "savedAt") {
                    const std::optional<LocalDateTime> when = ParseUtcIso8601(cursor.readString(64));
                    if (!when) cursor.fail("savedAt is not a date of the form YYYY-MM-DDThh:mm:ssZ");
                    layout.savedAtUtc = *when;
                } else if (name == "screenWidth") {
                    layout.screenWidth = cursor.readInteger();
                } else if (name == "screenHeight") {
                    layout.screenHeight = cursor.readInteger();
                } else if (name == "iconCount") {
                    iconCount = cursor.readInteger();
                } else {
                    cursor.expect('[', "an array of icons");
                    if (cursor.accept(']')) return;
                    do {
                        if (layout.icons.size() == MaxLayoutFileIcons)
                            cursor.fail("more than " + std::to_string(MaxLayoutFileIcons) + " icons");
                        layout.icons.push_back(ReadIcon(cursor, layout.icons.size()));
                    } while (cursor.accept(','));
                    cursor.expect(']', "',' or ']'");
                }
            });
        cursor.expectEnd();
        if (iconCount < 0 || static_cast<std::size_t>(iconCount) != layout.icons.size())
            throw JsonError("iconCount is " + std::to_string(iconCount) + " but " +
                            std::to_string(layout.icons.size()) + " icons are listed");
        result.ok = true;
    } catch (const JsonError& error) {
        result.error = error.what();
        result.layout = LayoutFile();
    }
    return result;
}

}  // namespace orbilux
