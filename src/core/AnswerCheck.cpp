#include "core/AnswerCheck.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace sumwright {

namespace {

// Unicode 15.0, as ICU 72 gives it: every code point of general category Nd with the digit
// value 0. tests/core compares it with the ICU it is built against and prints the table anew
// when Unicode has moved on.
constexpr std::array<char32_t, 68> DecimalZeros = {
        0x0030,  0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,
        0x0C66,  0x0CE6,  0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,
        0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
        0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
        0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
        0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
        0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0,
};

constexpr std::array<char32_t, 3> MinusSigns = {U'-', U'\u2212', U'\uFF0D'};

std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead < 0xC0) // a continuation byte starts no character
        return 0;
    if (lead < 0xE0)
        return 2;
    if (lead < 0xF0)
        return 3;
    return lead < 0xF8 ? 4 : 0;
}

// The next code point of strict UTF-8, or nothing for a malformed, overlong or surrogate
// sequence: an overlong "0" must not pass for a digit.
std::optional<char32_t> nextCodePoint(std::string_view &text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = sequenceLength(lead);
    if (length == 0 || text.size() < length)
        return std::nullopt;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < Smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    text.remove_prefix(length);
    return code;
}

// The zero of the digit's script, or nothing when the code point is no decimal digit.
std::optional<char32_t> zeroOf(char32_t code)
{
    const auto after = std::upper_bound(DecimalZeros.begin(), DecimalZeros.end(), code);
    if (after == DecimalZeros.begin() || code - *(after - 1) > 9)
        return std::nullopt;
    return *(after - 1);
}

} // namespace

std::span<const char32_t> decimalZeros()
{
    return DecimalZeros;
}

std::optional<std::string> asciiNumber(std::string_view typed)
{
    std::string ascii;
    std::string_view rest = typed;
    std::optional<char32_t> script;
    while (!rest.empty()) {
        const std::optional<char32_t> code = nextCodePoint(rest);
        if (!code)
            return std::nullopt;
        if (ascii.empty() && std::ranges::find(MinusSigns, *code) != MinusSigns.end()) {
            ascii += '-';
            continue;
        }
        const std::optional<char32_t> zero = zeroOf(*code);
        if (!zero || (script && *script != *zero))
            return std::nullopt;
        script = zero;
        ascii += static_cast<char>('0' + (*code - *zero));
    }
    if (!script)
        return std::nullopt;
    return ascii;
}

std::string upperCase(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool isRightAnswer(std::string_view typed, const Answer &expected)
{
    const std::string wanted = answerText(expected);
    // Lengths first: a pasted page of text is rejected without being copied. No character of a
    // number takes more than four bytes.
    if (typed.size() > 4 * wanted.size())
        return false;
    if (upperCase(typed) == wanted)
        return true;
    // In ASCII the capitals above have said it all; only other scripts' digits are read again.
    const bool ascii = std::ranges::all_of(
            typed, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return !ascii && asciiNumber(typed) == wanted;
}

double countValue(std::string_view countText)
{
    std::size_t start = countText.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return 0.0;
    double sign = 1.0;
    if (countText[start] == '+' || countText[start] == '-') {
        sign = countText[start] == '-' ? -1.0 : 1.0;
        ++start;
    }
    const std::string_view rest = countText.substr(start);
    // from_chars would also take "inf" and "nan"; only digits or a decimal point start a number.
    if (rest.empty() || !((rest[0] >= '0' && rest[0] <= '9') || rest[0] == '.'))
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return sign * HUGE_VAL;
    if (result.ec != std::errc {})
        return 0.0;
    return sign * value;
}

} // namespace sumwright
