// The main window's live view: Start, Stop, one frame per timer tick, and the measuring overlays.
#include "app/CameraDataDialog.h"

#include "framework/DialogService.h"
#include "framework/MenuBar.h"
#include "framework/SurfaceWidget.h"
#include "resources/ResourceIds.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

namespace halvex {
namespace {

constexpr int kLiveWidth = 640;
constexpr int kLiveHeight = 480;

// Menu items that would open other windows or reload the settings: grayed while live view runs.
constexpr std::array kLiveViewGrayedItems{
    MenuId::FileNew,          MenuId::FileLoad,          MenuId::ApplicationDataScreen,
    MenuId::SequentialScreen, MenuId::DeviceInformation, MenuId::About};

enum class Figure { Line, Ellipse, Rectangle };

// The overlays at the fixed places of a 640 x 480 frame, in drawing order. Ellipses and
// rectangles give their bounding box with the right and bottom edges outside the figure.
struct OverlayFigure {
    int CameraDataDialog::*enabled;
    Figure figure;
    int left, top, right, bottom;
};
constexpr std::array kOverlays{
    OverlayFigure{&CameraDataDialog::m_bCrossHairs, Figure::Line, 320, 0, 320, 480},
    OverlayFigure{&CameraDataDialog::m_bCrossHairs, Figure::Line, 0, 240, 640, 240},
    OverlayFigure{&CameraDataDialog::m_bConcentricCircles, Figure::Ellipse, 288, 208, 352, 272},
    OverlayFigure{&CameraDataDialog::m_bConcentricCircles, Figure::Ellipse, 256, 176, 384, 304},
    OverlayFigure{&CameraDataDialog::m_bFieldDisplay, Figure::Rectangle, 80, 60, 560, 420},
    OverlayFigure{&CameraDataDialog::m_bZone1FieldDisplay, Figure::Rectangle, 160, 120, 480, 360},
};

const QColor kOverlayColour(0, 255, 0);

// One row of 24-bit pixels (blue, green, red) to 32-bit pixels: the same bytes with an opaque alpha
// byte after every third.
void expandRowPortable(const std::uint8_t* source, std::uint32_t* target, int width) {
    for (int x = 0; x < width; ++x, source += 3) {
        target[x] = 0xFF000000u | static_cast<std::uint32_t>(source[0]) |
                    static_cast<std::uint32_t>(source[1]) << 8 |
                    static_cast<std::uint32_t>(source[2]) << 16;
    }
}

#if defined(__GNUC__) && defined(__x86_64__)
// The same with one byte shuffle per four pixels; the source row must have 4 bytes to spare after
// the last whole group of four, which every row but the last of a frame has.
__attribute__((target("ssse3"))) void expandRowShuffle(const std::uint8_t* source,
                                                       std::uint32_t* target, int width) {
    const __m128i shuffle = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int x = 0;
    for (; x + 4 <= width; x += 4, source += 12) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + x),
                         _mm_or_si128(_mm_shuffle_epi8(bytes, shuffle), opaque));
    }
    expandRowPortable(source, target + x, width - x);
}

const bool kHasShuffle = __builtin_cpu_supports("ssse3");
#endif

// Copies a 24-bit device-independent bitmap into a top-down 32-bit image of the same size.
void copyDib(const BITMAPINFOHEADER& info, const std::uint8_t* bits, QImage& image) {
    const int width = image.width();
    const int height = image.height();
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const bool bottomUp = info.biHeight > 0;
    for (int y = 0; y < height; ++y) {
        const int row = bottomUp ? height - 1 - y : y;
        const std::uint8_t* source = bits + static_cast<std::size_t>(row) * stride;
        auto* target = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
#if defined(__GNUC__) && defined(__x86_64__)
        // The last row of the buffer has no bytes to spare for a 16-byte read.
        if (kHasShuffle && row != height - 1) {
            expandRowShuffle(source, target, width);
            continue;
        }
#endif
        expandRowPortable(source, target, width);
    }
}

} // namespace

void CameraDataDialog::StartLiveView() {
    SetBusy(true);
    controls().enable(MainId::Start, false);
    if (VX3_IsConnectUsb() == 0) {
        showMessage(9, MessageButtons::Ok, MessageIcon::Stop, Modality::System, this);
        EndAfterFatalFailure();
    }
    EnableLiveViewMenuItems(false);
    m_pLiveDC = LiveArea();
    m_pLiveDC->surface() = QImage(m_pLiveDC->size(), QImage::Format_RGB32);
    m_pLiveDC->fill(Qt::black);

    RunCameraStartup();
    VX3_LV_SetImageSize(0);
    m_pImageInfo = std::make_unique<BITMAPINFOHEADER>();
    std::memset(m_pImageInfo.get(), 0, sizeof(BITMAPINFOHEADER));
    VX3_SIA_GetImageInfo(m_pImageInfo.get());
    if (VX3_LV_StartMovie(m_pFrameBuffer.get()) == 0) {
        StopLiveView();
        showMessage(22, MessageButtons::Ok, MessageIcon::Stop, Modality::System, this);
        EndAfterFatalFailure();
    }
    m_strStatus = QStringLiteral("Live image display");
    updateData(false);
    setTimer(LiveViewTimerId, 1);
    SetBusy(false);
    controls().enable(MainId::Stop, true);
    controls().enable(MainId::GetRgb, true);
}

void CameraDataDialog::StopLiveView() {
    SetBusy(true);
    stopTimer(LiveViewTimerId);
    updateData(true);
    if (VX3_LV_StopMovie() == 0) {
        showMessage(25, MessageButtons::Ok, MessageIcon::Exclamation, Modality::Application, this);
    }
    controls().enable(MainId::Stop, false);
    controls().enable(MainId::Start, true);
    ClearLiveArea();
    SetBusy(false);
    EnableLiveViewMenuItems(true);
    m_memDC = QImage();
    m_strStatus = QStringLiteral("Idle state");
    updateData(false);
    m_pLiveDC = nullptr;
}

void CameraDataDialog::onTimer(int) {
    DrawFrame();
}

void CameraDataDialog::DrawFrame() {
    if (!m_pImageInfo || !m_pFrameBuffer || m_pLiveDC == nullptr) {
        return;
    }
    PaintFrame();
    if (VX3_LV_ContinueMovie(m_pFrameBuffer.get()) == 0) {
        stopTimer(LiveViewTimerId);
        MessageRequest request;
        request.text = QStringLiteral("An error occured in VX3_LV_ContinueMovie()");
        request.icon = MessageIcon::Stop;
        request.modality = Modality::System;
        dialogService().messageBox(request, this);
        EndAfterFatalFailure();
    }
}

void CameraDataDialog::PaintFrame() {
    // The frame buffer holds at most one 640 x 480 frame, whatever the header claims.
    const int width = std::clamp(m_pImageInfo->biWidth, 0, kLiveWidth);
    const int height = std::clamp(std::abs(m_pImageInfo->biHeight), 0, kLiveHeight);
    QImage& screen = m_pLiveDC->surface();
    const bool fillsScreen = screen.size() == QSize(width, height);
    // The image that filled the live area last time becomes the next off-screen image, so a
    // frame is never copied twice.
    if (m_memDC.size() != QSize(width, height) || m_memDC.format() != QImage::Format_RGB32) {
        m_memDC = QImage(width, height, QImage::Format_RGB32);
    }
    if (width > 0 && height > 0) {
        copyDib(*m_pImageInfo, m_pFrameBuffer.get(), m_memDC);
    }
    if (m_bOverlayOn != 0) {
        DrawOverlays(m_memDC);
    }
    if (fillsScreen) {
        std::swap(screen, m_memDC);
    } else {
        QPainter painter(&screen);
        painter.drawImage(0, 0, m_memDC);
    }
    m_pLiveDC->present();
}

void CameraDataDialog::DrawOverlays(QImage& image) const {
    QPainter painter(&image);
    painter.setPen(QPen(kOverlayColour, 1));
    painter.setBrush(Qt::NoBrush);
    for (const OverlayFigure& overlay : kOverlays) {
        if (this->*overlay.enabled == 0) {
            continue;
        }
        const QRect box(overlay.left, overlay.top, overlay.right - overlay.left - 1,
                        overlay.bottom - overlay.top - 1);
        switch (overlay.figure) {
        case Figure::Line:
            painter.drawLine(overlay.left, overlay.top, overlay.right, overlay.bottom);
            break;
        case Figure::Ellipse:
            painter.drawEllipse(box);
            break;
        case Figure::Rectangle:
            painter.drawRect(box);
            break;
        }
    }
}

void CameraDataDialog::ClearLiveArea() {
    SurfaceWidget* area = m_pLiveDC != nullptr ? m_pLiveDC : LiveArea();
    QPainter painter(&area->surface());
    painter.fillRect(0, 0, kLiveWidth, kLiveHeight, Qt::black);
    painter.end();
    area->present();
}

void CameraDataDialog::EnableLiveViewMenuItems(bool enabled) {
    for (int id : kLiveViewGrayedItems) {
        menu()->enableItem(id, enabled);
    }
}

void CameraDataDialog::ToggleOverlay(int& member) {
    member = member == 1 ? 0 : 1;
}

void CameraDataDialog::EndAfterFatalFailure() {
    requestClose();
    throw HandlerAbort{0};
}

SurfaceWidget* CameraDataDialog::LiveArea() const {
    return controls().as<SurfaceWidget>(MainId::LiveArea);
}

const QImage& CameraDataDialog::LiveImage() const {
    return LiveArea()->surface();
}

} // namespace halvex
