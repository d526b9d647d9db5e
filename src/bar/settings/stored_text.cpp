#include "bar/settings/stored_text.h"

#include <cstdint>

#include "bar/settings/conversions.h"

namespace zudav {
namespace {

// Little-endian, as the registry stores numbers and UTF-16 text.
std::uint64_t LittleEndian(const std::vector<unsigned char>& bytes, size_t at, size_t count) {
    std::uint64_t value = 0;
    for (size_t i = count; i-- > 0;) {
        value = value << 8 | bytes[at + i];
    }
    return value;
}

}  // namespace

std::optional<std::wstring> StoredText(unsigned long type, const std::vector<unsigned char>& bytes) {
    switch (static_cast<StoredType>(type)) {
        case StoredType::Text:
        case StoredType::ExpandableText: {
            std::wstring text;
            for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
                const auto unit = static_cast<wchar_t>(LittleEndian(bytes, at, 2));
                if (unit == L'\0') {
                    break;
                }
                text += unit;
            }
            return text;
        }
        case StoredType::Number32:
            if (bytes.size() != 4) {
                return std::nullopt;
            }
            return IntegerToText(static_cast<std::int32_t>(LittleEndian(bytes, 0, 4)));
        case StoredType::Number64:
            if (bytes.size() != 8) {
                return std::nullopt;
            }
            return IntegerToText(static_cast<std::int64_t>(LittleEndian(bytes, 0, 8)));
    }
    return std::nullopt;
}

}  // namespace zudav
