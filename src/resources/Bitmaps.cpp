// The tool's icon and the maker's logo, described as shapes and painted on demand.
#include "resources/Bitmaps.h"

#include <QPainter>
#include <array>
#include <cstring>
#include <span>

namespace halvex {
namespace {

enum class Shape { Fill, Ellipse, Disc, Line, Text };

struct ShapeSpec {
    Shape shape;
    QRgb colour;
    int x, y, width, height; // for Line: from (x, y) to (width, height)
    int pen;                 // pen width; for Text: point size
    const char* text = nullptr;
};

constexpr QRgb kNavy = 0xff1b2f5e;
constexpr QRgb kSteel = 0xff8fa6c8;
constexpr QRgb kGreen = 0xff21c45a;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kAmber = 0xfff2b233;

// A microscope objective seen from the front: lens rings and a measuring cross.
constexpr std::array kIconShapes{
    ShapeSpec{Shape::Fill, kNavy, 0, 0, 32, 32, 0},
    ShapeSpec{Shape::Disc, kSteel, 3, 3, 26, 26, 0},
    ShapeSpec{Shape::Disc, kNavy, 7, 7, 18, 18, 0},
    ShapeSpec{Shape::Ellipse, kAmber, 10, 10, 12, 12, 1},
    ShapeSpec{Shape::Line, kGreen, 16, 4, 16, 28, 1},
    ShapeSpec{Shape::Line, kGreen, 4, 16, 28, 16, 1},
};

// The maker's logo: the objective beside the company's name.
constexpr std::array kLogoShapes{
    ShapeSpec{Shape::Fill, kNavy, 0, 0, 114, 66, 0},
    ShapeSpec{Shape::Disc, kSteel, 6, 8, 50, 50, 0},
    ShapeSpec{Shape::Disc, kNavy, 13, 15, 36, 36, 0},
    ShapeSpec{Shape::Ellipse, kAmber, 19, 21, 24, 24, 2},
    ShapeSpec{Shape::Line, kGreen, 31, 10, 31, 56, 1},
    ShapeSpec{Shape::Line, kGreen, 8, 33, 54, 33, 1},
    ShapeSpec{Shape::Text, kWhite, 60, 18, 52, 16, 9, "CORVANE"},
    ShapeSpec{Shape::Text, kSteel, 60, 36, 52, 12, 6, "OPTICAL"},
};

// Paints shapes onto device, scaled from the canvas size (the first shape) by scale.
void paintShapes(std::span<const ShapeSpec> shapes, QPaintDevice& device, qreal scale) {
    QPainter painter(&device);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const ShapeSpec& s : shapes) {
        const QColor colour = QColor::fromRgba(s.colour);
        const QRect box(s.x, s.y, s.width, s.height);
        switch (s.shape) {
        case Shape::Fill:
            painter.fillRect(box, colour);
            break;
        case Shape::Disc:
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(box);
            break;
        case Shape::Ellipse:
            painter.setPen(QPen(colour, s.pen));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(box);
            break;
        case Shape::Line:
            painter.setPen(QPen(colour, s.pen));
            painter.drawLine(s.x, s.y, s.width, s.height);
            break;
        case Shape::Text: {
            // The largest size up to the given one at which the whole text fits its box, whatever
            // face the system substitutes for Arial.
            QFont font(QStringLiteral("Arial"));
            font.setBold(true);
            const QString text = QString::fromLatin1(s.text);
            for (int size = s.pen; size >= 1; --size) {
                font.setPointSize(size);
                if (QFontMetrics(font).horizontalAdvance(text) <= s.width) {
                    break;
                }
            }
            painter.setFont(font);
            painter.setPen(colour);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
            break;
        }
        }
    }
}

QPixmap paint(std::span<const ShapeSpec> shapes) {
    const ShapeSpec& canvas = shapes.front();
    QPixmap pixmap(canvas.width, canvas.height);
    paintShapes(shapes, pixmap, 1.0);
    return pixmap;
}

} // namespace

QPixmap resourceBitmap(const char* name) {
    if (name != nullptr && std::strcmp(name, "logo") == 0) {
        return paint(kLogoShapes);
    }
    return {};
}

QIcon applicationIcon() {
    return QIcon(paint(kIconShapes));
}

QImage applicationIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    paintShapes(kIconShapes, image, size / qreal(kIconShapes.front().width));
    return image;
}

} // namespace halvex
