#pragma once
// Value types, enumerations and result codes of the Direct3D 9 / D3DX subset the
// renderer calls, with the values the renderer and its saved states rely on.
#include "platform/win/WinTypes.h"

#include <cstdint>

using HRESULT = std::int32_t;
using ULONG = std::uint32_t;
using D3DCOLOR = std::uint32_t;
using HANDLE = void*;

constexpr HRESULT D3D_OK = 0;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT D3DERR_INVALIDCALL = static_cast<HRESULT>(0x8876086Cu);
constexpr HRESULT D3DERR_NOTAVAILABLE = static_cast<HRESULT>(0x8876086Au);
constexpr HRESULT D3DXERR_INVALIDDATA = static_cast<HRESULT>(0x88760B59u);

constexpr bool SUCCEEDED(HRESULT hr)
{
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr)
{
    return hr < 0;
}

constexpr UINT D3D_SDK_VERSION = 32;
constexpr UINT D3DADAPTER_DEFAULT = 0;

enum D3DFORMAT : std::uint32_t {
    D3DFMT_UNKNOWN = 0,
    D3DFMT_A8R8G8B8 = 21,
    D3DFMT_X8R8G8B8 = 22,
};

enum D3DDEVTYPE : std::uint32_t {
    D3DDEVTYPE_HAL = 1,
};

constexpr DWORD D3DCREATE_SOFTWARE_VERTEXPROCESSING = 0x00000020;

enum D3DSWAPEFFECT : std::uint32_t {
    D3DSWAPEFFECT_DISCARD = 1,
};

constexpr UINT D3DPRESENT_INTERVAL_IMMEDIATE = 0x80000000;

enum D3DBACKBUFFER_TYPE : std::uint32_t {
    D3DBACKBUFFER_TYPE_MONO = 0,
};

enum D3DPOOL : std::uint32_t {
    D3DPOOL_MANAGED = 1,
};

// The render states the renderer sets, each taking only the values it sets: any fill
// and shade mode below, alpha blending TRUE or FALSE, the source-alpha blend below,
// no culling, lighting FALSE and point sprites TRUE. SetRenderState refuses any
// other state or value.
enum D3DRENDERSTATETYPE : std::uint32_t {
    D3DRS_FILLMODE = 8,
    D3DRS_SHADEMODE = 9,
    D3DRS_SRCBLEND = 19,
    D3DRS_DESTBLEND = 20,
    D3DRS_CULLMODE = 22,
    D3DRS_ALPHABLENDENABLE = 27,
    D3DRS_LIGHTING = 137,
    D3DRS_POINTSPRITEENABLE = 156,
    D3DRS_BLENDOP = 171,
};

// The device never culls; D3DRS_CULLMODE takes only NONE.
enum D3DCULL : std::uint32_t {
    D3DCULL_NONE = 1,
};

enum D3DSHADEMODE : std::uint32_t {
    D3DSHADE_FLAT = 1,
    D3DSHADE_GOURAUD = 2,
};

enum D3DFILLMODE : std::uint32_t {
    D3DFILL_POINT = 1,
    D3DFILL_WIREFRAME = 2,
    D3DFILL_SOLID = 3,
};

// Blending is source alpha over the target: D3DRS_SRCBLEND takes SRCALPHA,
// D3DRS_DESTBLEND INVSRCALPHA and D3DRS_BLENDOP ADD, which are also their
// initial values.
enum D3DBLEND : std::uint32_t {
    D3DBLEND_SRCALPHA = 5,
    D3DBLEND_INVSRCALPHA = 6,
};

enum D3DBLENDOP : std::uint32_t {
    D3DBLENDOP_ADD = 1,
};

enum D3DTRANSFORMSTATETYPE : std::uint32_t {
    D3DTS_VIEW = 2,
    D3DTS_PROJECTION = 3,
    D3DTS_WORLD = 256,
};

// Flexible vertex format bits: the fields of a vertex, in this order in memory.
constexpr DWORD D3DFVF_XYZ = 0x002;
constexpr DWORD D3DFVF_PSIZE = 0x020;
constexpr DWORD D3DFVF_DIFFUSE = 0x040;
constexpr DWORD D3DFVF_TEX1 = 0x100;

enum D3DPRIMITIVETYPE : std::uint32_t {
    D3DPT_POINTLIST = 1,
    D3DPT_LINELIST = 2,
    D3DPT_TRIANGLEFAN = 6,
};

// There is one texture stage, stage 0. Its first argument is the texture, its
// second the vertex colour.
enum D3DTEXTURESTAGESTATETYPE : std::uint32_t {
    D3DTSS_COLOROP = 1,
    D3DTSS_ALPHAOP = 4,
};

// D3DTSS_COLOROP takes SELECTARG1 or DISABLE, D3DTSS_ALPHAOP SELECTARG1.
// MODULATE is stage 0's initial colour operation and cannot be set.
enum D3DTEXTUREOP : std::uint32_t {
    D3DTOP_DISABLE = 1,
    D3DTOP_SELECTARG1 = 2,
    D3DTOP_MODULATE = 4,
};

constexpr DWORD D3DCLEAR_TARGET = 0x00000001;

// A row-vector 4x4 matrix: a point (x, y, z, 1) is multiplied from the left.
struct D3DMATRIX
{
    union {
        struct
        {
            float _11, _12, _13, _14;
            float _21, _22, _23, _24;
            float _31, _32, _33, _34;
            float _41, _42, _43, _44;
        };
        float m[4][4];
    };
};

// Clear rectangles and region data are never read; clears and presents pass null.
struct D3DRECT;
struct RGNDATA;

// The display's pixel format.
struct D3DDISPLAYMODE
{
    D3DFORMAT Format = D3DFMT_UNKNOWN;
};

struct D3DPRESENT_PARAMETERS
{
    UINT BackBufferWidth = 0;
    UINT BackBufferHeight = 0;
    D3DFORMAT BackBufferFormat = D3DFMT_UNKNOWN;
    D3DSWAPEFFECT SwapEffect = static_cast<D3DSWAPEFFECT>(0);
    HWND hDeviceWindow = nullptr;
    BOOL Windowed = FALSE;
    UINT PresentationInterval = 0;
};

// A locked surface: Pitch bytes from one row to the next, row 0 at the top.
struct D3DLOCKED_RECT
{
    int Pitch = 0;
    void* pBits = nullptr;
};
