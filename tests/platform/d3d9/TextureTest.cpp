#include "DeviceFixture.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <string>
#include <vector>
#include <zlib.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The crowd frame's pixels show selected texels, wrapping beyond one and the disabled stage, but its
// texture is opaque and its coordinates never negative: texel alpha and wrapping below zero are checked here.
TEST_F(DeviceTest, SelectedTexelsBlendByTheirAlphaWhereverTheCoordinatesWrap)
{
    // Texels, top row first: red, green / blue, transparent white.
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(device_->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
              D3D_OK);
    D3DLOCKED_RECT locked;
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    auto* texels = static_cast<D3DCOLOR*>(locked.pBits);
    texels[0] = kRed;
    texels[1] = kGreen;
    texels[locked.Pitch / 4] = kBlue;
    texels[locked.Pitch / 4 + 1] = 0x00FFFFFFu;
    texture->UnlockRect(0);
    device_->SetTexture(0, texture);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    device_->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
    Blend();
    // From 0 down to -1: -0.28 wraps to 0.72, the second texel; -0.78 to 0.22, the first. The
    // transparent texel leaves the background.
    ClearTo(0x00123456u);
    Draw(D3DPT_TRIANGLEFAN, 2,
         std::vector<ShapeVertex>{Textured(0, 0, 0, 0), Textured(16, 0, -1, 0), Textured(16, 16, -1, -1),
                                  Textured(0, 16, 0, -1)},
         kShapeFvf);
    ExpectPixels({{4, 4, 0xFF123456u}, {12, 4, kBlue}, {12, 12, kRed}});
    device_->SetTexture(0, nullptr);
    EXPECT_EQ(texture->Release(), 0u);
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

// A black RGB PNG of the given size, deflated row by row: its rows of zeros shrink to almost
// nothing, so even the largest image is written without holding its pixels.
QByteArray BlackPng(int width, int height)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8;                             // bits per channel
    header[9] = 2;                             // RGB
    const QByteArray row(1 + 3 * width, '\0'); // filter byte, then the pixels
    QByteArray compressed(1 << 20, '\0');      // deflate shrinks zeros about a thousandfold
    z_stream stream{};
    deflateInit(&stream, Z_BEST_COMPRESSION);
    stream.next_out = reinterpret_cast<Bytef*>(compressed.data());
    stream.avail_out = static_cast<uInt>(compressed.size());
    for (int y = 0; y < height; ++y) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(row.constData()));
        stream.avail_in = static_cast<uInt>(row.size());
        deflate(&stream, Z_NO_FLUSH);
    }
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    compressed.truncate(static_cast<int>(stream.total_out));
    deflateEnd(&stream);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", compressed);
    AppendChunk(png, "IEND", QByteArray());
    return png;
}

} // namespace

TEST_F(TextureFileTest, PngLoadsTopRowFirstWithItsAlpha)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(0xFF102030u);
    image.setPixel(1, 0, 0x8000FF00u);
    ASSERT_TRUE(image.save(dir_.filePath("image.png")));
    IDirect3DTexture9* texture = Load("image.png");
    ASSERT_NE(texture, nullptr);
    const PixelBuffer& texels = SoftwareTexture::From(texture)->Texels();
    EXPECT_EQ(texels.Row(0)[1], 0x8000FF00u);
    EXPECT_EQ(texels.Row(1)[1], 0xFF102030u);
    EXPECT_EQ(texture->Release(), 0u);
}

TEST_F(TextureFileTest, UnreadableOrOversizedFilesFailCleanly)
{
    const QByteArray whole = BlackPng(16, 16);
    WriteBytes("truncated.png", whole.left(whole.size() / 2));
    WriteBytes("empty.bmp", QByteArray());
    WriteBytes("wide.png", BlackPng(8193, 1)); // 8192 is the widest that loads
    for (const char* name : {"truncated.png", "empty.bmp", "wide.png"})
        EXPECT_EQ(Load(name), nullptr) << name;
}


// Folders are refused by the texture search before they get here.
TEST_F(TextureFileTest, APipeIsRefusedThoughItHoldsAWholeImage)
{
    const QByteArray path = dir_.filePath("pipe.png").toLocal8Bit();
    ASSERT_EQ(mkfifo(path.constData(), 0600), 0);
    const int pipe = open(path.constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(pipe, 0);
    const QByteArray image = BlackPng(2, 2);
    ASSERT_EQ(write(pipe, image.constData(), image.size()), image.size());
    alarm(10); // a load that waited on the pipe would end the test here
    EXPECT_EQ(Load("pipe.png"), nullptr);
    alarm(0);
    close(pipe);
}

// Decoded at four bytes a pixel, the largest image needs all of 256 MiB.
TEST_F(TextureFileTest, TheLargestImageLoadsInFull)
{
    WriteBytes("largest.png", BlackPng(8192, 8192));
    IDirect3DTexture9* texture = Load("largest.png");
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(SoftwareTexture::From(texture)->Texels().Row(8191)[8191], kBlack);
    texture->Release();
}
