#include "scene/ModelLine.h"
#include "scene/SceneNode.h"
#include "tests/scene/ModelTestText.h"
#include "tests/scene/SceneTestFixture.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <locale>
#include <random>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// The C library keeps what it allocates for a locale search path until the
// process ends; that is not ours to free, so the leak checker skips it.
class LibraryAllocations
{
public:
#if defined(__SANITIZE_ADDRESS__)
    LibraryAllocations()
    {
        __lsan_disable();
    }
    ~LibraryAllocations()
    {
        __lsan_enable();
    }
#endif
};

// Switches the C and C++ locales to German, whose decimal separator is a comma,
// compiling that locale into a temporary folder when the system has none built.
class CommaLocale
{
public:
    CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr))
    {
        [[maybe_unused]] const LibraryAllocations ignored;
        if (std::setlocale(LC_ALL, Name) == nullptr) {
            const std::filesystem::path folder =
                std::filesystem::path(testing::TempDir()) / "quorvel-locales";
            std::filesystem::create_directories(folder);
            const std::string command =
                "localedef -i de_DE -f UTF-8 '" + (folder / Name).string() + "' >/dev/null 2>&1";
            if (std::system(command.c_str()) != -1) {
                setenv("LOCPATH", folder.c_str(), 1);
                std::setlocale(LC_ALL, Name);
            }
        }
        char number[16];
        std::snprintf(number, sizeof number, "%.1f", 0.5);
        active_ = std::string(number) == "0,5";
        if (active_)
            std::locale::global(std::locale(Name));
    }
    ~CommaLocale()
    {
        [[maybe_unused]] const LibraryAllocations ignored;
        std::setlocale(LC_ALL, previous_.c_str());
        std::locale::global(std::locale::classic());
    }
    bool IsActive() const { return active_; }

private:
    static constexpr const char* Name = "de_DE.UTF-8";
    std::string previous_;
    bool active_ = false;
};

void Turn(TAV_SceneNode* node, float degrees, float scaleX)
{
    TAV_XformInfo xform = node->GetXformInfo();
    xform.SetRotationInDegrees(degrees);
    xform.SetScale(scaleX, 1.0f, 1.0f);
    node->SetXformInfo(xform);
}

} // namespace

TEST(ModelNumbers, MatchOneDecimalPrintfInTheCLocale)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<float> exponent(-3.0f, 9.0f);
    std::uniform_int_distribution<int> tenths(-5000, 5000);
    for (int i = 0; i < 20000; ++i) {
        // Every other value sits on a multiple of 0.05, where rounding halves matters.
        const float value = i % 2 == 0 ? static_cast<float>(tenths(random)) * 0.05f
                                       : std::pow(10.0f, exponent(random)) * (i % 4 == 1 ? -1.0f : 1.0f);
        ModelLine line;
        line.typeCode = 'B';
        line.xform.SetTranslation(value, 0.0f, 0.0f);
        std::string text;
        line.AppendTo(text);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.1f", static_cast<double>(value));
        ASSERT_EQ(text.substr(2, text.find(' ', 2) - 2), expected) << value;
    }
}

TEST(ModelNumbers, CommaLocaleChangesNoByteAndNoValue)
{
    CommaLocale comma;
    if (!comma.IsActive())
        GTEST_SKIP() << "no comma-decimal locale can be built here";
    CWorld world;
    world.CreateNodeAt(3.25f, -4.5f);
    world.PrimitiveType = 0;
    world.CreateNodeAt(-0.75f, 1.5f);
    const std::string text = Save(world);
    EXPECT_EQ(text.find(','), std::string::npos);
    EXPECT_EQ(text.substr(0, 94), "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 2 \r\n"
                                  "B 3.2 -4.5 0.0 3.2 -4.5 0.0 1.0 1.0 1.0 0.0 0 \r\n");

    CWorld loaded;
    ASSERT_TRUE(Load(loaded, text).IsComplete());
    EXPECT_EQ(loaded.Root->GetChild(0)->GetXformInfo().GetTranslation().y, -4.5f);
    EXPECT_EQ(loaded.Root->GetChild(1)->GetXformInfo().GetTranslation().x, -0.8f);
    EXPECT_EQ(Save(loaded), text);
}

using ModelRoundTrip = SceneDeviceTest;

TEST_F(ModelRoundTrip, SavingLoadingAndSavingAgainGivesTheSameBytes)
{
    CWorld world;
    const float places[][2] = {{0, 0}, {12, 3}, {-14, -9}, {2, 2}, {-13, -8}, {13.5f, 4}, {20, -20}, {1, -1}};
    for (int i = 0; i < 8; ++i) {
        world.PrimitiveType = i % 3;
        world.CreateNodeAt(places[i][0], places[i][1]);
        if (i >= 3)
            world.AttachToOverlappingNode();
    }
    Turn(world.Root->GetChild(1), 30.0f, 1.5f);
    Turn(world.Root->GetChild(0)->GetChild(0)->GetChild(0), -12.5f, 0.5f);
    // A body arm dropped back onto its crab leaves an empty slot in the crab.
    TAV_SceneNode* crab = world.Root->GetChild(0);
    world.CurrentNode = crab->GetChild(0);
    ASSERT_TRUE(world.AttachToOverlappingNode());
    ASSERT_EQ(crab->GetChild(0), nullptr);

    const std::string first = Save(world);
    CWorld loaded;
    const ModelLoadResult result = Load(loaded, first);
    EXPECT_TRUE(result.IsComplete());
    const std::string second = Save(loaded);
    EXPECT_EQ(second, first);

    // Each node is written once and every count announces exactly the lines that follow.
    int lines = 0;
    for (char c : first)
        lines += c == '\n' ? 1 : 0;
    EXPECT_EQ(result.nodesAdded, lines - 1);
    EXPECT_EQ(first.substr(0, 46),
              "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 " + std::to_string(result.objectsAdded) + " \r\n");
}
