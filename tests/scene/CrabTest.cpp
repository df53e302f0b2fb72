#include "scene/Crab.h"
#include "tests/scene/SceneTestFixture.h"

// Codes, pivots and child counts are pinned byte for byte by the crab's model file.
TEST(Crab, HasNineNodesWithTheirNamesAndJointAngles)
{
    const wchar_t* const names[] = {L"SceneNode", L"R_BodyArm", L"R_BodyArm", L"L_Claw", L"R_Claw",
                                    L"L_BodyArm", L"L_BodyArm", L"L_Claw",    L"R_Claw"};
    const float degrees[] = {0.0f, -45.0f, 90.0f, -23.0f, 23.0f, 45.0f, -90.0f, -23.0f, 23.0f};
    CCrab crab(4.0f, 5.0f, 0.0f);
    std::vector<TAV_SceneNode*> nodes;
    Flatten(&crab, nodes);
    ASSERT_EQ(nodes.size(), std::size(names));
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        SCOPED_TRACE(i);
        const TAV_XformInfo xform = nodes[i]->GetXformInfo();
        EXPECT_EQ(std::wstring(nodes[i]->GetName()), names[i]);
        EXPECT_FLOAT_EQ(xform.GetRotationInDegrees(), degrees[i]);
        EXPECT_EQ(xform.GetTranslation().x, i == 0 ? 4.0f : 0.0f);
        EXPECT_EQ(xform.GetTranslation().y, i == 0 ? 5.0f : 0.0f);
    }
}
