#include "platform/d3d9/D3DXTexture.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Larger images are refused before they are decoded.
constexpr int kMaxImageSide = 8192;

bool FitsLimit(const QSize& size)
{
    return size.width() <= kMaxImageSide && size.height() <= kMaxImageSide;
}

// The image readers refuse to allocate more than their limit (in MiB); the
// largest image accepted, decoded at four bytes a pixel, needs this much.
constexpr int kLargestImageMiB = kMaxImageSide * kMaxImageSide / (1024 * 1024 / 4);

// Opens only a regular file, without blocking: a pipe with no writer would
// otherwise hang the open, and a folder or a device is no image.
bool OpenRegularFile(const wchar_t* path, QFile& file)
{
    const QByteArray name = QFile::encodeName(QString::fromWCharArray(path));
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct stat status
    {
    };
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
}

} // namespace

HRESULT D3DXCreateTextureFromFileW(IDirect3DDevice9* pDevice, const wchar_t* pSrcFile,
                                   IDirect3DTexture9** ppTexture)
{
    if (!ppTexture)
        return D3DERR_INVALIDCALL;
    *ppTexture = nullptr;
    if (!pDevice || !pSrcFile)
        return D3DERR_INVALIDCALL;

    QFile file;
    if (!OpenRegularFile(pSrcFile, file))
        return D3DXERR_INVALIDDATA;
    if (QImageReader::allocationLimit() < kLargestImageMiB)
        QImageReader::setAllocationLimit(kLargestImageMiB);
    // The suffix is a hint for formats that carry no signature; the content decides otherwise.
    QImageReader reader(&file, QFileInfo(QString::fromWCharArray(pSrcFile)).suffix().toLatin1());
    if (!reader.canRead())
        return D3DXERR_INVALIDDATA;
    // Not every format states its size up front; those are checked after decoding.
    const QSize announced = reader.size();
    if (announced.isValid() && !FitsLimit(announced))
        return D3DXERR_INVALIDDATA;
    QImage image;
    if (!reader.read(&image) || image.isNull() || !FitsLimit(image.size()))
        return D3DXERR_INVALIDDATA;
    // In place where the pixel size stays, so the largest image is not held twice.
    image.convertTo(QImage::Format_ARGB32);
    if (image.isNull() || image.format() != QImage::Format_ARGB32)
        return E_OUTOFMEMORY;

    IDirect3DTexture9* texture = nullptr;
    const HRESULT created =
        pDevice->CreateTexture(static_cast<UINT>(image.width()), static_cast<UINT>(image.height()), 1, 0,
                               D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr);
    if (FAILED(created))
        return created;
    D3DLOCKED_RECT locked;
    if (FAILED(texture->LockRect(0, &locked, nullptr, 0))) {
        texture->Release();
        return E_FAIL;
    }
    // ARGB32 rows are already D3DCOLOR texels, top row first.
    const std::size_t rowBytes = static_cast<std::size_t>(image.width()) * 4;
    for (int row = 0; row < image.height(); ++row)
        std::memcpy(static_cast<std::uint8_t*>(locked.pBits) + static_cast<std::size_t>(row) * locked.Pitch,
                    image.constScanLine(row), rowBytes);
    texture->UnlockRect(0);
    *ppTexture = texture;
    return D3D_OK;
}
