#pragma once
// Joins texts and numbers into one string. Chains of literal + std::string make
// g++ 12 warn falsely at -O2 (-Wrestrict); appending piece by piece does not.
#include <string>
#include <string_view>
#include <type_traits>

namespace server {

template <class... Parts>
std::string Cat(const Parts&... parts)
{
    std::string out;
    const auto add = [&out](const auto& p) {
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(p)>>)
            out.append(std::to_string(p));
        else
            out.append(std::string_view(p));
    };
    (add(parts), ...);
    return out;
}

} // namespace server
