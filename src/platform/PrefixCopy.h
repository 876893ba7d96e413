#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

// Copies the first `count` bytes of a fixed field of N bytes and leaves the
// rest of the target as it was: how a message's bytes pass between a record
// and a message, where the places beyond the count keep stale content. Both
// sides must hold N bytes; a count outside 0 to N copies what fits.
//
// Both fields are taken into locals and combined through a mask, a form the
// compiler turns into a few vector steps instead of a call or a loop of
// branches; loads and saves do this for every message of every record, so
// it is always inlined, and the mask is shared by a message's two fields.
template <std::size_t N>
[[gnu::always_inline]] inline void CopyPrefix(uint8_t* to, const uint8_t* from, int count)
{
    std::array<uint8_t, N> taken;
    std::array<uint8_t, N> kept;
    std::copy_n(from, N, taken.begin());
    std::copy_n(to, N, kept.begin());
    // Byte-wide positions and limit: the width the vector steps work in.
    static_assert(N < 256);
    const auto limit = static_cast<uint8_t>(std::clamp<int>(count, 0, static_cast<int>(N)));
    std::array<uint8_t, N> result;
    for (std::size_t i = 0; i < N; ++i) {
        const auto keep = static_cast<uint8_t>(-static_cast<int>(static_cast<uint8_t>(i) >= limit));
        result[i] = static_cast<uint8_t>((taken[i] & ~keep) | (kept[i] & keep));
    }
    std::copy_n(result.begin(), N, to);
}
