#include "DeviceFixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#include <zlib.h>

class TextureStageTest : public DeviceTest
{
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        // Texels, top row first: red, green / blue, transparent white.
        ASSERT_EQ(device_->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture_, nullptr),
                  D3D_OK);
        D3DLOCKED_RECT locked;
        ASSERT_EQ(texture_->LockRect(0, &locked, nullptr, 0), D3D_OK);
        auto* texels = static_cast<D3DCOLOR*>(locked.pBits);
        texels[0] = kRed;
        texels[1] = kGreen;
        texels[locked.Pitch / 4] = kBlue;
        texels[locked.Pitch / 4 + 1] = 0x00FFFFFFu;
        texture_->UnlockRect(0);
        device_->SetTexture(0, texture_);
    }
    void TearDown() override
    {
        if (texture_)
            texture_->Release();
        DeviceTest::TearDown();
    }

    void SelectTexture()
    {
        device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
        device_->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
    }
    // A quad over the whole target with texture coordinates from (0, 0) to (extent, extent).
    void DrawQuad(float extent, D3DCOLOR color = 0xFF404040u)
    {
        Draw(D3DPT_TRIANGLEFAN, 2,
             std::vector<ShapeVertex>{Textured(0, 0, 0, 0, color), Textured(16, 0, extent, 0, color),
                                      Textured(16, 16, extent, extent, color),
                                      Textured(0, 16, 0, extent, color)},
             kShapeFvf);
    }

    IDirect3DTexture9* texture_ = nullptr;
};

TEST_F(TextureStageTest, SelectTextureShowsTexelsAndWrapsBeyondOne)
{
    SelectTexture();
    DrawQuad(1.0f); // alpha is dropped by the XRGB target
    ExpectPixels({{0, 0, kRed}, {7, 7, kRed}, {8, 0, kGreen}, {0, 8, kBlue}, {15, 15, kWhite}});
    DrawQuad(2.0f); // two repeats across the target: each texel is four pixels wide
    ExpectPixels({{3, 0, kRed}, {4, 0, kGreen}, {8, 0, kRed}, {12, 12, kWhite}, {12, 8, kGreen}});
}

TEST_F(TextureStageTest, DisabledStageOrMissingTexturePassesTheVertexColour)
{
    SelectTexture();
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_DISABLE);
    DrawQuad(1.0f);
    EXPECT_EQ(CountNot(0xFF404040u), 0);

    SelectTexture();
    device_->SetTexture(0, nullptr);
    DrawQuad(1.0f, kGreen);
    EXPECT_EQ(CountNot(kGreen), 0);
}

TEST_F(TextureStageTest, ModulateMultipliesAndTexelAlphaBlendsOverTheBackground)
{
    // Modulate is stage 0's initial colour operation.
    DrawQuad(1.0f, 0xFF808080u);
    ExpectPixels({{0, 0, 0xFF800000u}, {8, 0, 0xFF008000u}});

    SelectTexture();
    Blend();
    ClearTo(0x00123456u);
    DrawQuad(1.0f);
    ExpectPixels({{0, 0, kRed}, {12, 12, 0xFF123456u}}); // a transparent texel leaves the background
}

class TextureFileTest : public DeviceTest
{
protected:
    // Loads the file; on success returns the texture (one reference) and on failure null.
    IDirect3DTexture9* Load(const QString& name)
    {
        IDirect3DTexture9* texture = reinterpret_cast<IDirect3DTexture9*>(&sentinel_);
        const HRESULT hr =
            D3DXCreateTextureFromFileW(device_, dir_.filePath(name).toStdWString().c_str(), &texture);
        EXPECT_EQ(SUCCEEDED(hr), texture != nullptr) << "the texture is set exactly when loading succeeds";
        return texture;
    }

    void WriteBytes(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir_;
    int sentinel_ = 0;
};

TEST_F(TextureFileTest, PngBmpAndJpegLoadTopRowFirst)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(0xFF102030u);
    image.setPixel(0, 0, 0xFFFF0000u);
    image.setPixel(1, 0, 0x8000FF00u);
    image.setPixel(0, 1, 0x00000000u);
    for (const char* format : {"png", "bmp", "jpg"}) {
        const QString name = QStringLiteral("image.") + format;
        ASSERT_TRUE(image.save(dir_.filePath(name), format)) << format;
        IDirect3DTexture9* texture = Load(name);
        ASSERT_NE(texture, nullptr) << format;
        EXPECT_EQ(SoftwareTexture::From(texture)->Texels().width, 3) << format;
        EXPECT_EQ(SoftwareTexture::From(texture)->Texels().height, 2) << format;
        if (std::string(format) == "png") { // lossless with alpha
            D3DLOCKED_RECT locked;
            ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
            const auto* texels = static_cast<const D3DCOLOR*>(locked.pBits);
            EXPECT_EQ(texels[0], 0xFFFF0000u);
            EXPECT_EQ(texels[1], 0x8000FF00u);
            EXPECT_EQ(texels[locked.Pitch / 4 + 2], 0xFF102030u);
            texture->UnlockRect(0);
        }
        EXPECT_EQ(texture->Release(), 0u) << format;
    }
}

TEST_F(TextureFileTest, UnreadableOrOversizedFilesFailCleanly)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dir_.filePath("whole.png")));
    QFile whole(dir_.filePath("whole.png"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    WriteBytes("truncated.png", whole.readAll().left(whole.size() / 2));
    WriteBytes("text.png", "this is not an image\n");
    WriteBytes("empty.bmp", QByteArray());
    WriteBytes("garbage.bmp", QByteArray("BM") + QByteArray(200, '\xFF'));
    // Wider than 8192 is refused; 8192 itself loads.
    QImage wide(8193, 1, QImage::Format_RGB32);
    wide.fill(Qt::white);
    ASSERT_TRUE(wide.save(dir_.filePath("wide.png")));
    ASSERT_TRUE(wide.copy(0, 0, 8192, 1).save(dir_.filePath("largest.png")));

    for (const char* name :
         {"missing.png", "truncated.png", "text.png", "empty.bmp", "garbage.bmp", "wide.png"})
        EXPECT_EQ(Load(name), nullptr) << name;
    IDirect3DTexture9* texture = Load("largest.png");
    ASSERT_NE(texture, nullptr);
    texture->Release();
}

TEST_F(TextureFileTest, PipesFoldersAndDevicesAreRefusedWithoutWaiting)
{
    // The pipe holds a whole image, so only its kind can make the load fail.
    ASSERT_EQ(mkfifo(dir_.filePath("pipe.png").toLocal8Bit().constData(), 0600), 0);
    const int pipe = open(dir_.filePath("pipe.png").toLocal8Bit().constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(pipe, 0);
    QImage(2, 2, QImage::Format_RGB32).save(dir_.filePath("small.png"));
    QFile small(dir_.filePath("small.png"));
    ASSERT_TRUE(small.open(QIODevice::ReadOnly));
    const QByteArray image = small.readAll();
    ASSERT_EQ(write(pipe, image.constData(), image.size()), image.size());
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.png"));
    ASSERT_TRUE(QFile::link("/dev/zero", dir_.filePath("device.png")));
    // A load that waited for a writer on the pipe would end the test here.
    alarm(10);
    for (const char* name : {"pipe.png", "folder.png", "device.png"})
        EXPECT_EQ(Load(name), nullptr) << name;
    alarm(0);
    close(pipe);
}

namespace {

void AppendChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    const auto appendWord = [&png](quint32 word) {
        const quint32 bigEndian = qToBigEndian(word);
        png.append(reinterpret_cast<const char*>(&bigEndian), 4);
    };
    appendWord(static_cast<quint32>(data.size()));
    const QByteArray body = QByteArray(type, 4) + data;
    png += body;
    appendWord(static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), body.size())));
}

// A black RGB PNG of the given size; its rows of zeros deflate to almost nothing.
QByteArray BlackPng(int width, int height)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 2; // RGB
    z_stream stream{};
    deflateInit(&stream, Z_BEST_COMPRESSION);
    const QByteArray row(1 + 3 * width, '\0'); // filter byte, then the pixels
    QByteArray compressed;
    std::vector<Bytef> out(1 << 16);
    for (int y = 0; y < height; ++y) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(row.constData()));
        stream.avail_in = static_cast<uInt>(row.size());
        int status = Z_OK;
        do {
            stream.next_out = out.data();
            stream.avail_out = static_cast<uInt>(out.size());
            status = deflate(&stream, y + 1 == height ? Z_FINISH : Z_NO_FLUSH);
            compressed.append(reinterpret_cast<const char*>(out.data()), out.size() - stream.avail_out);
        } while (stream.avail_out == 0 || (y + 1 == height && status != Z_STREAM_END));
    }
    deflateEnd(&stream);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", compressed);
    AppendChunk(png, "IEND", QByteArray());
    return png;
}

} // namespace

// Decoded at four bytes a pixel, the largest image needs all of 256 MiB.
TEST_F(TextureFileTest, TheLargestImageLoadsInFull)
{
    WriteBytes("largest.png", BlackPng(8192, 8192));
    IDirect3DTexture9* texture = Load("largest.png");
    ASSERT_NE(texture, nullptr);
    D3DLOCKED_RECT locked;
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    const auto* texels = static_cast<const D3DCOLOR*>(locked.pBits);
    EXPECT_EQ(texels[static_cast<std::size_t>(locked.Pitch / 4) * 8191 + 8191], 0xFF000000u);
    texture->UnlockRect(0);
    texture->Release();
}
