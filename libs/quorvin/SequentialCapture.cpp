// One numbered series of still images from the camera, paced by a timer.
#include "SequentialCapture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <limits>

#include "DibImage.h"
#include "VX3lib.h"

namespace quorvin {

namespace {

constexpr QStringView ForbiddenInNames = u"\\/:*?\"<>|";

QString callFailed(const char* function) {
    return QStringLiteral("the camera call %1 failed.").arg(QLatin1StringView(function));
}

QString displayName(const QString& path) {
    return QFileInfo(path).fileName();
}

QString planProblem(const SeriesPlan& plan) {
    if (plan.folder.trimmed().isEmpty() || !QFileInfo(plan.folder).isDir()) {
        return QStringLiteral("The folder \"%1\" does not exist.").arg(plan.folder);
    }
    if (QString problem = SequentialCapture::prefixProblem(plan.prefix); !problem.isEmpty()) {
        return problem;
    }
    if (plan.count < 1 || plan.count > SequentialCapture::MaxCount) {
        return QStringLiteral("The count must be 1 to %1.").arg(SequentialCapture::MaxCount);
    }
    if (plan.intervalSeconds < 0 || plan.intervalSeconds > SequentialCapture::MaxIntervalSeconds) {
        return QStringLiteral("The interval must be 0 to %1 seconds.")
            .arg(SequentialCapture::MaxIntervalSeconds);
    }
    if (!isWritable(plan.format)) {
        return QStringLiteral("%1 files cannot be written on this system.")
            .arg(QLatin1StringView(formatInfo(plan.format).label));
    }
    return {};
}

} // namespace

SequentialCapture::SequentialCapture(QObject* parent) : QObject(parent), m_buffer(VX3_FRAME_BYTES) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SequentialCapture::captureNext);
}

QString SequentialCapture::prefixProblem(const QString& prefix) {
    for (const QChar c : prefix) {
        if (ForbiddenInNames.contains(c) || c.category() == QChar::Other_Control) {
            return QStringLiteral("The prefix may not contain any of %1 or control characters.")
                .arg(ForbiddenInNames.toString());
        }
    }
    return {};
}

int SequentialCapture::firstFreeNumber(const QString& folder, const QString& prefix) {
    const QRegularExpression numbered(
        QStringLiteral("^%1(\\d+)\\.").arg(QRegularExpression::escape(prefix)),
        QRegularExpression::CaseInsensitiveOption);
    int highest = 0;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = numbered.match(name);
        bool ok = false;
        const int number = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
        // The largest int has no successor to continue with.
        if (ok && number > highest && number < std::numeric_limits<int>::max()) {
            highest = number;
        }
    }
    return highest + 1;
}

QString SequentialCapture::fileName(const QString& prefix, int number, ImageFormat format) {
    return prefix + QStringLiteral("%1.").arg(number, 4, 10, QLatin1Char('0')) +
           QLatin1StringView(formatInfo(format).extension);
}

bool SequentialCapture::start(const SeriesPlan& plan) {
    if (isRunning()) {
        return false;
    }
    QString problem = planProblem(plan);
    if (problem.isEmpty() && VX3_SIA_SetImageSize(VX3_FRAME_WIDTH, VX3_FRAME_HEIGHT) == 0) {
        problem =
            QStringLiteral("The series did not start: %1").arg(callFailed("VX3_SIA_SetImageSize"));
    }
    if (!problem.isEmpty()) {
        m_status = problem;
        Q_EMIT changed();
        return false;
    }
    m_plan = plan;
    m_captured = 0;
    m_lastFile.clear();
    m_nextNumber = firstFreeNumber(plan.folder, plan.prefix);
    m_state = State::Running;
    captureNext();
    return true;
}

void SequentialCapture::stop() {
    if (isRunning()) {
        finish(State::Stopped,
               QStringLiteral("Stopped after %1 of %2 images.").arg(m_captured).arg(m_plan.count));
    }
}

void SequentialCapture::captureNext() {
    if (!isRunning()) {
        return;
    }
    m_timer.stop();
    const QDir folder(m_plan.folder);
    QString path = folder.filePath(fileName(m_plan.prefix, m_nextNumber, m_plan.format));
    while (QFileInfo::exists(path)) { // a file that appeared since the start is kept too
        path = folder.filePath(fileName(m_plan.prefix, ++m_nextNumber, m_plan.format));
    }
    const QString error = captureTo(path);
    if (!error.isEmpty()) {
        // One pass of arg(), so that a % in a file name is not taken for a placeholder.
        finish(
            State::Failed,
            QStringLiteral("Image %1 of %2 was not saved: %3 The series stopped after %4 images.")
                .arg(QString::number(m_captured + 1), QString::number(m_plan.count), error,
                     QString::number(m_captured)));
        return;
    }
    ++m_captured;
    ++m_nextNumber;
    m_lastFile = path;
    Q_EMIT imageSaved(path);
    if (m_captured == m_plan.count) {
        finish(State::Complete, QStringLiteral("Series complete: %1 images in %2.")
                                    .arg(m_captured)
                                    .arg(QDir::toNativeSeparators(m_plan.folder)));
        return;
    }
    m_status = QStringLiteral("Image %1 of %2 saved as %3; the next follows in %4 s.")
                   .arg(QString::number(m_captured), QString::number(m_plan.count),
                        displayName(path), QString::number(m_plan.intervalSeconds));
    m_timer.start(m_plan.intervalSeconds * m_millisecondsPerSecond);
    Q_EMIT changed();
}

QString SequentialCapture::captureTo(const QString& path) {
    const QString error =
        m_plan.format == ImageFormat::Jpeg ? captureJpeg(path) : captureBitmap(path);
    if (error.isEmpty() && !QFileInfo::exists(path)) {
        return QStringLiteral("%1 did not appear in the folder.").arg(displayName(path));
    }
    return error;
}

QString SequentialCapture::captureJpeg(const QString& path) {
    std::uint32_t size = 0;
    if (VX3_SIA_CaptureJpg(m_buffer.data(), &size) == 0) {
        return callFailed("VX3_SIA_CaptureJpg");
    }
    if (size == 0 || size > m_buffer.size()) {
        return QStringLiteral("the camera reported a JPEG size of %1 bytes.").arg(size);
    }
    VX3_JPEGINFO info{};
    info.dataSize = size;
    if (VX3_SIA_SaveImageJpg(QFile::encodeName(path).constData(), &info, m_buffer.data()) == 0) {
        return callFailed("VX3_SIA_SaveImageJpg");
    }
    return {};
}

QString SequentialCapture::captureBitmap(const QString& path) {
    BITMAPINFOHEADER header{};
    if (VX3_SIA_CaptureBmp(m_buffer.data()) == 0) {
        return callFailed("VX3_SIA_CaptureBmp");
    }
    if (VX3_SIA_GetImageInfo(&header) == 0) {
        return callFailed("VX3_SIA_GetImageInfo");
    }
    const char* writer = formatInfo(m_plan.format).qtWriter;
    if (writer == nullptr) {
        if (VX3_SIA_SaveImageBmp(QFile::encodeName(path).constData(), &header, m_buffer.data()) ==
            0) {
            return callFailed("VX3_SIA_SaveImageBmp");
        }
        return {};
    }
    const QImage image = imageFromDib(header, m_buffer.data(), m_buffer.size());
    if (image.isNull()) {
        return QStringLiteral("the camera delivered a bitmap form that cannot be converted.");
    }
    QImageWriter out(path, writer);
    if (!out.write(image)) {
        return QStringLiteral("%1 could not be written (%2).")
            .arg(displayName(path), out.errorString());
    }
    return {};
}

void SequentialCapture::finish(State state, const QString& status) {
    m_timer.stop();
    m_state = state;
    m_status = status;
    Q_EMIT changed();
}

} // namespace quorvin
