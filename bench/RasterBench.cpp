#include "platform/d3d9/d3d9.h"
#include "platform/win/WindowHandles.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <vector>

// One fixed scene drawn three ways: our device with flat fans, our device with
// Gouraud fans, and QPainter filling the same polygons without antialiasing.
namespace {

constexpr int Width = 800;
constexpr int Height = 600;
constexpr int FanCount = 2000;
constexpr int FanVertices = 40; // centre, 38 rim points, closing copy
constexpr D3DCOLOR Background = 0xFFCCCCCCu;

struct FanVertex
{
    float x, y, z;
    D3DCOLOR color;
};

struct Fan
{
    std::vector<FanVertex> vertices; // clip space
    QPolygonF outline;               // target pixels, y down
    D3DCOLOR color;
    D3DCOLOR centreColor;
    bool translucent;
};

// A fixed pseudo-random sequence, so every run draws the same scene.
class Lcg
{
public:
    std::uint32_t Next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    float Uniform(float lo, float hi)
    {
        return lo + (hi - lo) * static_cast<float>(Next() % 65536) / 65535.0f;
    }

private:
    std::uint32_t state_ = 12345u;
};

std::vector<Fan> MakeScene()
{
    Lcg random;
    std::vector<Fan> scene;
    for (int i = 0; i < FanCount; ++i) {
        const float cx = random.Uniform(0, Width), cy = random.Uniform(0, Height);
        const float radius = random.Uniform(10, 60);
        Fan fan;
        fan.translucent = i % 2 == 1;
        const std::uint32_t alpha = fan.translucent ? 0x80u : 0xFFu;
        fan.color = (alpha << 24) | (random.Next() & 0xFFFFFFu);
        fan.centreColor = (alpha << 24) | (random.Next() & 0xFFFFFFu);
        auto clip = [](float px, float py, D3DCOLOR color) {
            return FanVertex{px / (Width / 2.0f) - 1.0f, 1.0f - py / (Height / 2.0f), 0.0f, color};
        };
        fan.vertices.push_back(clip(cx, cy, fan.centreColor));
        const double step = 2.0 * M_PI / (FanVertices - 2);
        for (int k = 0; k < FanVertices - 2; ++k) {
            const float px = cx + radius * static_cast<float>(std::cos(k * step));
            const float py = cy - radius * static_cast<float>(std::sin(k * step));
            fan.vertices.push_back(clip(px, py, fan.color));
            fan.outline << QPointF(px, py);
        }
        fan.vertices.push_back(fan.vertices[1]);
        scene.push_back(std::move(fan));
    }
    return scene;
}

class DeviceScene
{
public:
    DeviceScene() : scene_(MakeScene())
    {
        window_.resize(Width, Height);
        direct3D_ = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS params{};
        params.Windowed = TRUE;
        params.SwapEffect = D3DSWAPEFFECT_DISCARD;
        direct3D_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, WindowHandles::HandleOf(&window_),
                                D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &device_);
        device_->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE);
        device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
        device_->SetRenderState(D3DRS_BLENDOP, D3DBLENDOP_ADD);
    }
    ~DeviceScene()
    {
        device_->Release();
        direct3D_->Release();
    }
    DeviceScene(const DeviceScene&) = delete;
    DeviceScene& operator=(const DeviceScene&) = delete;

    void Draw(bool gouraud)
    {
        device_->SetRenderState(D3DRS_SHADEMODE, gouraud ? D3DSHADE_GOURAUD : D3DSHADE_FLAT);
        device_->Clear(0, nullptr, D3DCLEAR_TARGET, Background, 0.0f, 0);
        for (const Fan& fan : scene_) {
            device_->SetRenderState(D3DRS_ALPHABLENDENABLE, fan.translucent ? TRUE : FALSE);
            device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, FanVertices - 2, fan.vertices.data(),
                                     sizeof(FanVertex));
        }
    }

    // Quads over the whole target, one colour each, as two flat triangles.
    void DrawQuads(const std::vector<D3DCOLOR>& colors, bool blend)
    {
        device_->SetRenderState(D3DRS_SHADEMODE, D3DSHADE_FLAT);
        device_->SetRenderState(D3DRS_ALPHABLENDENABLE, blend ? TRUE : FALSE);
        for (D3DCOLOR color : colors) {
            const FanVertex quad[4] = {{-1.0f, 1.0f, 0.0f, color},
                                       {1.0f, 1.0f, 0.0f, color},
                                       {1.0f, -1.0f, 0.0f, color},
                                       {-1.0f, -1.0f, 0.0f, color}};
            device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, sizeof(FanVertex));
        }
    }

    void DrawWithQPainter(QImage& image) const
    {
        image.fill(QColor::fromRgba(Background));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        for (const Fan& fan : scene_) {
            painter.setBrush(QColor::fromRgba(fan.color));
            painter.drawPolygon(fan.outline);
        }
    }

private:
    std::vector<Fan> scene_;
    QWidget window_;
    IDirect3D9* direct3D_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};

// CPU time of the whole process (QPainter may use helper threads), so other
// work on the machine does not skew the ratios.
double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <typename F> double Seconds(F&& draw)
{
    const double start = CpuSeconds();
    draw();
    return CpuSeconds() - start;
}

// One iteration draws the scene with our device (flat) and with QPainter.
void BM_FlatFansVersusQPainter(benchmark::State& state)
{
    DeviceScene scene;
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    double ours = 0.0, qpainter = 0.0;
    for (auto _ : state) {
        ours += Seconds([&] { scene.Draw(false); });
        qpainter += Seconds([&] { scene.DrawWithQPainter(image); });
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ours_ms"] = ours / n * 1e3;
    state.counters["qpainter_ms"] = qpainter / n * 1e3;
    state.counters["ours/qpainter"] = ours / qpainter;
}
BENCHMARK(BM_FlatFansVersusQPainter)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One iteration draws the scene with Gouraud and with flat fans on our device.
void BM_GouraudVersusFlatFans(benchmark::State& state)
{
    DeviceScene scene;
    double gouraud = 0.0, flat = 0.0;
    for (auto _ : state) {
        gouraud += Seconds([&] { scene.Draw(true); });
        flat += Seconds([&] { scene.Draw(false); });
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["gouraud_ms"] = gouraud / n * 1e3;
    state.counters["flat_ms"] = flat / n * 1e3;
    state.counters["gouraud/flat"] = gouraud / flat;
}
BENCHMARK(BM_GouraudVersusFlatFans)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// 64 colours, each filling the whole target as two triangles.
std::vector<D3DCOLOR> QuadColors(std::uint32_t alpha)
{
    std::vector<D3DCOLOR> colors;
    for (std::uint32_t i = 1; i <= 64; ++i)
        colors.push_back(alpha << 24 | ((0x10305u * i) & 0xFFFFFFu));
    return colors;
}

// Half-transparent large triangles: our pixel rate over QPainter's on the same triangles.
void BM_BlendedFillVersusQPainter(benchmark::State& state)
{
    DeviceScene scene;
    const std::vector<D3DCOLOR> colors = QuadColors(0x80u);
    const QPolygonF upper({QPointF(0, 0), QPointF(Width, 0), QPointF(Width, Height)});
    const QPolygonF lower({QPointF(0, 0), QPointF(Width, Height), QPointF(0, Height)});
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor::fromRgba(Background));
    double ours = 0.0, qpainter = 0.0;
    for (auto _ : state) {
        ours += Seconds([&] { scene.DrawQuads(colors, true); });
        qpainter += Seconds([&] {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(Qt::NoPen);
            for (D3DCOLOR color : colors) {
                painter.setBrush(QColor::fromRgba(color));
                painter.drawPolygon(upper);
                painter.drawPolygon(lower);
            }
        });
    }
    state.counters["ours_ms"] = ours / static_cast<double>(state.iterations()) * 1e3;
    state.counters["qpainter_ms"] = qpainter / static_cast<double>(state.iterations()) * 1e3;
    state.counters["rate_ours/qpainter"] = qpainter / ours;
}
BENCHMARK(BM_BlendedFillVersusQPainter)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Opaque large triangles: our fill bandwidth over memset's on the same number of bytes.
void BM_OpaqueFillVersusMemset(benchmark::State& state)
{
    DeviceScene scene;
    const std::vector<D3DCOLOR> colors = QuadColors(0xFFu);
    std::vector<std::uint32_t> buffer(static_cast<std::size_t>(Width) * Height);
    double ours = 0.0, memset = 0.0;
    for (auto _ : state) {
        ours += Seconds([&] { scene.DrawQuads(colors, false); });
        memset += Seconds([&] {
            for (D3DCOLOR color : colors) {
                std::memset(buffer.data(), static_cast<int>(color & 0xFFu),
                            buffer.size() * sizeof(std::uint32_t));
                benchmark::ClobberMemory();
            }
        });
    }
    state.counters["ours_ms"] = ours / static_cast<double>(state.iterations()) * 1e3;
    state.counters["memset_ms"] = memset / static_cast<double>(state.iterations()) * 1e3;
    state.counters["bandwidth_ours/memset"] = memset / ours;
}
BENCHMARK(BM_OpaqueFillVersusMemset)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
