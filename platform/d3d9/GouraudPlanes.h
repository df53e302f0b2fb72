#pragma once
// Gouraud colours in fixed point: the planes of one primitive, and the source
// that steps them along a span.
#include "platform/d3d9/RasterTypes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace SpanPainters {

constexpr double kFixedOne = 65536.0;

// a, r, g, b in 16.16 with a half added, so the shift rounds. Values are never
// negative and stay below 256: GouraudPlanes clamps every span into 0..255.
struct GouraudSource
{
    std::array<std::int32_t, 4> value;
    std::array<std::int32_t, 4> step;

#if defined(__SSE2__)
    // One pixel per step with the four channels side by side, blue in the lowest
    // lane so the packed bytes are the pixel.
    __m128i lanes;
    __m128i laneSteps;

    void Start()
    {
        lanes = _mm_setr_epi32(value[3], value[2], value[1], value[0]);
        laneSteps = _mm_setr_epi32(step[3], step[2], step[1], step[0]);
    }
    std::uint32_t Next()
    {
        __m128i bytes = _mm_srli_epi32(lanes, 16);
        bytes = _mm_packs_epi32(bytes, bytes);
        bytes = _mm_packus_epi16(bytes, bytes);
        lanes = _mm_add_epi32(lanes, laneSteps);
        return static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes));
    }
    // The next four pixels as 16-bit channels: the first two in low, the others in high.
    void NextFourWide(__m128i& low, __m128i& high)
    {
        const __m128i second = _mm_add_epi32(lanes, laneSteps);
        const __m128i third = _mm_add_epi32(second, laneSteps);
        const __m128i fourth = _mm_add_epi32(third, laneSteps);
        low = _mm_packs_epi32(_mm_srli_epi32(lanes, 16), _mm_srli_epi32(second, 16));
        high = _mm_packs_epi32(_mm_srli_epi32(third, 16), _mm_srli_epi32(fourth, 16));
        lanes = _mm_add_epi32(fourth, laneSteps);
    }
    // The next four pixels packed in order, as four calls of Next() would give them.
    __m128i NextFour()
    {
        __m128i low, high;
        NextFourWide(low, high);
        return _mm_packus_epi16(low, high);
    }
#else
    void Start() {}
    std::uint32_t Next()
    {
        const std::uint32_t out = ((static_cast<std::uint32_t>(value[0]) >> 16) << 24) |
                                  ((static_cast<std::uint32_t>(value[1]) >> 16) << 16) |
                                  ((static_cast<std::uint32_t>(value[2]) >> 16) << 8) |
                                  (static_cast<std::uint32_t>(value[3]) >> 16);
        for (int k = 0; k < 4; ++k)
            value[k] += step[k];
        return out;
    }
#endif
};

// The colour planes of a primitive in fixed point, relative to a pixel near it.
class GouraudPlanes
{
public:
    GouraudPlanes() = default;
    // corners: the triangle the planes shade, when every pixel they colour lies
    // inside it; empty when spans may reach beyond the corners (clipped
    // triangles, lines).
    GouraudPlanes(const std::array<Plane, 4>& channels, std::span<const ScreenVertex> corners);
    // The planes through the corners' colours; coveredInside: every pixel they
    // colour lies inside the triangle.
    GouraudPlanes(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c, bool coveredInside);

    // The source for pixels [x0, x0 + count) of the row. Inside a triangle the
    // values stay within 0..255; a span whose ends round outside is
    // interpolated between clamped ends instead, so channels never overflow.
    GouraudSource At(int x0, int row, int count) const
    {
#if defined(__SSE2__)
        // No pixel of the triangle rounds outside 0..255, so every span starts on
        // the planes, and 32-bit lanes give the exact values modulo 2^32, which
        // are the values themselves.
        if (inRange_) {
            GouraudSource source;
            source.lanes = _mm_add_epi32(
                laneBase_, _mm_add_epi32(Times(laneDx_, x0 - refX_), Times(laneDy_, row - refY_)));
            source.laneSteps = laneDx_;
            return source;
        }
#endif
        return Clamped(x0, row, count);
    }

private:
    static constexpr std::int64_t kLimit = std::int64_t{256} << 16;

    GouraudSource Clamped(int x0, int row, int count) const;
    // Channel k's fixed-point values from its plane.
    void SetChannel(int k, const Plane& plane);
    // Whether a corner lies near enough the reference pixel for the fast path.
    bool Near(const ScreenVertex& corner) const;
    // Packs the channels into lanes; the fast path needs cornersNear.
    void Pack(bool cornersNear);

#if defined(__SSE2__)
    // Each 32-bit lane times n, modulo 2^32.
    static __m128i Times(__m128i lanes, int n)
    {
        const __m128i factor = _mm_set1_epi32(n);
        const __m128i even = _mm_mul_epu32(lanes, factor);
        const __m128i odd = _mm_mul_epu32(_mm_srli_epi64(lanes, 32), factor);
        return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, 0x08), _mm_shuffle_epi32(odd, 0x08));
    }

    bool inRange_ = false;
    __m128i laneBase_ = _mm_setzero_si128();
    __m128i laneDx_ = _mm_setzero_si128();
    __m128i laneDy_ = _mm_setzero_si128();
#endif
    int refX_ = 0;
    int refY_ = 0;
    std::array<std::int64_t, 4> base_{};
    std::array<std::int64_t, 4> dx_{};
    std::array<std::int64_t, 4> dy_{};
};

} // namespace SpanPainters
