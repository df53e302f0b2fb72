#include "primitives/PrimitiveCircle.h"
#include "render/D3DDrawHelper.h"
#include "tests/render/DrawHelperTestFixture.h"

namespace {

bool IsDraw(const DeviceCall& call)
{
    return call.kind == DeviceCall::Kind::DrawPrimitiveUP;
}

bool IsState(const DeviceCall& call, D3DRENDERSTATETYPE state, DWORD value)
{
    return call.kind == DeviceCall::Kind::SetRenderState && call.state == state && call.value == value;
}

} // namespace

using PrimitiveDeviceSequence = DrawHelperDeviceTest;

TEST_F(PrimitiveDeviceSequence, InvisiblePrimitiveSendsNothingToTheDevice)
{
    TAV_PrimitiveCircle circle;
    circle.SetRadius(0.5f);
    circle.SetDrawBoundingVolume(true);
    circle.SetVisible(false);
    TAVD3D_DrawHelper helper;
    device_->ClearCallLog();
    circle.Draw(2, helper);
    EXPECT_TRUE(Log().empty());
}

TEST_F(PrimitiveDeviceSequence, RedOutlineFollowsTheFanWithBlendingAndTextureOff)
{
    TAV_PrimitiveCircle circle;
    circle.SetRadius(0.5f);
    circle.SetBlending(true);
    circle.SetTexturing(true);
    circle.SetTextureName(L"no-such-texture.bmp");
    circle.SetDrawBoundingVolume(true);
    TAVD3D_DrawHelper helper;
    device_->ClearCallLog();
    circle.Draw(0, helper);

    const std::vector<DeviceCall>& log = Log();
    std::size_t fan = log.size();
    for (std::size_t i = 0; i < log.size() && fan == log.size(); ++i)
        if (IsDraw(log[i]) && log[i].primitiveType == D3DPT_TRIANGLEFAN)
            fan = i;
    ASSERT_LT(fan, log.size());
    EXPECT_EQ(log[fan].VertexCount(), 10u);
    // The geometry itself is drawn blended.
    DWORD blendingAtFan = FALSE;
    for (std::size_t i = 0; i < fan; ++i)
        if (log[i].kind == DeviceCall::Kind::SetRenderState && log[i].state == D3DRS_ALPHABLENDENABLE)
            blendingAtFan = log[i].value;
    EXPECT_EQ(blendingAtFan, static_cast<DWORD>(TRUE));

    bool blendingOff = false, textureOff = false, flat = false, wireframe = false;
    int lines = 0;
    for (std::size_t i = fan + 1; i < log.size(); ++i) {
        const DeviceCall& call = log[i];
        blendingOff |= IsState(call, D3DRS_ALPHABLENDENABLE, FALSE);
        textureOff |= call.kind == DeviceCall::Kind::SetTexture && call.stage == 0 && call.object == nullptr;
        flat |= IsState(call, D3DRS_SHADEMODE, D3DSHADE_FLAT);
        wireframe |= IsState(call, D3DRS_FILLMODE, D3DFILL_WIREFRAME);
        if (!IsDraw(call))
            continue;
        ASSERT_EQ(call.primitiveType, D3DPT_LINELIST);
        EXPECT_TRUE(blendingOff && textureOff && flat && wireframe) << "line " << lines;
        for (std::size_t v = 0; v < 2; ++v)
            EXPECT_EQ(call.VertexAt<LoggedShapeVertex>(v).color, 0xFFFF0000u);
        ++lines;
    }
    EXPECT_EQ(lines, 4);
}
