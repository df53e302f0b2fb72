#include "scene/Crab.h"
#include "tests/scene/SceneTestFixture.h"

TEST(Crab, HasNineNodesWithTheirNamesCodesPivotsAndJointAngles)
{
    struct Expected
    {
        const wchar_t* name;
        char code;
        float pivotX, pivotY, degrees;
        int children;
    };
    const Expected expected[] = {
        {L"SceneNode", 'j', 0.0f, 0.0f, 0.0f, 2},    {L"R_BodyArm", 'b', 2.0f, 0.0f, -45.0f, 1},
        {L"R_BodyArm", 'a', 2.0f, 3.5f, 90.0f, 2},   {L"L_Claw", 'c', 2.3f, 7.5f, -23.0f, 0},
        {L"R_Claw", 'c', 3.0f, 7.5f, 23.0f, 0},      {L"L_BodyArm", 'b', -2.0f, 0.0f, 45.0f, 1},
        {L"L_BodyArm", 'a', -2.0f, 3.5f, -90.0f, 2}, {L"L_Claw", 'c', -2.7f, 7.5f, -23.0f, 0},
        {L"R_Claw", 'c', -2.0f, 7.5f, 23.0f, 0},
    };
    CCrab crab(4.0f, 5.0f, 0.0f);
    std::vector<TAV_SceneNode*> nodes;
    Flatten(&crab, nodes);
    ASSERT_EQ(nodes.size(), std::size(expected));
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        SCOPED_TRACE(i);
        const TAV_XformInfo xform = nodes[i]->GetXformInfo();
        EXPECT_EQ(std::wstring(nodes[i]->GetName()), expected[i].name);
        EXPECT_EQ(nodes[i]->GetTypeCode(), expected[i].code);
        EXPECT_FLOAT_EQ(xform.GetPivot().x, expected[i].pivotX);
        EXPECT_FLOAT_EQ(xform.GetPivot().y, expected[i].pivotY);
        EXPECT_FLOAT_EQ(xform.GetRotationInDegrees(), expected[i].degrees);
        EXPECT_EQ(nodes[i]->NumChildren(), expected[i].children);
        EXPECT_EQ(xform.GetTranslation().x, i == 0 ? 4.0f : 0.0f);
        EXPECT_EQ(xform.GetTranslation().y, i == 0 ? 5.0f : 0.0f);
    }
}
