// A bar's settings as the text of an .ini file: UTF-8 with a byte order mark, Windows line ends, one section
// [Donnees] and one "key=value" line per stored value, in the order given.
//
// A value is written as it stands after the '=' when it reads back the same: no line break, no blank at either end,
// not starting with a double quote. Any other value is written between double quotes, in which \\ stands for a
// backslash, \" for a quote, \r and \n for the line breaks and \t for a tab. Reading skips blank lines and lines
// starting with ';', takes the key as the text before the first '=' (without blanks around it) and keeps unknown keys.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bar/settings/settings_store.h"

namespace zudav {

// The file's bytes. Keys that could not be read back (empty, with '=' or a line break, starting with '[' or ';', or
// with a blank at either end) are left out.
std::string WriteIniText(const StoredValues& values);

// The values of a file, or why it is refused (a French sentence for the user): not a text (a zero byte, bytes that are
// not UTF-8, or UTF-16), larger than kIniLargest bytes, no section [Donnees], another section, a line that is neither
// a section, a comment nor "key=value", a key given twice, or a quoted value that does not end.
struct IniReading {
    std::optional<StoredValues> values;
    std::wstring refusal;
};
inline constexpr std::size_t kIniLargest = 1024 * 1024;
IniReading ReadIniText(std::string_view bytes);
// Nothing but blanks and line breaks, after an optional byte order mark: a file the user made empty on purpose.
bool IsBlankIniText(std::string_view bytes);

// UTF-8 and the program's wide text (UTF-16 on Windows, UTF-32 elsewhere); nothing for bytes that are not UTF-8.
std::string ToUtf8(const std::wstring& text);
std::optional<std::wstring> FromUtf8(std::string_view bytes);

}  // namespace zudav
