// The passes of a run drawn with QPainter.
#include "production/TracePlot.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <vector>

namespace halvex {
namespace {

constexpr int Width = 800;
constexpr int Height = 480;
constexpr QMargins Margins(56, 36, 150, 44);
constexpr double Top = 255.0;

struct Series {
    const char* label;
    QColor colour;
    Qt::PenStyle style;
    bool measured; // an average of the image, which only the manual procedure measures
    int (*value)(const CalibrationPass&);
};

const std::array kSeries{
    Series{"R average", QColor(220, 30, 30), Qt::SolidLine, true,
           [](const CalibrationPass& pass) { return int{pass.averages.red}; }},
    Series{"G average", QColor(20, 150, 40), Qt::SolidLine, true,
           [](const CalibrationPass& pass) { return int{pass.averages.green}; }},
    Series{"B average", QColor(30, 60, 220), Qt::SolidLine, true,
           [](const CalibrationPass& pass) { return int{pass.averages.blue}; }},
    Series{"blue gain", QColor(30, 60, 220), Qt::DashLine, false,
           [](const CalibrationPass& pass) { return int{pass.gains.blue}; }},
    Series{"red gain", QColor(220, 30, 30), Qt::DashLine, false,
           [](const CalibrationPass& pass) { return int{pass.gains.red}; }},
};

} // namespace

QImage DrawTracePlot(const CalibrationReport& report) {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(image.rect()).marginsRemoved(Margins.toMarginsF());
    const std::vector<CalibrationPass>& passes = report.result.passes;
    const int count = static_cast<int>(passes.size());
    const auto x = [&](int index) {
        return count <= 1 ? area.center().x() : area.left() + area.width() * index / (count - 1);
    };
    const auto y = [&](double value) {
        return area.bottom() - area.height() * std::clamp(value, 0.0, Top) / Top;
    };

    painter.setPen(QColor(225, 225, 225));
    for (int value = 0; value <= 256; value += 64) {
        const double level = y(std::min(value, 255));
        painter.drawLine(QPointF(area.left(), level), QPointF(area.right(), level));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, level - 8, Margins.left() - 6, 16),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(std::min(value, 255)));
        painter.setPen(QColor(225, 225, 225));
    }

    const bool manual = report.procedure == CalibrationProcedure::Manual;
    if (manual && count > 0) {
        QPolygonF band;
        for (int i = 0; i < count; ++i) {
            band << QPointF(x(i), y(passes[i].averages.green + report.tolerance));
        }
        for (int i = count - 1; i >= 0; --i) {
            band << QPointF(x(i), y(passes[i].averages.green - report.tolerance));
        }
        if (count == 1) {
            band = QPolygonF(
                QRectF(QPointF(area.left(), band[0].y()), QPointF(area.right(), band[1].y())));
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(20, 150, 40, 50));
        painter.drawPolygon(band);
    }

    for (const Series& series : kSeries) {
        if (series.measured && !manual) {
            continue;
        }
        painter.setPen(QPen(series.colour, 2, series.style));
        QPolygonF line;
        for (int i = 0; i < count; ++i) {
            line << QPointF(x(i), y(series.value(passes[i])));
        }
        painter.drawPolyline(line);
    }

    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    const int step = std::max(1, count / 10);
    for (int i = 0; i < count; i += step) {
        painter.drawText(QRectF(x(i) - 20, area.bottom() + 4, 40, 16), Qt::AlignCenter,
                         QString::number(i + 1));
    }
    painter.drawText(QRectF(area.left(), Height - 22, area.width(), 18), Qt::AlignCenter,
                     QStringLiteral("pass"));
    painter.drawText(
        QRectF(area.left(), 8, area.width(), 20), Qt::AlignCenter,
        QStringLiteral("%1 %2 calibration: %3")
            .arg(report.sensor, ProcedureName(report.procedure), verdictName(report.verdict)));

    double legend = area.top();
    for (const Series& series : kSeries) {
        if (series.measured && !manual) {
            continue;
        }
        painter.setPen(QPen(series.colour, 2, series.style));
        painter.drawLine(QPointF(area.right() + 12, legend + 8),
                         QPointF(area.right() + 40, legend + 8));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.right() + 46, legend, 100, 16), Qt::AlignVCenter,
                         QString::fromLatin1(series.label));
        legend += 20;
    }
    if (manual) {
        painter.fillRect(QRectF(area.right() + 12, legend + 2, 28, 12), QColor(20, 150, 40, 50));
        painter.drawText(QRectF(area.right() + 46, legend, 100, 16), Qt::AlignVCenter,
                         QStringLiteral("G +/- %1").arg(report.tolerance));
    }
    return image;
}

} // namespace halvex
