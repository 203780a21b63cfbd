#pragma once

#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

namespace tidemark {

// A list that may never have been dimensioned is an optional vector.
template <class T>
using DynamicList = std::optional<std::vector<T>>;

namespace detail {
template <class T>
struct IsObjectReference : std::false_type {};
template <class T>
struct IsObjectReference<std::shared_ptr<T>> : std::true_type {};
}  // namespace detail

// Whether the list has bounds; an empty list of object references has none.
template <class T>
bool IsArrayDimensioned(const DynamicList<T>& list) {
    if (!list) return false;
    if constexpr (detail::IsObjectReference<T>::value) return !list->empty();
    return true;
}

}  // namespace tidemark
