#pragma once

#include <cstdint>

// The limits the design's defaults and its rules share.
namespace bevelmint::state {

inline constexpr int32_t kMinWidth = 20;
inline constexpr int32_t kMaxWidth = 330;
inline constexpr int32_t kMinHeight = 10;
inline constexpr int32_t kMaxHeight = 195;

// The texture brightness that leaves the texture as it was loaded.
inline constexpr int32_t kNeutralBrightness = 50;

}  // namespace bevelmint::state
