// The look of the controls built from dialog templates: the platform's style, with the proportions
// and conventions the templates were laid out for.
#pragma once

#include <QFont>
#include <QProxyStyle>

namespace halvex {

// Check boxes and radio buttons with a 13-pixel indicator and a 3-pixel gap before their text,
// group boxes whose title interrupts the frame's top line (the frame starts half a text line down),
// read-only edit boxes on the window's background colour, tabs as narrow as their captions, and
// drop-down lists that open below the box, as the dialog manager draws them.
class DialogStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// The font a template names, as the dialog geometry assumes it: "Arial" and "MS Sans Serif" are
// drawn with the metric-compatible Liberation Sans, and points are converted at 96 dpi into a
// fixed pixel size, so neither the desktop's dpi nor its font substitutions change the layout.
QFont dialogFont(const char* name, int pointSize);

// The one style of all template controls; it lives as long as the application object.
QStyle* dialogStyle();

} // namespace halvex
