// The main window's still capture: one image in JPEG and bitmap form, saved as the technician names
// it.
#include "app/CameraDataDialog.h"

#include "framework/DialogService.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

namespace halvex {

void CameraDataDialog::CaptureStill() {
    SetBusy(true);
    std::vector<std::uint8_t> jpeg(FrameBufferBytes);
    const QString receiving = QStringLiteral("Receiving data");

    VX3_SIA_SetImageSize(640, 480);
    AdvanceProgress(20, receiving);
    std::int32_t width = 0;
    std::int32_t height = 0;
    VX3_SIA_GetImageSize(&width, &height);
    AdvanceProgress(20, receiving);
    std::uint32_t jpegSize = 0;
    VX3_SIA_CaptureJpg(jpeg.data(), &jpegSize);
    AdvanceProgress(20, receiving);
    VX3_SIA_CaptureBmp(m_pFrameBuffer.get());
    AdvanceProgress(20, receiving);
    BITMAPINFOHEADER header{};
    VX3_SIA_GetImageInfo(&header);
    AdvanceProgress(20, receiving);
    SetBusy(false);

    QString extension;
    const QString name = AskCaptureFileName(extension);
    if (name.isEmpty()) {
        return;
    }
    const QByteArray fileName = QFile::encodeName(name);
    if (extension == QLatin1String("jpg")) {
        VX3_JPEGINFO description{};
        description.dataSize = jpegSize;
        VX3_SIA_SaveImageJpg(fileName.constData(), &description, jpeg.data());
    } else if (extension == QLatin1String("bmp")) {
        VX3_SIA_SaveImageBmp(fileName.constData(), &header, m_pFrameBuffer.get());
    }
}

QString CameraDataDialog::AskCaptureFileName(QString& extension) {
    const FileDialogRequest request{
        .save = true,
        .title = QStringLiteral("Save Captured Image As"),
        .filter = QStringLiteral("JPEG(*.jpg)|*.jpg|Bitmap(*.bmp)|*.bmp||"),
        .initialDirectory = ApplicationDirectory,
        .initialName = QString(),
        .defaultExtension = QStringLiteral("jpg"),
        .overwritePrompt = true,
        .pathMustExist = true,
        .fileMustExist = false,
    };
    const std::optional<QString> chosen = dialogService().fileDialog(request, nullptr);
    if (!chosen) {
        return {};
    }
    const QFileInfo file(*chosen);
    // The image is written by name into the folder the technician chose, which becomes the
    // current folder as the save dialog leaves it.
    QDir::setCurrent(file.absolutePath());
    extension = file.suffix();
    if (extension == QLatin1String("bmp") || extension == QLatin1String("jpg")) {
        return file.fileName();
    }
    showMessage(7, MessageButtons::Ok, MessageIcon::Information, Modality::Application, this);
    extension = QStringLiteral("jpg");
    return file.completeBaseName() + QStringLiteral(".jpg");
}

} // namespace halvex
