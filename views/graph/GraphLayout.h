#pragma once
// The layout string of a graph: one row per plotted series, the last row a
// little higher for the time numbers.
#include <cstddef>
#include <string>

namespace PardeloStravon {

std::wstring GraphLayoutString(std::size_t seriesCount);

}  // namespace PardeloStravon
