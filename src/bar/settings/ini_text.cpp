#include "bar/settings/ini_text.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <utility>

#include "bar/model/stored_keys.h"
#include "bar/settings/conversions.h"
#include "bar/settings/memory_store.h"

namespace zudav {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

bool ReadsBackPlain(const std::wstring& value) {
    return value.find_first_of(L"\r\n") == std::wstring::npos && (value.empty() || !IsBlank(value.front())) &&
           (value.empty() || !IsBlank(value.back())) && (value.empty() || value.front() != L'"');
}

bool IsWritableKey(const std::wstring& key) {
    return !key.empty() && key.find_first_of(L"=\r\n") == std::wstring::npos && key.front() != L'[' &&
           key.front() != L';' && !IsBlank(key.front()) && !IsBlank(key.back());
}

// Within quotes: each character that needs it and the letter that follows the backslash for it.
constexpr std::pair<wchar_t, wchar_t> kEscapes[] = {{L'\\', L'\\'},
                                                    {L'"', L'"'},
                                                    {L'\r', L'r'},
                                                    {L'\n', L'n'},
                                                    {L'\t', L't'}};

std::wstring Quoted(const std::wstring& value) {
    std::wstring quoted = L"\"";
    for (wchar_t c : value) {
        const auto escape =
            std::find_if(std::begin(kEscapes), std::end(kEscapes), [c](const auto& pair) { return pair.first == c; });
        quoted += escape != std::end(kEscapes) ? std::wstring{L'\\', escape->second} : std::wstring(1, c);
    }
    return quoted + L"\"";
}

// The text between the quotes, or nothing when the quotes do not close at the end of the line.
std::optional<std::wstring> Unquoted(const std::wstring& text) {
    std::wstring value;
    for (size_t i = 1; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'"') {
            return i + 1 == text.size() ? std::optional<std::wstring>(value) : std::nullopt;
        }
        if (c != L'\\') {
            value += c;
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        const wchar_t letter = text[i];
        const auto escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                         [letter](const auto& pair) { return pair.second == letter; });
        if (escape == std::end(kEscapes)) {
            return std::nullopt;
        }
        value += escape->first;
    }
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendWide(std::wstring& out, char32_t c) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (c >> 10));
            out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(c);
}

}  // namespace

std::string ToUtf8(const std::wstring& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        const bool high = c >= 0xD800 && c < 0xDC00;
        if (sizeof(wchar_t) == 2 && high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;  // half a pair: the registry may hold one, a UTF-8 file cannot
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::optional<std::wstring> FromUtf8(std::string_view bytes) {
    std::wstring out;
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80           ? 1
                           : (lead >> 5) == 0x6  ? 2
                           : (lead >> 4) == 0xE  ? 3
                           : (lead >> 3) == 0x1E ? 4
                                                 : 0;
        if (length == 0 || i + static_cast<size_t>(length) > bytes.size()) {
            return std::nullopt;
        }
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            c = (c << 6) | (next & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < least[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
            return std::nullopt;  // an overlong form, beyond Unicode, or half a UTF-16 pair
        }
        AppendWide(out, c);
        i += static_cast<size_t>(length);
    }
    return out;
}

std::string WriteIniText(const StoredValues& values) {
    std::wstring text = std::wstring(L"[") + kSection + L"]\r\n";
    for (const auto& [key, value] : values) {
        if (IsWritableKey(key)) {
            text += key + L"=" + (ReadsBackPlain(value) ? value : Quoted(value)) + L"\r\n";
        }
    }
    return kByteOrderMark + ToUtf8(text);
}

bool IsBlankIniText(std::string_view bytes) {
    if (bytes.substr(0, 3) == kByteOrderMark) {
        bytes.remove_prefix(3);
    }
    return bytes.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

IniReading ReadIniText(std::string_view bytes) {
    const auto refused = [](const std::wstring& why) { return IniReading{std::nullopt, why}; };
    if (bytes.size() > kIniLargest) {
        return refused(L"Ce fichier est trop grand pour \u00eatre celui d'une barre.");
    }
    if (bytes.size() >= 2 &&
        ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'))) {
        return refused(L"Ce fichier n'est pas en UTF-8 : enregistrez-le en UTF-8 et recommencez.");
    }
    if (bytes.substr(0, 3) == kByteOrderMark) {
        bytes.remove_prefix(3);
    }
    const std::optional<std::wstring> text = FromUtf8(bytes);
    if (bytes.find('\0') != std::string_view::npos || !text) {
        return refused(L"Ce fichier n'est pas un fichier texte.");
    }
    StoredValues values;
    std::set<std::wstring> seen;
    bool inSection = false;
    size_t start = 0;
    for (int number = 1; start <= text->size(); ++number) {
        size_t end = text->find(L'\n', start);
        end = end == std::wstring::npos ? text->size() : end;
        std::wstring line = text->substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r') {
            line.pop_back();
        }
        const std::wstring trimmed = Trim(line);
        const std::wstring where = L" (ligne " + IntegerToText(number) + L")";
        if (trimmed.empty() || trimmed.front() == L';') {
            continue;
        }
        if (trimmed.front() == L'[') {
            if (FoldCase(trimmed) != FoldCase(std::wstring(L"[") + kSection + L"]") || inSection) {
                return refused(L"Ce fichier doit avoir une seule section [Donnees]" + where + L".");
            }
            inSection = true;
            continue;
        }
        const size_t equals = trimmed.find(L'=');
        if (!inSection || equals == std::wstring::npos || Trim(trimmed.substr(0, equals)).empty()) {
            return refused(L"Cette ligne n'est pas de la forme cl\u00e9=valeur sous [Donnees]" + where + L".");
        }
        const std::wstring key = Trim(trimmed.substr(0, equals));
        const std::wstring raw = Trim(line.substr(line.find(L'=') + 1));
        const std::optional<std::wstring> value = !raw.empty() && raw.front() == L'"' ? Unquoted(raw) : raw;
        if (!value) {
            return refused(L"Une valeur entre guillemets n'est pas termin\u00e9e" + where + L".");
        }
        if (!seen.insert(FoldCase(key)).second) {
            return refused(L"La cl\u00e9 " + key + L" est donn\u00e9e deux fois" + where + L".");
        }
        values.emplace_back(key, *value);
    }
    if (!inSection) {
        return refused(L"Ce fichier n'a pas de section [Donnees].");
    }
    return {values, L""};
}

}  // namespace zudav
