#include "core/Answer.h"

#include <limits>
#include <stdexcept>

namespace sumwright {

std::string answerText(const Answer &answer)
{
    if (const auto *number = std::get_if<std::int16_t>(&answer))
        return std::to_string(*number);
    return std::get<std::string>(answer);
}

std::int16_t checkedInt16(long value)
{
    if (value < std::numeric_limits<std::int16_t>::min()
        || value > std::numeric_limits<std::int16_t>::max())
        throw std::overflow_error("16-bit overflow");
    return static_cast<std::int16_t>(value);
}

} // namespace sumwright
