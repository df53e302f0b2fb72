#include "platform/d3d9/SoftwareDevice.h"

#include "platform/d3d9/SoftwareTexture.h"

#include <cstring>
#include <new>

SoftwareDevice* SoftwareDevice::Create(const D3DPRESENT_PARAMETERS& params)
{
    SoftwareSwapChain* chain = SoftwareSwapChain::Create(params);
    if (!chain)
        return nullptr;
    auto* device = new (std::nothrow) SoftwareDevice(chain);
    if (!device)
        chain->Release();
    return device;
}

SoftwareDevice* SoftwareDevice::From(IDirect3DDevice9* device)
{
    return dynamic_cast<SoftwareDevice*>(device);
}

SoftwareDevice::SoftwareDevice(SoftwareSwapChain* swapChain)
    : swapChain_(swapChain), renderTarget_(swapChain->BackBuffer())
{
    renderTarget_->AddRef();
}

SoftwareDevice::~SoftwareDevice()
{
    for (IDirect3DBaseTexture9* texture : state_.textures)
        if (texture)
            texture->Release();
    ReleaseHeld();
    renderTarget_->Release();
    swapChain_->Release();
}

DeviceCall* SoftwareDevice::Log(DeviceCall::Kind kind, DWORD stage, DWORD state, DWORD value)
{
    if (signing_) {
        Sign(kind, stage, state, value);
        return nullptr;
    }
    if (!logging_)
        return nullptr;
    DeviceCall& call = log_.emplace_back();
    call.kind = kind;
    call.stage = stage;
    call.state = state;
    call.value = value;
    return &call;
}

void SoftwareDevice::Sign(DeviceCall::Kind kind, DWORD stage, DWORD state, DWORD value)
{
    signature_.Add(static_cast<std::uint64_t>(kind) << 32 | stage);
    signature_.Add(static_cast<std::uint64_t>(state) << 32 | value);
    Record(RecordedCall{kind, stage, state, value});
}

void SoftwareDevice::Hold(IUnknown* object)
{
    if (!recording_)
        return;
    try {
        held_.push_back(object);
        object->AddRef();
    } catch (const std::bad_alloc&) {
        recording_ = false;
    }
}

void SoftwareDevice::ReleaseHeld()
{
    for (IUnknown* object : held_)
        object->Release();
    held_.clear();
}

void SoftwareDevice::BeginSignature(bool record)
{
    ReleaseHeld();
    record_.Clear();
    recording_ = record;
    // The start state is needed only to replay the record.
    if (record) {
        signedStart_ = state_;
        for (IDirect3DBaseTexture9* texture : state_.textures)
            if (texture)
                Hold(texture);
    }
    signing_ = true;
    signature_ = FrameSignature();
    signature_.Add(renderTarget_->ContentVersion());
    signature_.Add(static_cast<std::uint64_t>(renderTarget_->Width()) << 32 |
                   static_cast<std::uint32_t>(renderTarget_->Height()));
    signature_.Add(&state_.world, sizeof(state_.world));
    signature_.Add(&state_.view, sizeof(state_.view));
    signature_.Add(&state_.projection, sizeof(state_.projection));
    signature_.Add(state_.renderStates.data(), sizeof(state_.renderStates));
    signature_.Add(state_.stageStates.data(), sizeof(state_.stageStates));
    signature_.Add(state_.fvf);
}

std::uint64_t SoftwareDevice::EndSignature()
{
    signing_ = false;
    return signature_.Value();
}

bool SoftwareDevice::DrawSignedFrame()
{
    if (signing_ || !recording_)
        return false;
    for (DWORD stage = 0; stage < DeviceState::kStageCount; ++stage)
        Bind(stage, signedStart_.textures[stage]);
    const auto textures = state_.textures;
    state_ = signedStart_;
    state_.textures = textures;
    // Each call as recorded: its words, then what it was given beyond them.
    std::size_t at = 0;
    const auto read = [&](auto& out) {
        std::memcpy(&out, record_.Data() + at, sizeof out);
        at += sizeof out;
    };
    while (at < record_.Size()) {
        RecordedCall call;
        read(call);
        switch (call.kind) {
        case DeviceCall::Kind::SetRenderState:
            SetRenderState(static_cast<D3DRENDERSTATETYPE>(call.state), call.value);
            break;
        case DeviceCall::Kind::SetTextureStageState:
            SetTextureStageState(call.stage, static_cast<D3DTEXTURESTAGESTATETYPE>(call.state), call.value);
            break;
        case DeviceCall::Kind::SetTexture: {
            IDirect3DBaseTexture9* texture = nullptr;
            read(texture);
            SetTexture(call.stage, texture);
            break;
        }
        case DeviceCall::Kind::SetTransform: {
            D3DMATRIX matrix;
            read(matrix);
            SetTransform(static_cast<D3DTRANSFORMSTATETYPE>(call.state), &matrix);
            break;
        }
        case DeviceCall::Kind::SetFVF:
            SetFVF(call.value);
            break;
        case DeviceCall::Kind::SetRenderTarget: {
            IDirect3DSurface9* target = nullptr;
            read(target);
            SetRenderTarget(call.stage, target);
            break;
        }
        case DeviceCall::Kind::Clear: {
            DWORD flags = 0;
            read(flags);
            Clear(0, nullptr, flags, call.value, 0.0f, 0);
            break;
        }
        case DeviceCall::Kind::BeginScene:
            BeginScene();
            break;
        case DeviceCall::Kind::EndScene:
            EndScene();
            break;
        case DeviceCall::Kind::Present:
            Present(nullptr, nullptr, nullptr, nullptr);
            break;
        case DeviceCall::Kind::DrawPrimitiveUP: {
            RecordedDraw draw;
            read(draw);
            DrawPrimitiveUP(draw.type, draw.count, record_.Data() + at, draw.stride);
            at += draw.bytes;
            break;
        }
        }
    }
    return true;
}

HRESULT SoftwareDevice::GetSwapChain(UINT iSwapChain, IDirect3DSwapChain9** pSwapChain)
{
    if (!pSwapChain)
        return D3DERR_INVALIDCALL;
    *pSwapChain = nullptr;
    if (iSwapChain != 0)
        return D3DERR_INVALIDCALL;
    swapChain_->AddRef();
    *pSwapChain = swapChain_;
    return D3D_OK;
}

HRESULT SoftwareDevice::CreateAdditionalSwapChain(D3DPRESENT_PARAMETERS* pPresentationParameters,
                                                  IDirect3DSwapChain9** pSwapChain)
{
    if (!pSwapChain)
        return D3DERR_INVALIDCALL;
    *pSwapChain = nullptr;
    if (!pPresentationParameters || !pPresentationParameters->hDeviceWindow ||
        pPresentationParameters->BackBufferWidth == 0 || pPresentationParameters->BackBufferHeight == 0)
        return D3DERR_INVALIDCALL;
    *pSwapChain = SoftwareSwapChain::Create(*pPresentationParameters);
    return *pSwapChain ? D3D_OK : E_OUTOFMEMORY;
}

HRESULT SoftwareDevice::CreateTexture(UINT Width, UINT Height, UINT Levels, DWORD, D3DFORMAT Format, D3DPOOL,
                                      IDirect3DTexture9** ppTexture, HANDLE* pSharedHandle)
{
    if (!ppTexture)
        return D3DERR_INVALIDCALL;
    *ppTexture = nullptr;
    if (Levels > 1 || Format != D3DFMT_A8R8G8B8 || pSharedHandle || Width == 0 || Height == 0 ||
        Width > PixelBuffer::kMaxSide || Height > PixelBuffer::kMaxSide)
        return D3DERR_INVALIDCALL;
    *ppTexture = SoftwareTexture::Create(static_cast<int>(Width), static_cast<int>(Height));
    return *ppTexture ? D3D_OK : E_OUTOFMEMORY;
}

HRESULT SoftwareDevice::SetRenderTarget(DWORD RenderTargetIndex, IDirect3DSurface9* pRenderTarget)
{
    SoftwareSurface* target = SoftwareSurface::From(pRenderTarget);
    // Only back buffers: every pixel written is given an opaque alpha byte.
    if (RenderTargetIndex != 0 || !target || target->Format() != D3DFMT_X8R8G8B8)
        return D3DERR_INVALIDCALL;
    if (DeviceCall* call = Log(DeviceCall::Kind::SetRenderTarget, RenderTargetIndex))
        call->object = pRenderTarget;
    if (signing_) {
        signature_.Add(target->ContentVersion());
        Record(pRenderTarget);
        Hold(target);
    }
    target->AddRef();
    renderTarget_->Release();
    renderTarget_ = target;
    return D3D_OK;
}

HRESULT SoftwareDevice::BeginScene()
{
    if (inScene_)
        return D3DERR_INVALIDCALL;
    inScene_ = true;
    Log(DeviceCall::Kind::BeginScene);
    return D3D_OK;
}

HRESULT SoftwareDevice::EndScene()
{
    if (!inScene_)
        return D3DERR_INVALIDCALL;
    inScene_ = false;
    Log(DeviceCall::Kind::EndScene);
    return D3D_OK;
}

HRESULT SoftwareDevice::Clear(DWORD Count, const D3DRECT* pRects, DWORD Flags, D3DCOLOR Color, float, DWORD)
{
    if (Count != 0 || pRects)
        return D3DERR_INVALIDCALL;
    if (DeviceCall* call = Log(DeviceCall::Kind::Clear, 0, 0, Color))
        call->flags = Flags;
    if (signing_) {
        signature_.Add(Flags);
        Record(Flags);
        return D3D_OK;
    }
    if (Flags & D3DCLEAR_TARGET) {
        // The target is XRGB: its alpha byte always reads as opaque.
        const std::uint32_t fill = Color | 0xFF000000u;
        std::vector<std::uint32_t>& pixels = renderTarget_->Pixels().pixels;
        std::fill(pixels.begin(), pixels.end(), fill);
    }
    return D3D_OK;
}

D3DXMATRIX* SoftwareDevice::TransformSlot(D3DTRANSFORMSTATETYPE state)
{
    switch (state) {
    case D3DTS_WORLD:
        return &state_.world;
    case D3DTS_VIEW:
        return &state_.view;
    case D3DTS_PROJECTION:
        return &state_.projection;
    }
    return nullptr;
}

HRESULT SoftwareDevice::SetTransform(D3DTRANSFORMSTATETYPE State, const D3DMATRIX* pMatrix)
{
    D3DXMATRIX* slot = TransformSlot(State);
    if (!slot || !pMatrix)
        return D3DERR_INVALIDCALL;
    if (signing_ && std::memcmp(slot, pMatrix, sizeof(D3DMATRIX)) == 0)
        return D3D_OK;
    if (DeviceCall* call = Log(DeviceCall::Kind::SetTransform, 0, State))
        call->matrix = *pMatrix;
    if (signing_) {
        signature_.Add(pMatrix, sizeof(D3DMATRIX));
        Record(*pMatrix);
    }
    *slot = D3DXMATRIX(*pMatrix);
    return D3D_OK;
}

HRESULT SoftwareDevice::SetRenderState(D3DRENDERSTATETYPE State, DWORD Value)
{
    if (!DeviceState::AcceptsRenderState(State, Value))
        return D3DERR_INVALIDCALL;
    if (signing_ && state_.renderStates[State] == Value)
        return D3D_OK;
    Log(DeviceCall::Kind::SetRenderState, 0, State, Value);
    state_.renderStates[State] = Value;
    return D3D_OK;
}

HRESULT SoftwareDevice::SetFVF(DWORD FVF)
{
    if (signing_ && state_.fvf == FVF)
        return D3D_OK;
    Log(DeviceCall::Kind::SetFVF, 0, 0, FVF);
    state_.fvf = FVF;
    return D3D_OK;
}

HRESULT SoftwareDevice::DrawPrimitiveUP(D3DPRIMITIVETYPE PrimitiveType, UINT PrimitiveCount,
                                        const void* pVertexStreamZeroData, UINT VertexStreamZeroStride)
{
    const DrawPipeline::Batch batch{PrimitiveType, PrimitiveCount,
                                    static_cast<const std::uint8_t*>(pVertexStreamZeroData),
                                    VertexStreamZeroStride};
    const std::size_t vertexCount = DrawPipeline::VertexCount(state_.fvf, batch);
    if (vertexCount == 0)
        return D3DERR_INVALIDCALL;
    if (DeviceCall* call = Log(DeviceCall::Kind::DrawPrimitiveUP)) {
        call->primitiveType = PrimitiveType;
        call->primitiveCount = PrimitiveCount;
        call->stride = VertexStreamZeroStride;
        call->fvf = state_.fvf;
        call->vertices.assign(batch.vertices, batch.vertices + vertexCount * VertexStreamZeroStride);
    }
    if (signing_) {
        // Texels may have changed since the texture was set.
        for (IDirect3DBaseTexture9* texture : state_.textures)
            signature_.Add(texture ? SoftwareTexture::From(texture)->ContentVersion() : 0);
        const std::size_t bytes = vertexCount * VertexStreamZeroStride;
        signature_.Add(batch.vertices, bytes);
        Record(RecordedDraw{PrimitiveType, PrimitiveCount, VertexStreamZeroStride, bytes});
        RecordBytes(batch.vertices, bytes);
        return D3D_OK;
    }
    return pipeline_.Draw(state_, renderTarget_->Pixels(), batch) ? D3D_OK : E_OUTOFMEMORY;
}

HRESULT SoftwareDevice::SetTexture(DWORD Stage, IDirect3DBaseTexture9* pTexture)
{
    if (Stage >= DeviceState::kStageCount || (pTexture && !SoftwareTexture::From(pTexture)))
        return D3DERR_INVALIDCALL;
    if (signing_ && state_.textures[Stage] == pTexture)
        return D3D_OK;
    if (DeviceCall* call = Log(DeviceCall::Kind::SetTexture, Stage))
        call->object = pTexture;
    if (signing_) {
        Record(pTexture);
        if (pTexture)
            Hold(pTexture);
    }
    Bind(Stage, pTexture);
    return D3D_OK;
}

void SoftwareDevice::Bind(DWORD stage, IDirect3DBaseTexture9* texture)
{
    if (texture)
        texture->AddRef();
    if (state_.textures[stage])
        state_.textures[stage]->Release();
    state_.textures[stage] = texture;
}

HRESULT SoftwareDevice::SetTextureStageState(DWORD Stage, D3DTEXTURESTAGESTATETYPE Type, DWORD Value)
{
    if (Stage >= DeviceState::kStageCount || !DeviceState::AcceptsStageState(Type, Value))
        return D3DERR_INVALIDCALL;
    if (signing_ && state_.stageStates[Stage][Type] == Value)
        return D3D_OK;
    Log(DeviceCall::Kind::SetTextureStageState, Stage, Type, Value);
    state_.stageStates[Stage][Type] = Value;
    return D3D_OK;
}

HRESULT SoftwareDevice::Present(const RECT* pSourceRect, const RECT* pDestRect, HWND hDestWindowOverride,
                                const RGNDATA* pDirtyRegion)
{
    Log(DeviceCall::Kind::Present);
    return swapChain_->Present(pSourceRect, pDestRect, hDestWindowOverride, pDirtyRegion, 0);
}
