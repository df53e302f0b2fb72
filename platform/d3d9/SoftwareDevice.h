#pragma once
#include "platform/d3d9/DeviceCall.h"
#include "platform/d3d9/DeviceState.h"
#include "platform/d3d9/DrawPipeline.h"
#include "platform/d3d9/FrameSignature.h"
#include "platform/d3d9/IDirect3DDevice9.h"
#include "platform/d3d9/RefCounted.h"
#include "platform/d3d9/SoftwareSwapChain.h"

#include <vector>

// The software device. Besides the interface it keeps an optional log of state
// changes, frame calls and draws for tests:
//
//   SoftwareDevice* device = SoftwareDevice::From(d3dDevice); // any IDirect3DDevice9*
//   device->EnableCallLog(true);
//   ... draw ...
//   for (const DeviceCall& call : device->CallLog()) ...      // see DeviceCall.h
//   device->ClearCallLog();
//
// A frame can be signed instead of drawn, so a view can skip a frame that
// would repeat the one it shows:
//
//   device->BeginSignature();
//   ... the frame's calls: state changes take effect, Clear and draws touch no pixel ...
//   std::uint64_t signature = device->EndSignature(); // equal inputs, equal signature
//
// Pixels of the render target: device->RenderTarget().PixelAt(x, row), or a
// swap chain's GetBackBuffer, then SoftwareSurface::From(surface)->PixelAt(x, row).
class SoftwareDevice final : public RefCounted<IDirect3DDevice9>
{
public:
    // A device whose own swap chain presents into params.hDeviceWindow with the
    // size in params (both non-zero); null when memory runs out.
    static SoftwareDevice* Create(const D3DPRESENT_PARAMETERS& params);
    // The software device behind an interface, or null.
    static SoftwareDevice* From(IDirect3DDevice9* device);

    HRESULT GetSwapChain(UINT iSwapChain, IDirect3DSwapChain9** pSwapChain) override;
    HRESULT CreateAdditionalSwapChain(D3DPRESENT_PARAMETERS* pPresentationParameters,
                                      IDirect3DSwapChain9** pSwapChain) override;
    HRESULT CreateTexture(UINT Width, UINT Height, UINT Levels, DWORD Usage, D3DFORMAT Format, D3DPOOL Pool,
                          IDirect3DTexture9** ppTexture, HANDLE* pSharedHandle) override;
    HRESULT SetRenderTarget(DWORD RenderTargetIndex, IDirect3DSurface9* pRenderTarget) override;
    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT Clear(DWORD Count, const D3DRECT* pRects, DWORD Flags, D3DCOLOR Color, float Z,
                  DWORD Stencil) override;
    HRESULT SetTransform(D3DTRANSFORMSTATETYPE State, const D3DMATRIX* pMatrix) override;
    HRESULT SetRenderState(D3DRENDERSTATETYPE State, DWORD Value) override;
    HRESULT SetFVF(DWORD FVF) override;
    HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE PrimitiveType, UINT PrimitiveCount,
                            const void* pVertexStreamZeroData, UINT VertexStreamZeroStride) override;
    HRESULT SetTexture(DWORD Stage, IDirect3DBaseTexture9* pTexture) override;
    HRESULT SetTextureStageState(DWORD Stage, D3DTEXTURESTAGESTATETYPE Type, DWORD Value) override;
    HRESULT Present(const RECT* pSourceRect, const RECT* pDestRect, HWND hDestWindowOverride,
                    const RGNDATA* pDirtyRegion) override;

    // Starts or stops logging; the log is kept either way until cleared.
    void EnableCallLog(bool on) { logging_ = on; }
    const std::vector<DeviceCall>& CallLog() const { return log_; }
    void ClearCallLog() { log_.clear(); }
    // The surface draws go to.
    SoftwareSurface& RenderTarget() { return *renderTarget_; }

    // Until EndSignature, Clear and draws leave the render target alone and nothing
    // is logged; the state the frame starts from, the target's size, every state
    // change, clear, draw and the content of the textures drawn with feed the signature.
    void BeginSignature();
    std::uint64_t EndSignature();

private:
    explicit SoftwareDevice(SoftwareSwapChain* swapChain);
    ~SoftwareDevice() override;

    D3DXMATRIX* TransformSlot(D3DTRANSFORMSTATETYPE state);
    // The new log record for the caller to complete, or null while logging is off.
    DeviceCall* Log(DeviceCall::Kind kind, DWORD stage = 0, DWORD state = 0, DWORD value = 0);
    // While signing: the call and its arguments go into the signature.
    void Sign(DeviceCall::Kind kind, DWORD stage, DWORD state, DWORD value);

    SoftwareSwapChain* swapChain_;  // one reference
    SoftwareSurface* renderTarget_; // one reference
    DeviceState state_;
    DrawPipeline pipeline_;
    bool inScene_ = false;
    bool logging_ = false;
    std::vector<DeviceCall> log_;
    bool signing_ = false;
    FrameSignature signature_;
};
