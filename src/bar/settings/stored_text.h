// The text of a registry value, whatever type the tool that wrote it gave it. The bar writes REG_SZ; other tools
// (a registry editor, a script, an older version) may write numbers or other types.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zudav {

// The registry's type numbers that the store reads.
enum class StoredType : unsigned long { Text = 1, ExpandableText = 2, Number32 = 4, Number64 = 11 };

// REG_SZ and REG_EXPAND_SZ (not expanded): the UTF-16 text up to its first NUL, which may be missing.
// REG_DWORD and REG_QWORD: the number in signed decimal ("-1200" for 0xFFFFFB50), as a number typed as text.
// Any other type, or a number of the wrong length: nothing, as if the key were absent.
std::optional<std::wstring> StoredText(unsigned long type, const std::vector<unsigned char>& bytes);

}  // namespace zudav
