#include "view/D3DWindowHandler.h"

#include "platform/d3d9/SoftwareDevice.h"
#include "render/GraphicsSystem.h"

TAVD3D_WindowHandler::~TAVD3D_WindowHandler()
{
    TAVD3D_WindowHandler::DetachFromWindow();
}

bool TAVD3D_WindowHandler::IsInitialized() const
{
    return device_ && swapChain_;
}

bool TAVD3D_WindowHandler::AttachToWindow(HWND window)
{
    DetachFromWindow();
    if (!TAV_WindowHandler::AttachToWindow(window))
        return false;
    TAVD3D_GraphicsSystem& graphics = TAVD3D_GraphicsSystem::GetInstance();
    IDirect3DDevice9* device = graphics.GetDevice();
    if (!device)
        return false;
    device_ = InterfaceRef<IDirect3DDevice9>::Share(device);
    swapChain_ = InterfaceRef<IDirect3DSwapChain9>::Adopt(graphics.CreateSwapChain(GetWindow()));
    return IsInitialized();
}

void TAVD3D_WindowHandler::DetachFromWindow()
{
    swapChain_.Reset();
    device_.Reset();
}

// A view without area keeps the swap chain it has until it gets one again.
void TAVD3D_WindowHandler::FollowClientSize()
{
    int width = 0;
    int height = 0;
    GetDeviceSize(width, height);
    D3DPRESENT_PARAMETERS params{};
    if (swapChain_ && swapChain_->GetPresentParameters(&params) == D3D_OK &&
        params.BackBufferWidth == static_cast<UINT>(width) &&
        params.BackBufferHeight == static_cast<UINT>(height))
        return;
    if (width <= 0 || height <= 0)
        return;
    swapChain_ = InterfaceRef<IDirect3DSwapChain9>::Adopt(
        TAVD3D_GraphicsSystem::GetInstance().CreateSwapChain(GetWindow()));
    OnClientSizeChanged();
}

void TAVD3D_WindowHandler::BeginDraw()
{
    if (!device_)
        return;
    FollowClientSize();
    if (!swapChain_)
        return;
    swapChain_->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, backBuffer_.Receive());
    device_->SetRenderTarget(0, backBuffer_.Get());
    device_->BeginScene();
}

void TAVD3D_WindowHandler::EndDraw()
{
    if (device_)
        device_->EndScene();
    if (swapChain_)
        swapChain_->Present(nullptr, nullptr, GetWindow(), nullptr, 0);
    backBuffer_.Reset();
}

void TAVD3D_WindowHandler::DrawFrameIfChanged(const std::function<void()>& drawFrame)
{
    BeginDraw();
    // The signature covers the back buffer too, so a new size or swap chain draws.
    if (SoftwareDevice* software = SoftwareDevice::From(device_.Get()); software && backBuffer_) {
        // Recording costs a copy of the frame's calls: worth it while frames
        // keep changing, as when something is dragged, not while at rest.
        software->BeginSignature(recordFrames_);
        drawFrame();
        const std::uint64_t signature = software->EndSignature();
        recordFrames_ = signature != shownSignature_;
        if (!recordFrames_) {
            device_->EndScene();
            backBuffer_.Reset();
            return;
        }
        shownSignature_ = signature;
        if (!software->DrawSignedFrame())
            drawFrame();
    } else {
        drawFrame();
    }
    EndDraw();
}

void TAVD3D_WindowHandler::SetupViewTransform()
{
    if (!device_)
        return;
    const TAV_BoundingBox box = GetWorldWindow();
    const TAV_Vector3 lo = box.GetMin(), hi = box.GetMax();
    D3DXMATRIX translation, scaling, view;
    D3DXMatrixTranslation(&translation, -(lo.x + hi.x) / 2.0f, -(lo.y + hi.y) / 2.0f, 0.0f);
    D3DXMatrixScaling(&scaling, 2.0f / (hi.x - lo.x), 2.0f / (hi.y - lo.y), 1.0f);
    // Row vectors: translate first, then scale.
    D3DXMatrixMultiply(&view, &translation, &scaling);
    device_->SetTransform(D3DTS_VIEW, &view);
}
