#pragma once
// The key under which the registry holds a window. The program names its
// windows with an enumeration of its own, which this layer does not know:
// any value of an enumeration converts to a key, so callers pass their ids
// as they are.

#include <type_traits>

namespace forms {

class ScreenKey {
public:
    template <class Id, std::enable_if_t<std::is_enum_v<Id>, int> = 0>
    constexpr ScreenKey(Id id) : value_(static_cast<long long>(id))
    {
    }

    constexpr bool operator<(ScreenKey other) const { return value_ < other.value_; }
    constexpr bool operator==(ScreenKey other) const { return value_ == other.value_; }

private:
    long long value_;
};

} // namespace forms
