#pragma once

#include <cstdint>

namespace bevelmint::exporter::lanes {

// Eight 16-bit lanes: one 16-byte vector register (SSE2 on x86-64, NEON on arm64).
using Lanes = int16_t __attribute__((vector_size(16)));

inline Lanes splat(int v) {
    return Lanes{} + static_cast<int16_t>(v);
}
inline Lanes minimum(Lanes a, Lanes b) {
    return a < b ? a : b;
}
inline Lanes maximum(Lanes a, Lanes b) {
    return a > b ? a : b;
}
inline Lanes absolute(Lanes a) {
    return maximum(a, -a);
}
inline int16_t smallestLane(Lanes v) {
    v = minimum(v, __builtin_shufflevector(v, v, 4, 5, 6, 7, 0, 1, 2, 3));
    v = minimum(v, __builtin_shufflevector(v, v, 2, 3, 0, 1, 6, 7, 4, 5));
    v = minimum(v, __builtin_shufflevector(v, v, 1, 0, 3, 2, 5, 4, 7, 6));
    return v[0];
}

}  // namespace bevelmint::exporter::lanes
