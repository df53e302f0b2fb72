#include "platform/d3d9/DeviceState.h"

DeviceState::DeviceState()
{
    D3DXMatrixIdentity(&world);
    D3DXMatrixIdentity(&view);
    D3DXMatrixIdentity(&projection);
    renderStates[D3DRS_FILLMODE] = D3DFILL_SOLID;
    renderStates[D3DRS_SHADEMODE] = D3DSHADE_GOURAUD;
    renderStates[D3DRS_SRCBLEND] = D3DBLEND_SRCALPHA;
    renderStates[D3DRS_DESTBLEND] = D3DBLEND_INVSRCALPHA;
    renderStates[D3DRS_CULLMODE] = D3DCULL_NONE;
    renderStates[D3DRS_ALPHABLENDENABLE] = FALSE;
    renderStates[D3DRS_LIGHTING] = FALSE;
    renderStates[D3DRS_POINTSPRITEENABLE] = FALSE;
    renderStates[D3DRS_BLENDOP] = D3DBLENDOP_ADD;
    // Stage 0 starts disabled, passing the vertex colour, until a texture is selected.
    stageStates[0][D3DTSS_COLOROP] = D3DTOP_DISABLE;
    stageStates[0][D3DTSS_ALPHAOP] = D3DTOP_SELECTARG1;
}

bool DeviceState::AcceptsRenderState(D3DRENDERSTATETYPE state, DWORD value)
{
    switch (state) {
    case D3DRS_FILLMODE:
        return value == D3DFILL_POINT || value == D3DFILL_WIREFRAME || value == D3DFILL_SOLID;
    case D3DRS_SHADEMODE:
        return value == D3DSHADE_FLAT || value == D3DSHADE_GOURAUD;
    case D3DRS_ALPHABLENDENABLE:
        return value == FALSE || value == TRUE;
    case D3DRS_SRCBLEND:
        return value == D3DBLEND_SRCALPHA;
    case D3DRS_DESTBLEND:
        return value == D3DBLEND_INVSRCALPHA;
    case D3DRS_BLENDOP:
        return value == D3DBLENDOP_ADD;
    case D3DRS_CULLMODE:
        return value == D3DCULL_NONE;
    case D3DRS_LIGHTING:
        return value == FALSE;
    case D3DRS_POINTSPRITEENABLE:
        return value == TRUE;
    }
    return false;
}

bool DeviceState::AcceptsStageState(D3DTEXTURESTAGESTATETYPE type, DWORD value)
{
    switch (type) {
    case D3DTSS_COLOROP:
        return value == D3DTOP_SELECTARG1 || value == D3DTOP_DISABLE;
    case D3DTSS_ALPHAOP:
        return value == D3DTOP_SELECTARG1;
    }
    return false;
}
