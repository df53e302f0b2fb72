#include "DeviceFixture.h"

#include <memory>
#include <utility>

// A zero back-buffer size taking the client size shows in every device the graphics system makes.
TEST(Direct3D, CreationNeedsTheSdkVersionAndALiveWindow)
{
    EXPECT_EQ(Direct3DCreate9(31), nullptr);
    IDirect3D9* direct3D = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(direct3D, nullptr);
    auto window = std::make_unique<QWidget>();
    const HWND dead = WindowHandles::HandleOf(window.get());
    window = std::make_unique<QWidget>(); // may take the dead one's place in memory
    IDirect3DDevice9* device = reinterpret_cast<IDirect3DDevice9*>(direct3D);
    D3DPRESENT_PARAMETERS params = Windowed();
    EXPECT_TRUE(FAILED(direct3D->CreateDevice(0, D3DDEVTYPE_HAL, dead, 0x20, &params, &device)));
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(direct3D->Release(), 0u);
}

TEST_F(DeviceTest, ReferenceCountsReachZeroWhateverTheOrderOfRelease)
{
    IDirect3DSwapChain9* chain = nullptr;
    device_->GetSwapChain(0, &chain);

    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(device_->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
              D3D_OK);
    device_->SetTexture(0, texture);
    EXPECT_EQ(texture->AddRef(), 3u); // the stage holds one
    EXPECT_EQ(texture->Release(), 2u);
    device_->SetTexture(0, nullptr);
    EXPECT_EQ(texture->Release(), 0u);

    // The device goes first; the swap chain outlives it and still works.
    EXPECT_EQ(device_->Release(), 0u);
    device_ = nullptr;
    IDirect3DSurface9* surface = nullptr;
    chain->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &surface);
    EXPECT_EQ(SoftwareSurface::From(surface)->Width(), Size);
    surface->Release();
    EXPECT_EQ(chain->Release(), 0u);
    EXPECT_EQ(direct3D_->Release(), 0u);
    direct3D_ = nullptr;
}

TEST_F(DeviceTest, InvalidCallsAreRefusedWithoutDrawing)
{
    const std::vector<ColorVertex> triangle{At(0, 0, kWhite), At(16, 0, kWhite), At(0, 16, kWhite)};
    device_->SetFVF(kColorFvf);
    const UINT stride = sizeof(ColorVertex);
    EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 1, nullptr, stride), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 0, triangle.data(), stride), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 1, triangle.data(), 12), D3DERR_INVALIDCALL);
    device_->SetFVF(D3DFVF_DIFFUSE); // no position
    EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 1, triangle.data(), stride), D3DERR_INVALIDCALL);
    EXPECT_EQ(CountNot(kBlack), 0);

    EXPECT_EQ(device_->EndScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->BeginScene(), D3D_OK);
    EXPECT_EQ(device_->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->EndScene(), D3D_OK);
}

TEST_F(DeviceTest, OnlyTheStatesAndPrimitivesTheRendererUsesAreAccepted)
{
    // What the renderer sets and no other test of the device does is accepted.
    const std::pair<D3DRENDERSTATETYPE, DWORD> accepted[] = {
        {D3DRS_FILLMODE, D3DFILL_POINT}, {D3DRS_POINTSPRITEENABLE, TRUE}, {D3DRS_CULLMODE, D3DCULL_NONE},
        {D3DRS_LIGHTING, FALSE},         {D3DRS_BLENDOP, D3DBLENDOP_ADD}, {D3DRS_FILLMODE, D3DFILL_SOLID}};
    for (const auto& [state, value] : accepted)
        EXPECT_EQ(device_->SetRenderState(state, value), D3D_OK) << state << " " << value;
    EXPECT_EQ(device_->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1), D3D_OK);
    Blend();
    const std::vector<ColorVertex> square{At(0, 0, 0x80FF0000u), At(16, 0, 0x80FF0000u),
                                          At(16, 16, 0x80FF0000u), At(0, 16, 0x80FF0000u)};

    // Other blend factors and operations, culling, lighting, point sprites off, values no
    // state has, the depth test (7) and point size (154) states: refused and not logged.
    const std::pair<D3DRENDERSTATETYPE, DWORD> refused[] = {{D3DRS_SRCBLEND, D3DBLEND_INVSRCALPHA},
                                                            {D3DRS_DESTBLEND, D3DBLEND_SRCALPHA},
                                                            {D3DRS_BLENDOP, 2},
                                                            {D3DRS_CULLMODE, 3},
                                                            {D3DRS_LIGHTING, TRUE},
                                                            {D3DRS_POINTSPRITEENABLE, FALSE},
                                                            {D3DRS_FILLMODE, 4},
                                                            {D3DRENDERSTATETYPE(7), 0},
                                                            {D3DRENDERSTATETYPE(154), 0}};
    SoftwareDevice::From(device_)->EnableCallLog(true);
    for (const auto& [state, value] : refused)
        EXPECT_EQ(device_->SetRenderState(state, value), D3DERR_INVALIDCALL) << state << " " << value;
    // Other texture operations, states and stages; strips and lists.
    EXPECT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_DISABLE), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetTextureStageState(0, static_cast<D3DTEXTURESTAGESTATETYPE>(2), 0),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetTexture(1, nullptr), D3DERR_INVALIDCALL);
    for (DWORD type : {3u, 4u, 5u})
        EXPECT_EQ(device_->DrawPrimitiveUP(static_cast<D3DPRIMITIVETYPE>(type), 1, square.data(), 16),
                  D3DERR_INVALIDCALL);
    EXPECT_TRUE(SoftwareDevice::From(device_)->CallLog().empty());
    ClearTo(kBlue);
    DrawFan(square);
    EXPECT_EQ(Pixel(5, 5), 0xFF80007Fu); // still a solid fan blended by source alpha
}

// A signed frame drawn from its record has the pixels of the frame made
// directly: from the state it started in, with a texture it set that only the
// record still holds. A frame signed without a record cannot be drawn so.
TEST_F(DeviceTest, ASignedFrameDrawsFromItsRecordAsMadeDirectly)
{
    SoftwareDevice* software = SoftwareDevice::From(device_);
    EXPECT_FALSE(software->DrawSignedFrame());
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(device_->CreateTexture(1, 1, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr), D3D_OK);
    D3DLOCKED_RECT locked;
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    *static_cast<D3DCOLOR*>(locked.pBits) = kGreen;
    texture->UnlockRect(0);
    const auto frame = [&] {
        ClearTo(kBlue);
        DrawFan({At(0, 0, 0x80FF0000u), At(16, 0, 0x80FF0000u), At(0, 16, 0x80FFFFFFu)});
        device_->SetTexture(0, texture);
        device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
        Blend();
        Draw(D3DPT_TRIANGLEFAN, 1,
             std::vector<ShapeVertex>{Textured(16, 16, 0, 0), Textured(16, 4, 0, 0), Textured(4, 16, 0, 0)},
             kShapeFvf);
        device_->SetTexture(0, nullptr);
        device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_DISABLE);
    };
    frame();
    const std::vector<D3DCOLOR> direct = Pixels();
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    ClearTo(kBlack);
    software->BeginSignature(true);
    frame();
    software->EndSignature();
    EXPECT_EQ(CountNot(kBlack), 0);
    EXPECT_EQ(texture->Release(), 1u);
    ASSERT_TRUE(software->DrawSignedFrame());
    EXPECT_EQ(Pixels(), direct);

    software->BeginSignature(false);
    software->EndSignature();
    EXPECT_FALSE(software->DrawSignedFrame());
}

// Setting a state to the value in force changes no pixel and leaves a frame's
// signature as it was; a call that changes a state changes it.
TEST_F(DeviceTest, OnlyCallsThatChangeAStateSignAFrame)
{
    // The world in force from the start; below zero, sign sets no state.
    const D3DXMATRIX identity(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    const auto sign = [&](int blend) {
        SoftwareDevice::From(device_)->BeginSignature(false);
        if (blend >= 0) {
            device_->SetRenderState(D3DRS_ALPHABLENDENABLE, blend);
            device_->SetTransform(D3DTS_WORLD, &identity);
        }
        DrawFan({At(0, 0, kRed), At(16, 0, kRed), At(0, 16, kRed)});
        return SoftwareDevice::From(device_)->EndSignature();
    };
    sign(-1); // from here on the fan's vertex format is in force
    const std::uint64_t plain = sign(-1);
    EXPECT_EQ(sign(FALSE), plain);
    EXPECT_NE(sign(TRUE), plain);
}
