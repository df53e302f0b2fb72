#pragma once
#include "platform/d3d9/IDirect3DDevice9.h"

// Loads an image file (any format the image readers know: PNG, JPEG, BMP, GIF,
// PPM, ...) into a new ARGB texture with one reference. Fails, leaving
// *ppTexture null, when the file is missing, unreadable, not a regular file (a
// folder, pipe or device is refused at once, never waited on), not an image,
// truncated, or larger than 8192 × 8192 pixels.
HRESULT D3DXCreateTextureFromFileW(IDirect3DDevice9* pDevice, const wchar_t* pSrcFile,
                                   IDirect3DTexture9** ppTexture);
