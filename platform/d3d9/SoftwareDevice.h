#pragma once
#include "platform/d3d9/CallRecord.h"
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
// would repeat the one it shows, and draw one that would not from the calls
// the signing recorded, without making them again:
//
//   device->BeginSignature(true);
//   ... the frame's calls: state changes take effect, Clear and draws touch no pixel ...
//   std::uint64_t signature = device->EndSignature(); // equal inputs, equal signature
//   if (signature != shown && !device->DrawSignedFrame())
//       ... make the frame's calls again ...
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
    // is logged; the state the frame starts from, the target's size, every call
    // that changes a state (setting the value in force changes nothing and is
    // left out), clear, draw and the content of the textures drawn with feed the signature.
    // record: keep the frame's calls for DrawSignedFrame.
    void BeginSignature(bool record);
    std::uint64_t EndSignature();
    // Makes the calls of the frame signed last, from the state it started in,
    // as the frame made them; false, doing nothing, when no complete record of
    // them is at hand (none kept, or memory ran out while recording).
    bool DrawSignedFrame();

private:
    explicit SoftwareDevice(SoftwareSwapChain* swapChain);
    ~SoftwareDevice() override;

    D3DXMATRIX* TransformSlot(D3DTRANSFORMSTATETYPE state);
    // The new log record for the caller to complete, or null while logging is off.
    DeviceCall* Log(DeviceCall::Kind kind, DWORD stage = 0, DWORD state = 0, DWORD value = 0);
    // While signing: the call and its arguments go into the signature and the record.
    void Sign(DeviceCall::Kind kind, DWORD stage, DWORD state, DWORD value);
    // While signing: what a call was given beyond its words, after them in the record.
    template <typename T> void Record(const T& value) { RecordBytes(&value, sizeof value); }
    void RecordBytes(const void* bytes, std::size_t size)
    {
        if (recording_ && !record_.Append(bytes, size))
            recording_ = false;
    }
    // Keeps a reference to an object a recorded call names until the next signing.
    void Hold(IUnknown* object);
    void ReleaseHeld();
    // Binds a texture to a stage, moving the device's reference.
    void Bind(DWORD stage, IDirect3DBaseTexture9* texture);

    struct RecordedCall
    {
        DeviceCall::Kind kind;
        DWORD stage;
        DWORD state;
        DWORD value;
    };
    struct RecordedDraw
    {
        D3DPRIMITIVETYPE type;
        UINT count;
        UINT stride;
        std::size_t bytes; // the vertices that follow
    };

    SoftwareSwapChain* swapChain_;  // one reference
    SoftwareSurface* renderTarget_; // one reference
    DeviceState state_;
    DrawPipeline pipeline_;
    bool inScene_ = false;
    bool logging_ = false;
    std::vector<DeviceCall> log_;
    bool signing_ = false;
    FrameSignature signature_;
    // The signed frame: the state it started in and its calls, one after the
    // other in one block (kept for reuse), each call's words, then its arguments.
    DeviceState signedStart_;
    CallRecord record_;
    bool recording_ = false;
    std::vector<IUnknown*> held_; // one reference each
};
