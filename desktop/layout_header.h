// The text of a layout header, the string value named by the layout's id:
// five fields, each followed by the separator U+00BC ("¼"), so the text ends
// with a separator:
//
//     savedAt ¼ description ¼ screen width ¼ screen height ¼ icon count ¼
//
// e.g. "3/7/2024 02:05:09 PM¼No description¼1280¼1024¼23¼". Programs that
// wrote it through the ANSI registry functions on a Western code page stored
// the byte 0xBC, which the wide functions read as the same U+00BC.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "desktop/layout_date.h"
#include "desktop/layout_info.h"

namespace orbilux {

constexpr wchar_t HeaderSeparator = L'\u00BC';
// What a separator in a description is stored as, so that it can never
// shift the fields that follow.
constexpr const wchar_t* SeparatorStandIn = L"1/4";
// The description of a header that can't be read as text.
constexpr const wchar_t* NotLoadedProperly = L"Not_loaded_properly";

constexpr std::size_t MaxDescriptionLength = 250;

// Takes the next field from `rest`: the text before the first separator,
// removing both from `rest`. When no separator is left the field is empty
// and `rest` is not changed, so every later field reads empty too.
std::wstring TakeHeaderField(std::wstring& rest);

// A description as it can be stored: every separator replaced by "1/4", and
// NUL characters (which would end the registry string early and lose the
// fields after the description) left out. Nothing else changes.
std::wstring StorableDescription(const std::wstring& description);

// The full header text; the description goes through StorableDescription.
std::wstring ComposeHeader(const std::wstring& savedAtText, const std::wstring& description, int32_t screenWidth,
                           int32_t screenHeight, int32_t iconCount);

// The header with its description field (between the first and the second
// separator) replaced, every other character kept. A header whose
// description runs to the end of the text (only one separator) gets its
// closing separator; one without any separator keeps its text as the first
// field and gets the description after it.
std::wstring WithDescription(const std::wstring& header, const std::wstring& description);

// A number field: optional sign and decimal digits, spaces around allowed.
// Empty, anything else, or a value outside signed 32 bits gives 0.
int32_t HeaderNumber(const std::wstring& field);

// The first `count` characters of the text; a UTF-16 surrogate pair counts
// as one character and is never split.
std::wstring CutToCharacters(const std::wstring& text, std::size_t count);

// The LayoutInfo of a header text read under the value name `id`, with the
// date read through `locale` (see layout_date.h).
LayoutInfo ParseHeader(const std::wstring& id, const std::wstring& header, const LocaleSettings& locale);

// The LayoutInfo of a header value that is not text: description
// "Not_loaded_properly", savedAt 0, every number 0.
LayoutInfo UnreadableLayoutInfo(const std::wstring& id);

}  // namespace orbilux
