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
#include <utility>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

namespace halvex {
namespace {

constexpr int kLiveWidth = 640;
constexpr int kLiveHeight = 480;
// Rows copied into the window at a time before the overlays are stamped on them: few enough that
// they are still in the cache for the stamping.
constexpr int kBandRows = 32;

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
// The same eight pixels at a time: 24 source bytes spread over the two 128-bit lanes, then one
// byte shuffle per lane. Reads 32 bytes per eight pixels, so `readable` (the bytes that may be
// read from `source`) bounds how far it goes before the portable loop takes over.
__attribute__((target("avx2"))) void
expandRowAvx2(const std::uint8_t* source, std::uint32_t* target, int width, std::size_t readable) {
    const __m256i spread = _mm256_setr_epi32(0, 1, 2, 0, 3, 4, 5, 0);
    const __m256i shuffle =
        _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1, //
                         0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    int x = 0;
    for (; x + 8 <= width && static_cast<std::size_t>(x) * 3 + 32 <= readable; x += 8) {
        const __m256i bytes = _mm256_loadu_si256(
            reinterpret_cast<const __m256i*>(source + static_cast<std::size_t>(x) * 3));
        const __m256i pixels =
            _mm256_shuffle_epi8(_mm256_permutevar8x32_epi32(bytes, spread), shuffle);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + x),
                            _mm256_or_si256(pixels, opaque));
    }
    expandRowPortable(source + static_cast<std::size_t>(x) * 3, target + x, width - x);
}

// Sixteen pixels at a time with one byte permutation; the masked load never reads past the 48
// bytes it uses. (The masked permutation keeps GCC 12's own header free of a warning.)
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void
expandRowVbmi(const std::uint8_t* source, std::uint32_t* target, int width) {
    alignas(64) static const std::uint8_t order[64] = {
        0,  1,  2,  0,  3,  4,  5,  0,  6,  7,  8,  0,  9,  10, 11, 0,  12, 13, 14, 0,  15, 16,
        17, 0,  18, 19, 20, 0,  21, 22, 23, 0,  24, 25, 26, 0,  27, 28, 29, 0,  30, 31, 32, 0,
        33, 34, 35, 0,  36, 37, 38, 0,  39, 40, 41, 0,  42, 43, 44, 0,  45, 46, 47, 0};
    const __m512i permutation = _mm512_load_si512(order);
    const __m512i opaque = _mm512_set1_epi32(static_cast<int>(0xFF000000u));
    int x = 0;
    for (; x + 16 <= width; x += 16, source += 48) {
        const __m512i bytes = _mm512_maskz_loadu_epi8(0xFFFFFFFFFFFFull, source);
        const __m512i pixels = _mm512_maskz_permutexvar_epi8(~0ull, permutation, bytes);
        _mm512_storeu_si512(target + x, _mm512_or_si512(pixels, opaque));
    }
    expandRowPortable(source, target + x, width - x);
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");
const bool kHasVbmi = __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512bw");
#endif

// Copies the part `area` of a 24-bit device-independent bitmap into a top-down 32-bit image of
// the same size.
void copyDib(const BITMAPINFOHEADER& info, const std::uint8_t* bits, QImage& image,
             const QRect& area) {
    const int width = image.width();
    const int height = image.height();
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const std::size_t total = stride * static_cast<std::size_t>(height);
    const bool bottomUp = info.biHeight > 0;
    const QRect part = area.intersected(image.rect());
    const int count = part.width();
    uchar* const lines = image.bits();
    const qsizetype line = image.bytesPerLine();
    // From the bottom of the picture up: the window system copies it top down right after, and
    // finds the rows written last still in the cache.
    for (int y = part.bottom(); y >= part.top(); --y) {
        const int row = bottomUp ? height - 1 - y : y;
        const std::size_t offset =
            static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(part.left()) * 3;
        auto* target = reinterpret_cast<std::uint32_t*>(lines + y * line) + part.left();
#if defined(__GNUC__) && defined(__x86_64__)
        if (kHasVbmi) {
            expandRowVbmi(bits + offset, target, count);
            continue;
        }
        if (kHasAvx2) {
            expandRowAvx2(bits + offset, target, count, total - offset);
            continue;
        }
#endif
        expandRowPortable(bits + offset, target, count);
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
    // A frame that fills the live area is expanded straight into the pixels the live area shows,
    // so each frame passes through memory once on its way to the screen. Only a smaller frame
    // needs m_memDC.
    if (m_bOverlayOn != 0) {
        WorkOutOverlays(QSize(width, height));
    }
    if (m_pLiveDC->size() == QSize(width, height)) {
        m_pLiveDC->present([this](QImage& target, const QRect& area) {
            for (int bottom = area.bottom(); bottom >= area.top(); bottom -= kBandRows) {
                const int top = std::max(area.top(), bottom - kBandRows + 1);
                const QRect band(area.left(), top, area.width(), bottom - top + 1);
                copyDib(*m_pImageInfo, m_pFrameBuffer.get(), target, band);
                if (m_bOverlayOn != 0) {
                    StampOverlays(target, band);
                }
            }
        });
        return;
    }
    if (m_memDC.size() != QSize(width, height) || m_memDC.format() != QImage::Format_RGB32) {
        m_memDC = QImage(width, height, QImage::Format_RGB32);
    }
    if (width > 0 && height > 0) {
        copyDib(*m_pImageInfo, m_pFrameBuffer.get(), m_memDC, m_memDC.rect());
    }
    if (m_bOverlayOn != 0) {
        StampOverlays(m_memDC, m_memDC.rect());
    }
    QPainter painter(&m_pLiveDC->surface());
    painter.drawImage(0, 0, m_memDC);
    painter.end();
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

void CameraDataDialog::WorkOutOverlays(QSize frameSize) {
    int choice = 0;
    for (std::size_t i = 0; i < kOverlays.size(); ++i) {
        choice |= (this->*kOverlays[i].enabled != 0 ? 1 : 0) << i;
    }
    if (choice != m_overlayChoice || frameSize != m_overlaySize) {
        QImage drawn(frameSize, QImage::Format_RGB32);
        drawn.fill(Qt::black);
        DrawOverlays(drawn);
        m_overlayPixels.clear();
        for (int y = 0; y < drawn.height(); ++y) {
            const auto* pixels = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
            for (int x = 0; x < drawn.width(); ++x) {
                if (pixels[x] != 0xFF000000u) {
                    m_overlayPixels.push_back(static_cast<std::uint32_t>(y) << 16 |
                                              static_cast<std::uint32_t>(x));
                }
            }
        }
        m_overlayChoice = choice;
        m_overlaySize = frameSize;
    }
}

void CameraDataDialog::StampOverlays(QImage& image, const QRect& area) const {
    uchar* const lines = image.bits();
    const qsizetype line = image.bytesPerLine();
    const int left = area.left(), right = area.right(), top = area.top(), bottom = area.bottom();
    const QRgb green = kOverlayColour.rgb();
    // The pixels are in row order: only the rows of the area are visited.
    const auto first = std::lower_bound(m_overlayPixels.begin(), m_overlayPixels.end(),
                                        static_cast<std::uint32_t>(top) << 16);
    const auto last = std::lower_bound(first, m_overlayPixels.end(),
                                       static_cast<std::uint32_t>(bottom + 1) << 16);
    for (auto it = first; it != last; ++it) {
        const int x = static_cast<int>(*it & 0xFFFF);
        if (x >= left && x <= right) {
            reinterpret_cast<QRgb*>(lines + static_cast<int>(*it >> 16) * line)[x] = green;
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
