#include "platform/d3d9/DeviceState.h"

#include <bit>

DeviceState::DeviceState()
{
    D3DXMatrixIdentity(&world);
    D3DXMatrixIdentity(&view);
    D3DXMatrixIdentity(&projection);
    renderStates[D3DRS_ZENABLE] = FALSE;
    renderStates[D3DRS_FILLMODE] = D3DFILL_SOLID;
    renderStates[D3DRS_SHADEMODE] = D3DSHADE_GOURAUD;
    renderStates[D3DRS_SRCBLEND] = D3DBLEND_ONE;
    renderStates[D3DRS_DESTBLEND] = D3DBLEND_ZERO;
    renderStates[D3DRS_CULLMODE] = D3DCULL_CCW;
    renderStates[D3DRS_ALPHABLENDENABLE] = FALSE;
    renderStates[D3DRS_LIGHTING] = TRUE;
    renderStates[D3DRS_POINTSIZE] = std::bit_cast<DWORD>(1.0f);
    renderStates[D3DRS_POINTSPRITEENABLE] = FALSE;
    renderStates[D3DRS_BLENDOP] = D3DBLENDOP_ADD;
    for (DWORD stage = 0; stage < kStageCount; ++stage) {
        auto& states = stageStates[stage];
        // Stage 0 modulates texture and vertex colour; later stages start disabled.
        states[D3DTSS_COLOROP] = stage == 0 ? D3DTOP_MODULATE : D3DTOP_DISABLE;
        states[D3DTSS_COLORARG1] = D3DTA_TEXTURE;
        states[D3DTSS_COLORARG2] = D3DTA_CURRENT;
        states[D3DTSS_ALPHAOP] = stage == 0 ? D3DTOP_SELECTARG1 : D3DTOP_DISABLE;
        states[D3DTSS_ALPHAARG1] = D3DTA_TEXTURE;
        states[D3DTSS_ALPHAARG2] = D3DTA_CURRENT;
    }
}

float DeviceState::PointSize() const
{
    return std::bit_cast<float>(renderStates[D3DRS_POINTSIZE]);
}
