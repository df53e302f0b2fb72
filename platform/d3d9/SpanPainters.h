#pragma once
// Span painters: each colours the pixels [x0, x1) of one row of the target for
// the primitive being drawn. The rasterizer picks one painter per primitive, so
// the per-span work is only what that primitive needs: a fill, a blend with one
// colour, or colours and texel coordinates stepped in 16.16 fixed point.
#include "platform/d3d9/GouraudPlanes.h"
#include "platform/d3d9/PixelOps.h"
#include "platform/d3d9/RasterTypes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cwchar>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace SpanPainters {

struct OpaqueWrite
{
    std::uint32_t operator()(std::uint32_t src, std::uint32_t) const { return src | PixelOps::kOpaque; }
};

struct SourceAlphaWrite
{
    std::uint32_t operator()(std::uint32_t src, std::uint32_t dst) const
    {
        return PixelOps::SourceAlphaBlend::Blend(src, dst);
    }
};

struct ConstantSource
{
    std::uint32_t color;
    std::uint32_t Next() { return color; }
};

// One texel coordinate in 16.16, kept inside [0, size) so addressing wraps.
struct WrappedCoordinate
{
    std::int32_t value;
    std::int32_t step;
    std::int32_t limit;

    WrappedCoordinate(double start, double perPixel, int size)
        : value(Wrap(start, size)), step(Wrap(perPixel, size)), limit(size << 16)
    {
    }

    int Texel() const { return value >> 16; }
    void Advance()
    {
        value += step;
        if (value >= limit)
            value -= limit;
    }

    static std::int32_t Wrap(double texels, int size);
};

// Colours already laid out, one for each pixel of the span.
struct RowSource
{
    const std::uint32_t* colours;
    std::uint32_t Next() { return *colours++; }
};

// Nearest texel at each pixel centre, colour and alpha as the stage selects them.
struct TexturedSource
{
    const PixelBuffer& texels;
    WrappedCoordinate u;
    WrappedCoordinate v;

    std::uint32_t Next()
    {
        const std::uint32_t texel = texels.Row(v.Texel())[u.Texel()];
        u.Advance();
        v.Advance();
        return texel;
    }
};

// One opaque colour. Long spans are a fill of 32-bit words, which the C library
// does with the widest stores the processor has (wchar_t is 32 bits wide on
// this platform); short ones are not worth the call.
inline void Run(std::uint32_t* pixels, int count, ConstantSource source, OpaqueWrite write)
{
    static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
    constexpr int kShortSpan = 32;
    const std::uint32_t pixel = write(source.color, 0);
    if (count < kShortSpan)
        std::fill_n(pixels, count, pixel);
    else
        std::wmemset(reinterpret_cast<wchar_t*>(pixels), static_cast<wchar_t>(pixel),
                     static_cast<std::size_t>(count));
}

template <class Source, class Writer> void Run(std::uint32_t* pixels, int count, Source source, Writer write)
{
    for (int i = 0; i < count; ++i)
        pixels[i] = write(source.Next(), pixels[i]);
}

#if defined(__SSE2__)
// One colour blended over a span four pixels at a time. Each channel gets the
// arithmetic of SourceAlphaBlend, t = s × a + d × (255 − a) + 128 and
// (t + (t >> 8)) >> 8, whose values stay below 65536 in 16-bit lanes; the
// alpha lane's result is replaced by the opaque byte as there.
inline void Run(std::uint32_t* pixels, int count, ConstantSource source, SourceAlphaWrite write)
{
    const std::uint32_t alpha = source.color >> 24;
    const __m128i zero = _mm_setzero_si128();
    const __m128i inverse = _mm_set1_epi16(static_cast<short>(255 - alpha));
    const __m128i colour = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(source.color)), zero);
    const __m128i sourceTerm = _mm_add_epi16(
        _mm_mullo_epi16(colour, _mm_set1_epi16(static_cast<short>(alpha))), _mm_set1_epi16(128));
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(PixelOps::kOpaque));
    const auto blend = [&](__m128i channels) {
        const __m128i t = _mm_add_epi16(_mm_mullo_epi16(channels, inverse), sourceTerm);
        return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
    };
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        auto* at = reinterpret_cast<__m128i*>(pixels + i);
        const __m128i dst = _mm_loadu_si128(at);
        const __m128i low = blend(_mm_unpacklo_epi8(dst, zero));
        const __m128i high = blend(_mm_unpackhi_epi8(dst, zero));
        _mm_storeu_si128(at, _mm_or_si128(_mm_packus_epi16(low, high), opaque));
    }
    for (; i < count; ++i)
        pixels[i] = write(source.color, pixels[i]);
}

// Two pixels in 16-bit lanes, each blended by its own alpha with the
// arithmetic of SourceAlphaBlend; the alpha lanes are left for the caller.
inline __m128i BlendTwo(__m128i src, __m128i dst)
{
    const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(src, 0xFF), 0xFF);
    const __m128i inverse = _mm_sub_epi16(_mm_set1_epi16(255), alpha);
    const __m128i t = _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(src, alpha), _mm_mullo_epi16(dst, inverse)),
                                    _mm_set1_epi16(128));
    return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
}

// The first count (1..3) of four 32-bit lanes set, to keep the rest of a chunk as it was.
inline __m128i FirstLanes(int count)
{
    return _mm_cmpgt_epi32(_mm_set1_epi32(count), _mm_setr_epi32(0, 1, 2, 3));
}

inline __m128i Select(__m128i mask, __m128i chosen, __m128i kept)
{
    return _mm_or_si128(_mm_and_si128(mask, chosen), _mm_andnot_si128(mask, kept));
}

inline void Run(std::uint32_t* pixels, int count, RowSource source, OpaqueWrite write)
{
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(PixelOps::kOpaque));
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i colours = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source.colours + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i), _mm_or_si128(colours, opaque));
    }
    for (; i < count; ++i)
        pixels[i] = write(source.colours[i], pixels[i]);
}

inline void Run(std::uint32_t* pixels, int count, RowSource source, SourceAlphaWrite write)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(PixelOps::kOpaque));
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        auto* at = reinterpret_cast<__m128i*>(pixels + i);
        const __m128i src = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source.colours + i));
        const __m128i dst = _mm_loadu_si128(at);
        const __m128i low = BlendTwo(_mm_unpacklo_epi8(src, zero), _mm_unpacklo_epi8(dst, zero));
        const __m128i high = BlendTwo(_mm_unpackhi_epi8(src, zero), _mm_unpackhi_epi8(dst, zero));
        _mm_storeu_si128(at, _mm_or_si128(_mm_packus_epi16(low, high), opaque));
    }
    for (; i < count; ++i)
        pixels[i] = write(source.colours[i], pixels[i]);
}

// Gouraud spans four pixels at a time. The last few pixels are one more chunk
// that writes back the pixels after the span unchanged, when the row has room
// for it (room: pixels from the start of the span to the end of the row), and
// pixel by pixel otherwise.
inline void Run(std::uint32_t* pixels, int count, int room, GouraudSource source, OpaqueWrite write)
{
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(PixelOps::kOpaque));
    int i = 0;
    for (; i + 4 <= count; i += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i), _mm_or_si128(source.NextFour(), opaque));
    if (i < count && i + 4 <= room) {
        auto* at = reinterpret_cast<__m128i*>(pixels + i);
        const __m128i out = _mm_or_si128(source.NextFour(), opaque);
        _mm_storeu_si128(at, Select(FirstLanes(count - i), out, _mm_loadu_si128(at)));
        return;
    }
    for (; i < count; ++i)
        pixels[i] = write(source.Next(), pixels[i]);
}

inline void Run(std::uint32_t* pixels, int count, int room, GouraudSource source, SourceAlphaWrite write)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(PixelOps::kOpaque));
    const auto blendFour = [&](__m128i dst) {
        __m128i low, high;
        source.NextFourWide(low, high);
        low = BlendTwo(low, _mm_unpacklo_epi8(dst, zero));
        high = BlendTwo(high, _mm_unpackhi_epi8(dst, zero));
        return _mm_or_si128(_mm_packus_epi16(low, high), opaque);
    };
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        auto* at = reinterpret_cast<__m128i*>(pixels + i);
        _mm_storeu_si128(at, blendFour(_mm_loadu_si128(at)));
    }
    if (i < count && i + 4 <= room) {
        auto* at = reinterpret_cast<__m128i*>(pixels + i);
        const __m128i dst = _mm_loadu_si128(at);
        _mm_storeu_si128(at, Select(FirstLanes(count - i), blendFour(dst), dst));
        return;
    }
    for (; i < count; ++i)
        pixels[i] = write(source.Next(), pixels[i]);
}
#endif

template <class Writer>
void Run(std::uint32_t* pixels, int count, int, GouraudSource source, Writer write)
{
    Run(pixels, count, source, write);
}

template <class Writer> struct ConstantPainter
{
    PixelBuffer& target;
    std::uint32_t color;
    Writer write;

    void operator()(int row, int x0, int x1) const
    {
        Run(target.Row(row) + x0, x1 - x0, ConstantSource{color}, write);
    }
};

template <class Writer> struct GouraudPainter
{
    PixelBuffer& target;
    const GouraudPlanes& planes;
    Writer write;

    void operator()(int row, int x0, int x1) const
    {
        Run(target.Row(row) + x0, x1 - x0, target.width - x0, planes.At(x0, row, x1 - x0), write);
    }
};

// Diffuse colours come from makeDiffuse(x0, row, count): constant or Gouraud.
template <class Writer> struct TexturedPainter
{
    PixelBuffer& target;
    const RasterState& state;
    const Plane& u;
    const Plane& v;
    Writer write;

    void operator()(int row, int x0, int x1) const
    {
        const PixelBuffer& texels = *state.texture;
        // Texel coordinates are sampled at pixel centres.
        const double x = x0 + 0.5, y = row + 0.5;
        const WrappedCoordinate tu(u.At(x, y), u.dx, texels.width);
        const WrappedCoordinate tv(v.At(x, y), v.dx, texels.height);
        Run(target.Row(row) + x0, x1 - x0, TexturedSource{texels, tu, tv}, write);
    }
};

} // namespace SpanPainters
