#include "record/Cp932Conversion.h"

#include <windows.h>

#include <climits>

namespace marlo {

namespace {

constexpr UINT cp932 = 932;

std::optional<std::wstring> toWide(UINT codePage, std::string_view text) {
    if (text.size() > INT_MAX) {
        return std::nullopt;
    }
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length == 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
    return wide;
}

// `usedDefault` is asked only of code page 932: the flag is not allowed for UTF-8.
std::optional<std::string> fromWide(UINT codePage, DWORD flags, const std::wstring& wide, BOOL* usedDefault) {
    const int size = static_cast<int>(wide.size());
    const int length =
        ::WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefault);
    if (length == 0 || (usedDefault != nullptr && *usedDefault)) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

} // namespace

std::optional<std::string> decodeCp932(std::string_view text) {
    if (text.empty()) {
        return std::string();
    }
    const auto wide = toWide(cp932, text);
    // Windows reads the byte 0x80, which code page 932 leaves undefined, as the control U+0080.
    if (!wide || wide->find(L'\u0080') != std::wstring::npos) {
        return std::nullopt;
    }
    return fromWide(CP_UTF8, WC_ERR_INVALID_CHARS, *wide, nullptr);
}

std::optional<std::string> encodeCp932(std::string_view utf8) {
    if (utf8.empty()) {
        return std::string();
    }
    const auto wide = toWide(CP_UTF8, utf8);
    if (!wide) {
        return std::nullopt;
    }
    // Without best fit a character the code page lacks becomes the default character, and the flag
    // says so; with it, "é" would quietly become "e".
    BOOL usedDefault = FALSE;
    return fromWide(cp932, WC_NO_BEST_FIT_CHARS, *wide, &usedDefault);
}

} // namespace marlo
