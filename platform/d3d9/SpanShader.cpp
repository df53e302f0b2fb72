#include "platform/d3d9/SpanShader.h"

#include "platform/d3d9/PixelOps.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kOne = 65536.0;

struct ConstantSource
{
    std::uint32_t color;
    std::uint32_t Next() { return color; }
};

// a, r, g, b in 16.16, biased by one half so the shift rounds.
struct GouraudSource
{
    std::array<std::int32_t, 4> value;
    std::array<std::int32_t, 4> step;

    std::uint32_t Next()
    {
        const std::uint32_t out = (static_cast<std::uint32_t>(value[0] >> 16) << 24) |
                                  (static_cast<std::uint32_t>(value[1] >> 16) << 16) |
                                  (static_cast<std::uint32_t>(value[2] >> 16) << 8) |
                                  static_cast<std::uint32_t>(value[3] >> 16);
        for (int k = 0; k < 4; ++k)
            value[k] += step[k];
        return out;
    }
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

    static std::int32_t Wrap(double texels, int size)
    {
        if (!std::isfinite(texels))
            return 0;
        double wrapped = std::fmod(texels, static_cast<double>(size));
        if (wrapped < 0.0)
            wrapped += size;
        const auto fixed = static_cast<std::int64_t>(wrapped * kOne);
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(fixed, 0, (std::int64_t{size} << 16) - 1));
    }
};

// Nearest texel at the pixel centre, then the stage operation with the vertex colour.
template <class Diffuse> struct TexturedSource
{
    Diffuse diffuse;
    const RasterState& state;
    const PixelBuffer& texels;
    WrappedCoordinate u;
    WrappedCoordinate v;

    std::uint32_t Next()
    {
        const std::uint32_t texel = texels.Row(v.Texel())[u.Texel()];
        u.Advance();
        v.Advance();
        return PixelOps::Stage(state, texel, diffuse.Next());
    }
};

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

struct GenericWrite
{
    const RasterState& state;
    std::uint32_t operator()(std::uint32_t src, std::uint32_t dst) const
    {
        return PixelOps::BlendGeneric(state, src, dst);
    }
};

} // namespace

SpanShader::SpanShader(PixelBuffer& target, const RasterState& state) : target_(target), state_(state)
{
    if (!state.blend)
        writer_ = Writer::Opaque;
    else if (state.srcBlend == D3DBLEND_SRCALPHA && state.destBlend == D3DBLEND_INVSRCALPHA &&
             state.blendOp == D3DBLENDOP_ADD)
        writer_ = Writer::SourceAlpha;
    else
        writer_ = Writer::Generic;
}

void SpanShader::SetColor(D3DCOLOR color)
{
    gouraud_ = false;
    color_ = color;
}

void SpanShader::SetColorPlanes(const std::array<Plane, 4>& channels)
{
    gouraud_ = true;
    channels_ = channels;
    for (int k = 0; k < 4; ++k)
        channelSteps_[k] = static_cast<std::int32_t>(std::lround(channels[k].dx * kOne));
}

void SpanShader::SetTexelPlanes(const Plane& u, const Plane& v)
{
    u_ = u;
    v_ = v;
}

void SpanShader::Fill(int row, int x0, int x1)
{
    std::uint32_t* pixels = target_.Row(row) + x0;
    const int count = x1 - x0;
    // Attributes are sampled at pixel centres.
    const double x = x0 + 0.5;
    const double y = row + 0.5;
    switch (writer_) {
    case Writer::Opaque:
        if (!gouraud_ && !state_.texture)
            std::fill_n(pixels, count, color_ | PixelOps::kOpaque);
        else
            FillWith(pixels, x, y, count, OpaqueWrite{});
        break;
    case Writer::SourceAlpha:
        FillWith(pixels, x, y, count, SourceAlphaWrite{});
        break;
    case Writer::Generic:
        FillWith(pixels, x, y, count, GenericWrite{state_});
        break;
    }
}

template <class WriterOp>
void SpanShader::FillWith(std::uint32_t* pixels, double x, double y, int count, WriterOp op)
{
    const ConstantSource constant{color_};
    GouraudSource gouraud{};
    if (gouraud_) {
        for (int k = 0; k < 4; ++k) {
            const double start = channels_[k].At(x, y);
            const double end = start + channels_[k].dx * (count - 1);
            // Inside a primitive the planes stay within 0..255; rounding at the
            // rim may step just outside, so such spans interpolate between
            // clamped ends instead.
            if (start >= -0.25 && start <= 255.25 && end >= -0.25 && end <= 255.25) {
                gouraud.step[k] = channelSteps_[k];
            } else {
                const double from = std::clamp(start, 0.0, 255.0);
                const double to = std::clamp(end, 0.0, 255.0);
                gouraud.step[k] = count > 1 ? static_cast<std::int32_t>((to - from) * kOne / (count - 1)) : 0;
                gouraud.value[k] = static_cast<std::int32_t>(from * kOne + kOne / 2);
                continue;
            }
            gouraud.value[k] = static_cast<std::int32_t>(std::clamp(start, 0.0, 255.0) * kOne + kOne / 2);
        }
    }
    if (!state_.texture) {
        if (gouraud_)
            Run(pixels, count, gouraud, op);
        else
            Run(pixels, count, constant, op);
        return;
    }
    const PixelBuffer& texels = *state_.texture;
    const WrappedCoordinate u(u_.At(x, y), u_.dx, texels.width);
    const WrappedCoordinate v(v_.At(x, y), v_.dx, texels.height);
    if (gouraud_)
        Run(pixels, count, TexturedSource<GouraudSource>{gouraud, state_, texels, u, v}, op);
    else
        Run(pixels, count, TexturedSource<ConstantSource>{constant, state_, texels, u, v}, op);
}

template <class Source, class WriterOp>
void SpanShader::Run(std::uint32_t* pixels, int count, Source source, WriterOp op)
{
    for (int i = 0; i < count; ++i)
        pixels[i] = op(source.Next(), pixels[i]);
}
