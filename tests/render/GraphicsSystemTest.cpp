#include "render/GraphicsSystem.h"
#include "platform/win/ModalPrompts.h"
#include "platform/win/WindowHandles.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {

TAVD3D_GraphicsSystem& Graphics()
{
    return TAVD3D_GraphicsSystem::GetInstance();
}

DWORD RenderState(D3DRENDERSTATETYPE state)
{
    DWORD value = 0;
    Graphics().GetDevice()->GetRenderState(state, &value);
    return value;
}

D3DSURFACE_DESC BackBufferOf(IDirect3DSwapChain9* chain)
{
    IDirect3DSurface9* surface = nullptr;
    D3DSURFACE_DESC desc;
    chain->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &surface);
    surface->GetDesc(&desc);
    surface->Release();
    return desc;
}

// Answers every message box with OK and remembers what it was asked.
class MessageBoxRecorder
{
public:
    MessageBoxRecorder()
    {
        ModalPrompts::SetMessageBoxAnswerer([this](const ModalPrompts::MessageBoxRequest& request) {
            requests.push_back(request);
            return IDOK;
        });
    }
    ~MessageBoxRecorder() { ModalPrompts::SetMessageBoxAnswerer({}); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<ModalPrompts::MessageBoxRequest> requests;
};

} // namespace

TEST(GraphicsSystem, ContextIsCreatedOnceForTheFocusWindow)
{
    QWidget window;
    window.resize(24, 12);
    ASSERT_TRUE(Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&window)));
    IDirect3DDevice9* device = Graphics().GetDevice();
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(Graphics().IsInitialized());

    // Asked again, even for another window, it keeps what it has.
    QWidget other;
    other.resize(5, 5);
    EXPECT_TRUE(Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&other)));
    EXPECT_EQ(Graphics().GetDevice(), device);

    IDirect3DSwapChain9* own = nullptr;
    device->GetSwapChain(0, &own);
    EXPECT_EQ(BackBufferOf(own).Width, 24u);
    EXPECT_EQ(BackBufferOf(own).Height, 12u);
    own->Release();
    DWORD fvf = 0;
    device->GetFVF(&fvf);
    EXPECT_EQ(fvf, 0x42u);
    EXPECT_EQ(RenderState(D3DRS_CULLMODE), static_cast<DWORD>(D3DCULL_NONE));
    EXPECT_EQ(RenderState(D3DRS_LIGHTING), static_cast<DWORD>(FALSE));

    // Releasing gives back the system's references: the test's own is the last.
    device->AddRef();
    Graphics().ReleaseGraphicsContext();
    EXPECT_FALSE(Graphics().IsInitialized());
    EXPECT_EQ(Graphics().GetDevice(), nullptr);
    EXPECT_EQ(device->Release(), 0u);
}

TEST(GraphicsSystem, DeviceCreationFailureIsReportedInAMessageBox)
{
    MessageBoxRecorder boxes;
    QWidget empty;
    empty.resize(0, 0);
    EXPECT_FALSE(Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&empty)));
    EXPECT_FALSE(Graphics().CreateGraphicsContext(nullptr));

    ASSERT_EQ(boxes.requests.size(), 2u);
    for (const auto& request : boxes.requests) {
        EXPECT_EQ(request.owner, nullptr);
        EXPECT_EQ(request.text, L"D3D Creation Failed during CreateDevice");
        EXPECT_EQ(request.caption, L"TAVD3D_GraphicsSystem::CreateGraphicsContext");
        EXPECT_EQ(request.type, MB_OK);
    }
    EXPECT_FALSE(Graphics().IsInitialized());
    EXPECT_EQ(Graphics().GetDevice(), nullptr);
    // No texture can be loaded without a device, and nothing is kept.
    EXPECT_EQ(Graphics().FindTexture(L"anything.bmp", true), nullptr);
    Graphics().ReleaseGraphicsContext();
}

// The count of swap chains handed out lives as long as the process, so the
// whole sequence is one test.
TEST(GraphicsSystem, FirstSwapChainIsTheDevicesOwnAndLaterOnesFitTheirWindow)
{
    QWidget main, zoom, empty;
    main.resize(16, 16);
    zoom.resize(10, 7);
    empty.resize(10, 0);
    ASSERT_TRUE(Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&main)));

    // Refusals hand nothing out and do not count.
    EXPECT_EQ(Graphics().CreateSwapChain(nullptr), nullptr);
    EXPECT_EQ(Graphics().CreateSwapChain(WindowHandles::HandleOf(&empty)), nullptr);

    IDirect3DSwapChain9* first = Graphics().CreateSwapChain(WindowHandles::HandleOf(&main));
    IDirect3DSwapChain9* own = nullptr;
    Graphics().GetDevice()->GetSwapChain(0, &own);
    EXPECT_EQ(first, own);
    own->Release();

    IDirect3DSwapChain9* second = Graphics().CreateSwapChain(WindowHandles::HandleOf(&zoom));
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(BackBufferOf(second).Width, 10u);
    EXPECT_EQ(BackBufferOf(second).Height, 7u);

    // The same window again gets yet another chain: the count only grows.
    IDirect3DSwapChain9* third = Graphics().CreateSwapChain(WindowHandles::HandleOf(&main));
    EXPECT_NE(third, first);
    EXPECT_EQ(BackBufferOf(third).Width, 16u);

    // Each caller owns one reference; they outlive the device.
    Graphics().ReleaseGraphicsContext();
    EXPECT_EQ(first->Release(), 0u);
    EXPECT_EQ(second->Release(), 0u);
    EXPECT_EQ(third->Release(), 0u);
}
