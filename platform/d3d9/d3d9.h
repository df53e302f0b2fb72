#pragma once
// The Direct3D 9 / D3DX subset, implemented in software. Include this header.
//
// For tests: SoftwareDevice::From(IDirect3DDevice9*) gives the software device,
// whose EnableCallLog(true), CallLog() and ClearCallLog() record state changes,
// frame calls and draws (each draw with a copy of its vertex bytes, its FVF,
// primitive type, count and stride; see DeviceCall.h). Render target pixels:
// SoftwareDevice::From(device)->RenderTarget().PixelAt(x, row), row 0 being
// the top row (clip-space y = +1).
#include "platform/d3d9/D3DTypes.h"
#include "platform/d3d9/D3DXMath.h"
#include "platform/d3d9/D3DXTexture.h"
#include "platform/d3d9/DeviceCall.h"
#include "platform/d3d9/ID3DXMatrixStack.h"
#include "platform/d3d9/IDirect3D9.h"
#include "platform/d3d9/IDirect3DBaseTexture9.h"
#include "platform/d3d9/IDirect3DDevice9.h"
#include "platform/d3d9/IDirect3DSurface9.h"
#include "platform/d3d9/IDirect3DSwapChain9.h"
#include "platform/d3d9/IDirect3DTexture9.h"
#include "platform/d3d9/IUnknown.h"
#include "platform/d3d9/SoftwareDevice.h"
#include "platform/d3d9/SoftwareSurface.h"
