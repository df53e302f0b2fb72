#include "tests/scene/SceneTestFixture.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// The C library keeps what it allocates for a locale search path until the
// process ends; that is not ours to free, so the leak checker skips it.
#if defined(__SANITIZE_ADDRESS__)
using LibraryAllocations = __lsan::ScopedDisabler;
#else
struct LibraryAllocations
{
};
#endif

// Puts the C and C++ locales back at the end of a test.
struct LocaleGuard
{
    std::string previous = std::setlocale(LC_ALL, nullptr);
    ~LocaleGuard()
    {
        [[maybe_unused]] const LibraryAllocations ignored;
        std::setlocale(LC_ALL, previous.c_str());
        std::locale::global(std::locale::classic());
    }
};

} // namespace

// A scene of crabs, boxes and circles, some dropped onto others, turned and scaled,
// with an empty slot left in a crab by a body arm dropped back onto it.
class ModelRoundTrip : public SceneDeviceTest
{
protected:
    void SetUp() override
    {
        SceneDeviceTest::SetUp();
        const float places[][2] = {{0, 0},    {12, 3},    {-14, -9}, {2, 2},
                                   {-13, -8}, {13.5f, 4}, {20, -20}, {1, -1}};
        for (int i = 0; i < 8; ++i) {
            world.PrimitiveType = i % 3;
            world.CreateNodeAt(places[i][0], places[i][1]);
            if (i >= 3)
                world.AttachToOverlappingNode();
        }
        const auto turn = [](TAV_SceneNode* node, float degrees, float scaleX) {
            TAV_XformInfo xform = node->GetXformInfo();
            xform.SetRotationInDegrees(degrees);
            xform.SetScale(scaleX, 1.0f, 1.0f);
            node->SetXformInfo(xform);
        };
        TAV_SceneNode* crab = world.Root->GetChild(0);
        turn(world.Root->GetChild(1), 30.0f, 1.5f);
        turn(crab->GetChild(0)->GetChild(0)->GetChild(0), -12.5f, 0.5f);
        world.CurrentNode = crab->GetChild(0);
        ASSERT_TRUE(world.AttachToOverlappingNode());
        ASSERT_EQ(crab->GetChild(0), nullptr);
        saved = Save(world);
    }
    CWorld world;
    std::string saved;
};

TEST_F(ModelRoundTrip, SavingLoadingAndSavingAgainGivesTheSameBytesWhateverTheLineEnds)
{
    CWorld loaded;
    const ModelLoadResult result = Load(loaded, saved);
    EXPECT_TRUE(result.IsComplete());
    EXPECT_EQ(Save(loaded), saved);
    // Each node is written once and every count announces exactly the lines that follow.
    EXPECT_EQ(result.nodesAdded, std::count(saved.begin(), saved.end(), '\n') - 1);
    EXPECT_EQ(saved.substr(0, 46),
              "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 " + std::to_string(result.objectsAdded) + " \r\n");

    // LF, CR and blank lines between records read the same as CR LF.
    for (const char* end : {"\n", "\r", "\r\n\r\n", " \t\n  \n"}) {
        std::string text = saved;
        for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += std::strlen(end))
            text.replace(at, 2, end);
        CWorld other;
        EXPECT_TRUE(Load(other, text).IsComplete()) << end;
        EXPECT_EQ(Save(other), saved) << end;
    }
}

TEST_F(ModelRoundTrip, CommaLocaleChangesNoByteAndNoValue)
{
    // German writes decimals with a comma; its locale is compiled into a temporary folder when missing.
    const LocaleGuard guard;
    const char* const german = "de_DE.UTF-8";
    {
        [[maybe_unused]] const LibraryAllocations ignored;
        const std::string folder = testing::TempDir() + "quorvel-locales";
        const std::string build = "mkdir -p '" + folder + "' && localedef -i de_DE -f UTF-8 '" + folder +
                                  "/" + german + "' >/dev/null 2>&1";
        if (std::setlocale(LC_ALL, german) == nullptr && std::system(build.c_str()) != -1) {
            setenv("LOCPATH", folder.c_str(), 1);
            std::setlocale(LC_ALL, german);
        }
        char number[16];
        std::snprintf(number, sizeof number, "%.1f", 0.5);
        if (std::string(number) != "0,5")
            GTEST_SKIP() << "no comma-decimal locale can be built here";
        std::locale::global(std::locale(german));
    }
    ASSERT_NE(saved.find(".5 "), std::string::npos);
    EXPECT_EQ(Save(world), saved);
    CWorld loaded;
    ASSERT_TRUE(Load(loaded, saved).IsComplete());
    EXPECT_EQ(Save(loaded), saved);
}
