// The still-image formats of a series, in the order of the settings file's format index.
#pragma once

#include <QString>
#include <span>

#include "QuorvinApi.h"

namespace quorvin {

// Index order of SnapshotDefaultFormat: 0 JPEG, 1 TIFF, 2 BMP.
enum class ImageFormat { Jpeg, Tiff, Bmp };

struct ImageFormatInfo {
    ImageFormat format;
    const char* label;
    const char* extension;
    // Qt image writer that saves the camera's bitmap in this format; nullptr when the camera
    // library writes the file itself.
    const char* qtWriter;
};

QUORVIN_API std::span<const ImageFormatInfo> imageFormats();
QUORVIN_API const ImageFormatInfo& formatInfo(ImageFormat format);

// False when the format needs a Qt image writer that this installation lacks.
QUORVIN_API bool isWritable(ImageFormat format);

// The settings file's index text; text that is not an index of the table counts as 0 (JPEG).
QUORVIN_API ImageFormat formatFromIndexText(const QString& text);

} // namespace quorvin
