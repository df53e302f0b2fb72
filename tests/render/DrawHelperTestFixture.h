#pragma once
#include "platform/d3d9/SoftwareDevice.h"
#include "platform/win/WindowHandles.h"
#include "render/GraphicsSystem.h"

#include <QWidget>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

// The vertex layouts as the device receives them.
struct LoggedShapeVertex
{
    float x, y, z;
    std::uint32_t color;
    float u, v;
};
struct LoggedPointVertex
{
    float x, y, z;
    float size;
    std::uint32_t color;
};

// A graphics context on a 16 x 16 window with the device's call log switched on;
// released after each test so every test starts from a fresh device.
class DrawHelperDeviceTest : public ::testing::Test
{
protected:
    static constexpr int Size = 16;

    void SetUp() override
    {
        window_.resize(Size, Size);
        ASSERT_TRUE(Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&window_)));
        device_ = SoftwareDevice::From(Graphics().GetDevice());
        ASSERT_NE(device_, nullptr);
        device_->EnableCallLog(true);
    }
    void TearDown() override { Graphics().ReleaseGraphicsContext(); }

    static TAVD3D_GraphicsSystem& Graphics() { return TAVD3D_GraphicsSystem::GetInstance(); }
    const std::vector<DeviceCall>& Log() const { return device_->CallLog(); }

    std::vector<DeviceCall> Draws() const
    {
        std::vector<DeviceCall> draws;
        for (const DeviceCall& call : Log())
            if (call.kind == DeviceCall::Kind::DrawPrimitiveUP)
                draws.push_back(call);
        return draws;
    }

    // The one draw logged since the log was last cleared.
    DeviceCall OnlyDraw() const
    {
        const std::vector<DeviceCall> draws = Draws();
        EXPECT_EQ(draws.size(), 1u);
        return draws.empty() ? DeviceCall{} : draws.front();
    }

    std::vector<LoggedShapeVertex> ShapeVertices(const DeviceCall& draw) const
    {
        std::vector<LoggedShapeVertex> vertices;
        for (std::size_t i = 0; i < draw.VertexCount(); ++i)
            vertices.push_back(draw.VertexAt<LoggedShapeVertex>(i));
        return vertices;
    }

    // The world transform most recently installed, or null when none was logged.
    const D3DMATRIX* LastWorldTransform() const
    {
        const D3DMATRIX* world = nullptr;
        for (const DeviceCall& call : Log())
            if (call.kind == DeviceCall::Kind::SetTransform && call.state == D3DTS_WORLD)
                world = &call.matrix;
        return world;
    }

    QWidget window_;
    SoftwareDevice* device_ = nullptr;
};
