#include "scene/Crab.h"
#include "tests/scene/SceneTestFixture.h"

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

} // namespace

TEST(ModelFileWriting, WorkedExamplesSaveByteForByte)
{
    CWorld box;
    box.CreateNodeAt(3.0f, 4.0f);
    EXPECT_EQ(Save(box), "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 1 \r\n"
                         "B 3.0 4.0 0.0 3.0 4.0 0.0 1.0 1.0 1.0 0.0 0 \r\n");
    CWorld crab;
    crab.PrimitiveType = 0;
    crab.CreateNodeAt(0.0f, 0.0f);
    EXPECT_EQ(Save(crab), CrabModel);
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
    std::vector<TAV_SceneNode*> expected, loaded;
    Flatten(&built, expected);
    Flatten(world.Root->GetChild(0), loaded);
    ASSERT_EQ(loaded.size(), expected.size());
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        // Names come from the constructors' parts, which the lines of the parts reuse.
        EXPECT_EQ(std::wstring(loaded[i]->GetName()), expected[i]->GetName()) << i;
    }
}
