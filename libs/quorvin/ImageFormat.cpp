// The still-image formats of a series, in the order of the settings file's format index.
#include "ImageFormat.h"

#include <QImageWriter>
#include <array>

namespace quorvin {

namespace {

constexpr std::array<ImageFormatInfo, 3> Formats{{
    {ImageFormat::Jpeg, "JPEG", "jpg", nullptr},
    {ImageFormat::Tiff, "TIFF", "tif", "tiff"},
    {ImageFormat::Bmp, "BMP", "bmp", nullptr},
}};

} // namespace

std::span<const ImageFormatInfo> imageFormats() {
    return Formats;
}

const ImageFormatInfo& formatInfo(ImageFormat format) {
    return Formats[static_cast<std::size_t>(format)];
}

bool isWritable(ImageFormat format) {
    const char* writer = formatInfo(format).qtWriter;
    return writer == nullptr || QImageWriter::supportedImageFormats().contains(writer);
}

ImageFormat formatFromIndexText(const QString& text) {
    bool ok = false;
    const int index = text.trimmed().toInt(&ok);
    if (!ok || index < 0 || index >= static_cast<int>(Formats.size())) {
        return ImageFormat::Jpeg;
    }
    return Formats[static_cast<std::size_t>(index)].format;
}

} // namespace quorvin
