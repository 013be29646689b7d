#pragma once

#include <utility>
#include <vector>

namespace tessary_utils::PluginWindow
{
/** Screen-width thresholds (pixels) and the share of the screen width a new window takes,
    widest screens first: the first threshold that a screen reaches decides. */
extern const std::vector<std::pair<float, float>> widthThresholds;
} // namespace tessary_utils::PluginWindow
