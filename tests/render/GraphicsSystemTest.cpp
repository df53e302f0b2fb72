#include "render/GraphicsSystem.h"
#include "core/Echo.h"
#include "platform/d3d9/SoftwareTexture.h"
#include "platform/win/ModalPrompts.h"
#include "platform/win/WindowHandles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// A graphics context for a 24 x 12 window, an echo line, and a scratch folder as the current directory.
class GraphicsSystemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        window_.resize(24, 12);
        ASSERT_TRUE(Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&window_)));
        EchoWindow = WindowHandles::HandleOf(&echo_);
    }
    void TearDown() override
    {
        Graphics().ReleaseGraphicsContext();
        ModalPrompts::SetMessageBoxAnswerer({});
        EchoWindow = nullptr;
        QDir::setCurrent(previousDir_);
    }

    static TAVD3D_GraphicsSystem& Graphics() { return TAVD3D_GraphicsSystem::GetInstance(); }

    static std::pair<UINT, UINT> BackBufferSize(IDirect3DSwapChain9* chain)
    {
        D3DPRESENT_PARAMETERS params{};
        chain->GetPresentParameters(&params);
        return {params.BackBufferWidth, params.BackBufferHeight};
    }

    // A 2 x 2 BMP of one colour at a path relative to the scratch folder.
    static void WriteImage(const QString& path, QRgb color)
    {
        QDir().mkpath(QFileInfo(path).path());
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(path, "BMP"));
    }

    static D3DCOLOR FirstTexel(const TAVD3D_TextureResource* resource)
    {
        return resource ? SoftwareTexture::From(resource->GetTexture())->Texels().Row(0)[0] : 0;
    }

    QTemporaryDir dir_;
    QString previousDir_;
    QWidget window_;
    QLabel echo_;
};

using TextureTable = GraphicsSystemTest;

TEST_F(GraphicsSystemTest, DeviceCreationFailureIsReportedInAMessageBox)
{
    Graphics().ReleaseGraphicsContext();
    std::vector<ModalPrompts::MessageBoxRequest> boxes;
    ModalPrompts::SetMessageBoxAnswerer([&boxes](const ModalPrompts::MessageBoxRequest& request) {
        boxes.push_back(request);
        return IDOK;
    });
    QWidget empty;
    empty.resize(0, 0);
    EXPECT_FALSE(Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&empty)));
    EXPECT_FALSE(Graphics().CreateGraphicsContext(nullptr));

    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& request : boxes) {
        EXPECT_EQ(request.owner, nullptr);
        EXPECT_EQ(request.text, L"D3D Creation Failed during CreateDevice");
        EXPECT_EQ(request.caption, L"TAVD3D_GraphicsSystem::CreateGraphicsContext");
        EXPECT_EQ(request.type, MB_OK);
    }
    // No texture can be loaded without a device, and nothing is kept.
    EXPECT_EQ(Graphics().FindTexture(L"anything.bmp", true), nullptr);
    EXPECT_EQ(Graphics().Textures().Count(), 0);
}

TEST_F(GraphicsSystemTest, EveryViewGetsASwapChainOfItsOwnSizeFromTheOneContext)
{
    IDirect3DDevice9* device = Graphics().GetDevice();
    // Asked again, even for another window, it keeps what it has.
    QWidget zoom, empty;
    zoom.resize(10, 7);
    empty.resize(10, 0);
    EXPECT_TRUE(Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&zoom)));
    EXPECT_EQ(Graphics().GetDevice(), device);

    // Refusals hand nothing out and do not count.
    EXPECT_EQ(Graphics().CreateSwapChain(nullptr), nullptr);
    EXPECT_EQ(Graphics().CreateSwapChain(WindowHandles::HandleOf(&empty)), nullptr);
    IDirect3DSwapChain9* first = Graphics().CreateSwapChain(WindowHandles::HandleOf(&window_));
    IDirect3DSwapChain9* own = nullptr;
    device->GetSwapChain(0, &own);
    // Not the device's own: that one has the focus window's size, which no view has.
    EXPECT_NE(first, own);
    own->Release();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(BackBufferSize(first), std::pair(24u, 12u));
    IDirect3DSwapChain9* second = Graphics().CreateSwapChain(WindowHandles::HandleOf(&zoom));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(BackBufferSize(second), std::pair(10u, 7u));

    // Releasing gives back the system's references; the test's own are the last, and the chains
    // outlive the device.
    device->AddRef();
    Graphics().ReleaseGraphicsContext();
    EXPECT_EQ(Graphics().GetDevice(), nullptr);
    EXPECT_EQ(device->Release(), 0u);
    EXPECT_EQ(first->Release(), 0u);
    EXPECT_EQ(second->Release(), 0u);
}

TEST_F(TextureTable, ATextureLivesFromItsFirstLoadUntilTheContextGoes)
{
    WriteImage("wood.bmp", 0xFF8B4513u);
    IDirect3DDevice9* device = Graphics().GetDevice();
    SoftwareDevice* logged = SoftwareDevice::From(device);
    logged->EnableCallLog(true);
    // The texture stage 0 was last given, read from the device's log.
    auto staged = [logged] {
        const void* current = nullptr;
        for (const DeviceCall& call : logged->CallLog())
            if (call.kind == DeviceCall::Kind::SetTexture)
                current = call.object;
        return current;
    };
    ASSERT_TRUE(Graphics().ActivateTexture(L"wood.bmp", 0));
    TAVD3D_TextureResource* first = Graphics().FindTexture(L"wood.bmp", false);
    EXPECT_EQ(staged(), first->GetTexture());
    QFile::remove("wood.bmp"); // a second load would now fail
    EXPECT_EQ(Graphics().FindTexture(L"wood.bmp", true), first);
    // A texture that cannot be loaded leaves the stage as it was.
    EXPECT_FALSE(Graphics().ActivateTexture(L"missing.bmp", 0));
    EXPECT_EQ(staged(), first->GetTexture());
    Graphics().DeactivateTexture(0);
    EXPECT_EQ(staged(), nullptr);

    IDirect3DTexture9* kept = first->GetTexture();
    kept->AddRef();
    device->AddRef();
    Graphics().ReleaseGraphicsContext();
    EXPECT_EQ(Graphics().Textures().Count(), 0);
    // Only the test's own references are left.
    EXPECT_EQ(kept->Release(), 0u);
    EXPECT_EQ(device->Release(), 0u);
}

// Names that differ only in case, or sort differently by code units than alphabetically.
TEST_F(TextureTable, EveryEntryIsFoundWhateverTheOrderOfLoading)
{
    const std::vector<std::wstring> names{L"b.bmp", L"a.bmp", L"C.bmp", L"B.bmp",
                                          L"c.bmp", L"A.bmp", L"_.bmp"};
    for (const std::wstring& name : names) {
        WriteImage(QString::fromStdWString(name), 0xFFFFFFFFu);
        ASSERT_NE(Graphics().FindTexture(name, true), nullptr);
    }
    for (const std::wstring& name : names)
        EXPECT_EQ(Graphics().FindTexture(name, false)->GetName(), name);
}

TEST_F(TextureTable, NamesAreSearchedForAsGivenThenInTheTextureAndMeshFolders)
{
    WriteImage("Textures/t.bmp", 0xFFFF0000u);
    WriteImage("MeshFiles/m.bmp", 0xFF00FF00u);
    WriteImage("both.bmp", 0xFF0000FFu);
    WriteImage("Textures/both.bmp", 0xFFFF0000u);
    EXPECT_EQ(FirstTexel(Graphics().FindTexture(L"t.bmp", true)), 0xFFFF0000u);
    EXPECT_EQ(FirstTexel(Graphics().FindTexture(L"m.bmp", true)), 0xFF00FF00u);
    EXPECT_EQ(FirstTexel(Graphics().FindTexture(L"both.bmp", true)), 0xFF0000FFu);

    // The key is the name as asked for, not the file found.
    ASSERT_NE(Graphics().FindTexture(L"Textures/t.bmp", true), nullptr);
    ASSERT_NE(Graphics().FindTexture(L"./Textures/t.bmp", true), nullptr);
    EXPECT_EQ(Graphics().Textures().Count(), 5);
}

TEST_F(TextureTable, AFailedLoadIsOnlyEchoed)
{
    WriteImage("keep.bmp", 0xFFFFFFFFu);
    ASSERT_NE(Graphics().FindTexture(L"keep.bmp", true), nullptr);

    EXPECT_EQ(Graphics().FindTexture(L"missing.bmp", true), nullptr);
    EXPECT_EQ(echo_.text().toStdWString(), L"**ERROR** [missing.bmp]: file not found!");

    QFile corrupt("corrupt.bmp");
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("BM this is no bitmap");
    corrupt.close();
    EXPECT_EQ(Graphics().FindTexture(L"corrupt.bmp", true), nullptr);
    EXPECT_EQ(echo_.text().toStdWString(), L"**ERROR** [corrupt.bmp]: open for loading failed!");
    EXPECT_EQ(Graphics().Textures().Count(), 1);

    // Nothing is remembered about a failure: once the file is readable it loads.
    WriteImage("corrupt.bmp", 0xFF00FF00u);
    EXPECT_EQ(FirstTexel(Graphics().FindTexture(L"corrupt.bmp", true)), 0xFF00FF00u);

    echo_.setText("unchanged");
    EXPECT_EQ(Graphics().FindTexture(L"", true), nullptr);
    EXPECT_FALSE(Graphics().ActivateTexture(L"", 0));
    EXPECT_EQ(echo_.text(), "unchanged");
}

TEST_F(TextureTable, PipesAndFoldersAreRefusedAtOnceAsUnloadable)
{
    QDir().mkpath("Textures/folder.bmp");
    ASSERT_EQ(mkfifo("Textures/pipe.bmp", 0600), 0);
    // A load that waited for a writer on the pipe would end the test here.
    alarm(10);
    for (const std::wstring name : {L"pipe.bmp", L"folder.bmp"}) {
        EXPECT_EQ(Graphics().FindTexture(name, true), nullptr);
        EXPECT_EQ(echo_.text().toStdWString(), L"**ERROR** [" + name + L"]: open for loading failed!");
    }
    alarm(0);
}
