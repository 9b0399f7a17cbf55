// The look of the controls built from dialog templates.
#include "framework/DialogStyle.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionGroupBox>

namespace halvex {
namespace {

constexpr int kIndicatorSize = 13;
constexpr int kLabelSpacing = 3;
constexpr int kTitleIndent = 7; // a group box title starts this far in from the frame's left
constexpr int kTitleGap = 1;    // blank pixels on either side of a group box title
constexpr int kTabPadding = 12; // a tab is its caption, blanks included, and 6 pixels either side

void drawGroupBox(const QStyleOptionGroupBox& box, QPainter& painter) {
    const QFontMetrics& metrics = box.fontMetrics;
    const QRect frame = box.rect.adjusted(0, metrics.height() / 2, 0, 0);
    // An etched frame: a shadow line with a light line one pixel inside and below it.
    painter.setPen(box.palette.color(QPalette::Dark));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -2, -2));
    painter.setPen(box.palette.color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
    if (box.text.isEmpty()) {
        return;
    }
    const QRect title(kTitleIndent - kTitleGap, box.rect.top(),
                      metrics.horizontalAdvance(box.text) + 2 * kTitleGap, metrics.height());
    painter.fillRect(title, box.palette.window());
    painter.setPen(box.palette.color((box.state & QStyle::State_Enabled) != 0 ? QPalette::Active
                                                                              : QPalette::Disabled,
                                     QPalette::WindowText));
    painter.drawText(title, Qt::AlignCenter | Qt::TextSingleLine, box.text);
}

} // namespace

int DialogStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return kIndicatorSize;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return kLabelSpacing;
    case PM_TabBarTabHSpace:
        return kTabPadding;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void DialogStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        control == CC_GroupBox && box != nullptr) {
        drawGroupBox(*box, *painter);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

int DialogStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    if (hint == SH_ComboBox_Popup) {
        return 0; // a list below the box, as high as the template says, not a menu over it
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void DialogStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    const auto* edit = qobject_cast<const QLineEdit*>(widget);
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == PE_PanelLineEdit && edit != nullptr && edit->isReadOnly() && frame != nullptr) {
        QStyleOptionFrame readOnly(*frame);
        readOnly.palette.setBrush(QPalette::Base, option->palette.window());
        QProxyStyle::drawPrimitive(element, &readOnly, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QFont dialogFont(const char* name, int pointSize) {
    const QString face = QString::fromUtf8(name);
    const bool compatible =
        face == QLatin1String("Arial") || face == QLatin1String("MS Sans Serif");
    QFont font(compatible ? QStringLiteral("Liberation Sans") : face);
    font.setStyleHint(QFont::SansSerif);
    // The character height of a point size at 96 dpi, rounded as the dialog manager rounds it.
    font.setPixelSize((pointSize * 96 + 36) / 72);
    return font;
}

QStyle* dialogStyle() {
    static QPointer<DialogStyle> style;
    if (style.isNull()) {
        style = new DialogStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace halvex
