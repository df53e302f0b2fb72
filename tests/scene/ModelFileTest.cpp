#include "core/Echo.h"
#include "platform/win/WindowHandles.h"
#include "primitives/Primitive.h"
#include "scene/Crab.h"
#include "scene/SceneNode.h"
#include "tests/scene/ModelTestText.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <vector>

namespace {

const char* const CrabModel = "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 1 \r\n"
                              "j 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 2 \r\n"
                              "b 0.0 0.0 0.0 2.0 0.0 0.0 1.0 1.0 1.0 -0.8 1 \r\n"
                              "a 0.0 0.0 0.0 2.0 3.5 0.0 1.0 1.0 1.0 1.6 2 \r\n"
                              "c 0.0 0.0 0.0 2.3 7.5 0.0 1.0 1.0 1.0 -0.4 0 \r\n"
                              "c 0.0 0.0 0.0 3.0 7.5 0.0 1.0 1.0 1.0 0.4 0 \r\n"
                              "b 0.0 0.0 0.0 -2.0 0.0 0.0 1.0 1.0 1.0 0.8 1 \r\n"
                              "a 0.0 0.0 0.0 -2.0 3.5 0.0 1.0 1.0 1.0 -1.6 2 \r\n"
                              "c 0.0 0.0 0.0 -2.7 7.5 0.0 1.0 1.0 1.0 -0.4 0 \r\n"
                              "c 0.0 0.0 0.0 -2.0 7.5 0.0 1.0 1.0 1.0 0.4 0 \r\n";

void Flatten(const TAV_SceneNode* node, std::vector<const TAV_SceneNode*>& out)
{
    out.push_back(node);
    for (int i = 0; i < node->NumChildren(); ++i)
        Flatten(node->GetChild(i), out);
}

} // namespace

TEST(ModelFileWriting, OneBoxSavesAsTheRootLineAndTheBoxLine)
{
    CWorld world;
    world.CreateNodeAt(3.0f, 4.0f);
    EXPECT_EQ(Save(world), "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 1 \r\n"
                           "B 3.0 4.0 0.0 3.0 4.0 0.0 1.0 1.0 1.0 0.0 0 \r\n");
}

TEST(ModelFileWriting, CrabSavesAsNineLinesInPreOrder)
{
    CWorld world;
    world.PrimitiveType = 0;
    world.CreateNodeAt(0.0f, 0.0f);
    EXPECT_EQ(Save(world), CrabModel);
}

TEST(ModelFileWriting, WriteNodePutsTheSubtreeInFrontOfTheText)
{
    CWorld world;
    world.CreateNodeAt(-1.25f, 0.04f);
    std::wstring text = L"tail";
    world.WriteNode(text, world.CurrentNode);
    EXPECT_EQ(Narrow(text), "B -1.2 0.0 0.0 -1.2 0.0 0.0 1.0 1.0 1.0 0.0 0 \r\ntail");
}

TEST(ModelFileWriting, RotationsKeepOneDecimalOfRadians)
{
    CWorld world;
    world.CreateNodeAt(0.0f, 0.0f);
    TAV_XformInfo xform = world.CurrentNode->GetXformInfo();
    xform.SetRotationInDegrees(45.0f);
    world.CurrentNode->SetXformInfo(xform);
    const std::string text = Save(world);
    EXPECT_NE(text.find(" 0.8 0 \r\n"), std::string::npos);

    CWorld loaded;
    ASSERT_TRUE(Load(loaded, text).IsComplete());
    EXPECT_NEAR(loaded.Root->GetChild(0)->GetXformInfo().GetRotationInDegrees(), 45.8366f, 1e-3f);
}

TEST(ModelFileReading, EmptySceneIsTheRootLineAloneAndLoadsNothing)
{
    CWorld world;
    const std::string text = Save(world);
    EXPECT_EQ(text, "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 0 \r\n");
    const ModelLoadResult result = Load(world, text);
    EXPECT_TRUE(result.IsComplete());
    EXPECT_EQ(result.nodesAdded, 0);
    EXPECT_EQ(world.Root->NumChildren(), 0);
}

TEST(ModelFileReading, CrabLoadsBackAsTheSameNineNodes)
{
    CWorld world;
    const ModelLoadResult result = Load(world, CrabModel);
    EXPECT_TRUE(result.IsComplete());
    EXPECT_EQ(result.stopLine, 0);
    EXPECT_EQ(result.nodesAdded, 9);
    EXPECT_EQ(result.objectsAdded, 1);
    EXPECT_EQ(Save(world), CrabModel);

    CCrab built(0.0f, 0.0f, 0.0f);
    std::vector<const TAV_SceneNode*> expected, loaded;
    Flatten(&built, expected);
    Flatten(world.Root->GetChild(0), loaded);
    ASSERT_EQ(loaded.size(), expected.size());
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::wstring(loaded[i]->GetName()), expected[i]->GetName());
        EXPECT_EQ(loaded[i]->GetTypeCode(), expected[i]->GetTypeCode());
        EXPECT_EQ(loaded[i]->NumChildren(), expected[i]->NumChildren());
        // Geometry comes from the constructors, so the parts keep their true shapes.
        const auto* a = static_cast<const TAV_BoundingBox*>(loaded[i]->GetPrimitive()->GetBoundingVolume(0));
        const auto* b =
            static_cast<const TAV_BoundingBox*>(expected[i]->GetPrimitive()->GetBoundingVolume(0));
        EXPECT_FLOAT_EQ(a->GetMin().x, b->GetMin().x);
        EXPECT_FLOAT_EQ(a->GetMax().y, b->GetMax().y);
    }
}

TEST(ModelFileReading, LoadedObjectsFollowTheExistingOnesAndTheRootKeepsItsTransform)
{
    CWorld world;
    world.CreateNodeAt(1.0f, 1.0f);
    TAV_SceneNode* existing = world.CurrentNode;
    TAV_XformInfo rootXform;
    rootXform.SetTranslation(2.0f, 0.0f, 0.0f);
    world.Root->SetXformInfo(rootXform);
    const std::string text = "x 9.0 9.0 0.0 0.0 0.0 0.0 3.0 3.0 1.0 1.0 2 \r\n" +
                             Line('C', "5.0 6.0 0.0", 0) + Line('B', "7.0 8.0 0.0", 0);
    const ModelLoadResult result = Load(world, text);
    EXPECT_TRUE(result.IsComplete());
    EXPECT_EQ(result.objectsAdded, 2);
    ASSERT_EQ(world.Root->NumChildren(), 3);
    EXPECT_EQ(world.Root->GetChild(0), existing);
    EXPECT_EQ(world.Root->GetChild(1)->GetTypeCode(), 'C');
    EXPECT_EQ(world.Root->GetChild(2)->GetXformInfo().GetTranslation().y, 8.0f);
    EXPECT_EQ(world.Root->GetXformInfo().GetTranslation().x, 2.0f);
    EXPECT_EQ(world.Root->GetXformInfo().GetScale().x, 1.0f);
    EXPECT_EQ(world.CurrentNode, existing);
}

TEST(ModelFileReading, ModelLoadedIsEchoedForACompleteLoadOnly)
{
    QLabel label(QStringLiteral("Message Echo"));
    EchoWindow = WindowHandles::HandleOf(&label);
    CWorld world;
    Load(world, Line('x', "0.0 0.0 0.0", 1) + Line('B', "1.0 ??? 0.0", 0));
    EXPECT_EQ(label.text(), QStringLiteral("Message Echo"));
    Load(world, "");
    EXPECT_EQ(label.text(), QStringLiteral("Model Loaded..."));
    EchoWindow = nullptr;
}
