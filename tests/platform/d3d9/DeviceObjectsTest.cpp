#include "DeviceFixture.h"

#include "platform/win/FramePresenter.h"

#include <memory>
#include <utility>

namespace {

const SoftwareSurface* BackBufferOf(IDirect3DSwapChain9* chain)
{
    IDirect3DSurface9* surface = nullptr;
    chain->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &surface);
    surface->Release();
    return SoftwareSurface::From(surface);
}

D3DXVECTOR3 Transformed(const D3DXVECTOR3& point, const D3DXMATRIX& matrix)
{
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &point, &matrix);
    return out;
}

} // namespace

TEST(Direct3D, CreationNeedsTheSdkVersionAndALiveWindowWhoseClientSizesTheBackBuffer)
{
    EXPECT_EQ(Direct3DCreate9(31), nullptr);
    IDirect3D9* direct3D = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(direct3D, nullptr);
    IDirect3DDevice9* device = reinterpret_cast<IDirect3DDevice9*>(direct3D);
    D3DPRESENT_PARAMETERS params = Windowed();
    EXPECT_TRUE(FAILED(direct3D->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0x20, &params, &device)));
    EXPECT_EQ(device, nullptr);

    auto window = std::make_unique<QWidget>();
    const HWND dead = WindowHandles::HandleOf(window.get());
    window = std::make_unique<QWidget>();
    window->resize(20, 10);
    EXPECT_TRUE(FAILED(direct3D->CreateDevice(0, D3DDEVTYPE_HAL, dead, 0x20, &params, &device)));
    EXPECT_EQ(device, nullptr);

    // A zero back-buffer size takes the client size.
    D3DDISPLAYMODE mode;
    ASSERT_EQ(direct3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
    params.BackBufferFormat = mode.Format;
    ASSERT_EQ(direct3D->CreateDevice(0, D3DDEVTYPE_HAL, WindowHandles::HandleOf(window.get()), 0x20, &params,
                                     &device),
              D3D_OK);
    IDirect3DSwapChain9* chain = nullptr;
    ASSERT_EQ(device->GetSwapChain(0, &chain), D3D_OK);
    EXPECT_EQ(BackBufferOf(chain)->Width(), 20);
    EXPECT_EQ(BackBufferOf(chain)->Height(), 10);
    EXPECT_EQ(BackBufferOf(chain)->Format(), D3DFMT_X8R8G8B8);
    EXPECT_EQ(params.BackBufferWidth, 20u);
    chain->Release();
    device->Release();
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
    EXPECT_EQ(BackBufferOf(chain)->Width(), Size);
    EXPECT_EQ(chain->Release(), 0u);
    EXPECT_EQ(direct3D_->Release(), 0u);
    direct3D_ = nullptr;
}

TEST_F(DeviceTest, AdditionalSwapChainsHaveTheirOwnSizeAndPresentIntoTheirWindow)
{
    QWidget second;
    second.resize(8, 6);
    D3DPRESENT_PARAMETERS params = Windowed(WindowHandles::HandleOf(&second), 8, 6);
    IDirect3DSwapChain9* chain = nullptr;
    ASSERT_EQ(device_->CreateAdditionalSwapChain(&params, &chain), D3D_OK);

    IDirect3DSurface9* backBuffer = nullptr;
    chain->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &backBuffer);
    ASSERT_EQ(device_->SetRenderTarget(0, backBuffer), D3D_OK);
    ClearTo(kRed);
    ASSERT_EQ(chain->Present(nullptr, nullptr, params.hDeviceWindow, nullptr, 0), D3D_OK);
    const QImage frame = FramePresenter::LastFrame(params.hDeviceWindow);
    ASSERT_EQ(frame.size(), QSize(8, 6));
    EXPECT_EQ(frame.pixel(7, 5), kRed);
    // The device's own back buffer was not touched and still presents into the focus window.
    ASSERT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    EXPECT_EQ(FramePresenter::LastFrame(Window()).pixel(0, 0), kBlack);

    backBuffer->Release();
    chain->Release();
    EXPECT_EQ(device_->CreateAdditionalSwapChain(nullptr, &chain), D3DERR_INVALIDCALL);
    EXPECT_EQ(chain, nullptr);
}

TEST_F(DeviceTest, CallLogRecordsStatesAndDrawsWithTheirVertices)
{
    SoftwareDevice* device = SoftwareDevice::From(device_);
    ASSERT_NE(device, nullptr);
    device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME); // not logged yet
    device->EnableCallLog(true);
    device_->SetRenderState(D3DRS_SHADEMODE, D3DSHADE_FLAT);
    const std::vector<ColorVertex> line{At(1, 1, kRed), At(5, 1, kBlue)};
    Draw(D3DPT_LINELIST, 1, line, kColorFvf);
    device->EnableCallLog(false);
    device_->SetRenderState(D3DRS_SHADEMODE, D3DSHADE_GOURAUD); // no longer logged

    const std::vector<DeviceCall>& log = device->CallLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].kind, DeviceCall::Kind::SetRenderState);
    EXPECT_EQ(log[0].state, static_cast<DWORD>(D3DRS_SHADEMODE));
    EXPECT_EQ(log[0].value, static_cast<DWORD>(D3DSHADE_FLAT));
    EXPECT_EQ(log[1].kind, DeviceCall::Kind::SetFVF);
    const DeviceCall& draw = log[2];
    EXPECT_EQ(draw.kind, DeviceCall::Kind::DrawPrimitiveUP);
    EXPECT_EQ(draw.primitiveType, D3DPT_LINELIST);
    EXPECT_EQ(draw.fvf, kColorFvf);
    ASSERT_EQ(draw.VertexCount(), 2u);
    EXPECT_EQ(draw.VertexAt<ColorVertex>(1).color, kBlue);
    EXPECT_EQ(draw.VertexAt<ColorVertex>(1).x, line[1].x);
    device->ClearCallLog();
    EXPECT_TRUE(device->CallLog().empty());
}

TEST_F(DeviceTest, InvalidCallsAreRefusedAndDrawNothing)
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

TEST_F(DeviceTest, OnlyTheStatesAndPrimitivesTheRendererUsesAreAcceptedAndRefusalsChangeNothing)
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

TEST(MatrixStack, LocalOperationsApplyBeforeWhatIsAlreadyOnTop)
{
    ID3DXMatrixStack* stack = nullptr;
    ASSERT_EQ(D3DXCreateMatrixStack(0, &stack), D3D_OK);
    stack->TranslateLocal(1, 2, 0);
    stack->ScaleLocal(2, 2, 1);
    // Scaled first, then moved: (1, 0) → (2, 0) → (3, 2).
    EXPECT_FLOAT_EQ(Transformed({1, 0, 0}, *stack->GetTop()).y, 2.0f);

    stack->Push();
    const D3DXVECTOR3 axis(0, 0, 1);
    stack->RotateAxisLocal(&axis, static_cast<float>(M_PI / 2));
    // A quarter turn counter-clockwise comes before the scale: (1, 0) → (0, 1) → (0, 2) → (1, 4).
    const D3DXVECTOR3 p = Transformed({1, 0, 0}, *stack->GetTop());
    EXPECT_NEAR(p.x, 1.0f, 1e-6f);
    EXPECT_NEAR(p.y, 4.0f, 1e-6f);

    EXPECT_EQ(stack->Pop(), D3D_OK);
    EXPECT_FLOAT_EQ(Transformed({1, 0, 0}, *stack->GetTop()).x, 3.0f);
    // The last entry stays.
    EXPECT_EQ(stack->Pop(), D3DERR_INVALIDCALL);
    EXPECT_FLOAT_EQ(Transformed({1, 0, 0}, *stack->GetTop()).x, 3.0f);
    EXPECT_EQ(stack->Release(), 0u);
}

TEST(MatrixMath, RowVectorsComposeLeftToRightAndDivideByANonZeroW)
{
    D3DXMATRIX translate, scale;
    D3DXMatrixTranslation(&translate, 5, 0, 0);
    D3DXMatrixScaling(&scale, 3, 1, 1);
    // Translate, then scale: (1, 0) → (6, 0) → (18, 0); the output may be one of the inputs.
    D3DXMatrixMultiply(&translate, &translate, &scale);
    EXPECT_FLOAT_EQ(Transformed({1, 0, 0}, translate).x, 18.0f);

    D3DXMATRIX flat;
    D3DXMatrixIdentity(&flat);
    for (const auto& [w, divided] : {std::pair{2.0f, D3DXVECTOR3(2, -3, 4)}, {0.0f, D3DXVECTOR3(4, -6, 8)}}) {
        flat._44 = w; // w 0 leaves the point undivided
        const D3DXVECTOR3 out = Transformed({4, -6, 8}, flat);
        EXPECT_FLOAT_EQ(out.x, divided.x) << w;
        EXPECT_FLOAT_EQ(out.y, divided.y) << w;
        EXPECT_FLOAT_EQ(out.z, divided.z) << w;
    }
}
