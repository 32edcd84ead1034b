#pragma once

#include <string>
#include <string_view>

namespace sumwright::testing {

// One code point in UTF-8.
[[nodiscard]] inline std::string utf8(char32_t code)
{
    if (code < 0x80)
        return std::string(1, static_cast<char>(code));
    const int length = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
    constexpr char32_t Lead[] = {0, 0, 0xC0, 0xE0, 0xF0};
    std::string out(1, static_cast<char>(Lead[length] | (code >> (6 * (length - 1)))));
    for (int shift = 6 * (length - 2); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
    return out;
}

// A number's ASCII text as typed in another script: each digit from the run of ten that starts
// at zero, the minus sign as minus.
[[nodiscard]] inline std::string spelled(std::string_view number, char32_t zero,
                                         char32_t minus = U'-')
{
    std::string out;
    for (const char c : number)
        out += c == '-' ? utf8(minus) : utf8(zero + static_cast<char32_t>(c - '0'));
    return out;
}

} // namespace sumwright::testing
