// An array whose elements are named by an enum's enumerators, the first 0:
// inputs[InputField::teeth] rather than a member per quantity, so that a loop
// over the elements and a table in the enum's order (calc/gear_quantities.h)
// agree without a list that restates the order.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace involute::calc {

template <typename Enum, typename Value, std::size_t Count>
struct EnumArray {
    std::array<Value, Count> values{};

    [[nodiscard]] constexpr Value& operator[](Enum key) { return values[index(key)]; }
    [[nodiscard]] constexpr const Value& operator[](Enum key) const { return values[index(key)]; }

    [[nodiscard]] constexpr auto begin() { return values.begin(); }
    [[nodiscard]] constexpr auto end() { return values.end(); }
    [[nodiscard]] constexpr auto begin() const { return values.begin(); }
    [[nodiscard]] constexpr auto end() const { return values.end(); }
    [[nodiscard]] static constexpr std::size_t size() { return Count; }

    bool operator==(const EnumArray&) const = default;

  private:
    // An enumerator past Count names an element this array does not hold.
    static constexpr std::size_t index(Enum key) {
        const auto i = static_cast<std::size_t>(key);
        assert(i < Count);
        return i;
    }
};

}  // namespace involute::calc
