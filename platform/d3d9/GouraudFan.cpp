#include "platform/d3d9/GouraudFan.h"

#include "platform/d3d9/ConvexFan.h"
#include "platform/d3d9/OutlineChain.h"
#include "platform/d3d9/SpanPainters.h"

#include <algorithm>

using FixedPoint::EdgeColumns;
using FixedPoint::FirstCentreAtOrAfter;
using FixedPoint::SubPoint;

namespace {

std::size_t Wrapped(std::size_t index, std::size_t size)
{
    return index >= size ? index - size : index;
}

// Pixels written past a piece at most.
constexpr int kOverrun = 8;

// The colours of a piece of count pixels. Under SSE2 eight are always written
// and longer pieces in whole groups of four: up to eight pixels past the
// piece, which the next piece overwrites or the buffer has room for.
void WritePiece(std::uint32_t* out, std::int64_t count, SpanPainters::GouraudSource source)
{
#if defined(__SSE2__)
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), source.NextFour());
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4), source.NextFour());
    for (std::int64_t i = 8; i < count; i += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), source.NextFour());
#else
    for (std::int64_t i = 0; i < count; ++i)
        out[i] = source.Next();
#endif
}

} // namespace

GouraudFan::GouraudFan(PixelBuffer& target, bool blend, Scratch& scratch)
    : target_(target), blend_(blend), scratch_(scratch)
{
}

const SpanPainters::GouraudPlanes& GouraudFan::Planes(std::size_t k)
{
    if (!scratch_.planesReady[k]) {
        scratch_.planes[k] = SpanPainters::GouraudPlanes(fan_[0], fan_[k + 1], fan_[k + 2], true);
        scratch_.planesReady[k] = 1;
    }
    return scratch_.planes[k];
}

template <int Direction>
GouraudFan::Span GouraudFan::FillRow(int row, std::int64_t leftCut, std::size_t spoke, std::size_t crossing,
                                     std::int64_t rightCut)
{
    const std::size_t m = scratch_.planes.size();
    const auto after = [m](std::size_t i) { return i + 1 == m ? 0 : i + 1; };
    const auto before = [m](std::size_t i) { return (i == 0 ? m : i) - 1; };
    const std::int64_t width = target_.width;
    const std::int64_t left = std::clamp<std::int64_t>(leftCut, 0, width);
    const std::int64_t right = std::clamp<std::int64_t>(rightCut, left, width);
    std::uint32_t* colours = scratch_.colours.data();
    auto& spokes = scratch_.spokes;
    const auto piece = [&](std::size_t triangle, std::int64_t x0, std::int64_t x1) {
        if (x0 < x1)
            WritePiece(colours + x0, x1 - x0,
                       Planes(triangle).At(static_cast<int>(x0), row, static_cast<int>(x1 - x0)));
    };
    // Pieces are written left to right, each from where the last one ended, so
    // what one writes past its end the next overwrites.
    std::size_t triangle = Direction > 0 ? before(spoke) : spoke;
    std::int64_t x0 = left;
    for (std::size_t n = 0; n < crossing; ++n) {
        const std::int64_t x1 = std::min(std::max(spokes[spoke].Value(), x0), right);
        spokes[spoke].Step();
        piece(triangle, x0, x1);
        triangle = Direction > 0 ? spoke : before(spoke);
        spoke = Direction > 0 ? after(spoke) : before(spoke);
        x0 = x1;
    }
    piece(triangle, x0, right);
    return {static_cast<int>(left), static_cast<int>(right - left)};
}

void GouraudFan::Emit(int row, Span span)
{
    std::uint32_t* pixels = target_.Row(row) + span.from;
    const SpanPainters::RowSource source{scratch_.colours.data() + span.from};
    if (blend_)
        SpanPainters::Run(pixels, span.count, source, SpanPainters::SourceAlphaWrite{});
    else
        SpanPainters::Run(pixels, span.count, source, SpanPainters::OpaqueWrite{});
}

void GouraudFan::Fill(std::span<const ScreenVertex> fan, SubPoint centre, std::span<const SubPoint> outline)
{
    const std::size_t m = outline.size();
    const auto [top, firstRow, endRow] = OutlineChain::RowsOf(outline, target_.height);
    if (firstRow >= endRow)
        return;
    fan_ = fan;
    scratch_.planes.resize(m);
    scratch_.planesReady.assign(m, 0);
    scratch_.colours.resize(static_cast<std::size_t>(target_.width) + kOverrun);
    // Above the centre's row a spoke runs from its rim vertex down to the
    // centre and crosses the rows from its vertex's on; below, from the centre
    // down to its vertex. Each starts stepping at the first row it crosses.
    const std::int64_t centreRow = FirstCentreAtOrAfter(centre.y);
    const std::int64_t firstLowerRow = std::max(centreRow, firstRow);
    auto& spokes = scratch_.spokes;
    spokes.resize(m);
    for (std::size_t j = 0; j < m; ++j) {
        const std::int64_t vertexRow = FirstCentreAtOrAfter(outline[j].y);
        if (vertexRow < centreRow)
            spokes[j] = EdgeColumns(outline[j], centre, std::max(vertexRow, firstRow));
        else if (vertexRow > firstLowerRow)
            spokes[j] = EdgeColumns(centre, outline[j], firstLowerRow);
    }

    // Turning clockwise on the target, the forward chain is the right side.
    const bool forwardOnRight = ConvexFan::Turn(centre, outline[0], outline[1]) > 0;
    OutlineChain forward(outline, top, true), backward(outline, top, false);
    for (std::int64_t row = firstRow; row < endRow; ++row) {
        forward.Reach(row);
        backward.Reach(row);
        // The crossing spokes in outline order, between the two outline edges:
        // above the centre those of the rim vertices already passed, below
        // those of the vertices still to come.
        const bool above = row < centreRow;
        const OutlineChain& start = above ? backward : forward;
        const OutlineChain& end = above ? forward : backward;
        const std::size_t first = above ? start.From() : start.To();
        const std::size_t crossing = Wrapped((above ? end.From() : end.To()) + m - first, m) + 1;
        const int y = static_cast<int>(row);
        Emit(y, above == forwardOnRight
                    ? FillRow<1>(y, start.Column(), first, crossing, end.Column())
                    : FillRow<-1>(y, end.Column(), Wrapped(first + crossing - 1, m), crossing, start.Column()));
        forward.Step();
        backward.Step();
    }
}
