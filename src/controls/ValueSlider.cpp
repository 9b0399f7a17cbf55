// The slider of every settings page: a track bar moved from the decimal text of its paired edit
// box.
#include "controls/ValueSlider.h"

#include "framework/TextNumbers.h"

namespace halvex {

ValueSlider::ValueSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

void ValueSlider::SetRange(int min, int max) {
    setMinimum(min);
    setMaximum(max);
}

int ValueSlider::SetPosFromText(QString& buffer, QString& text) {
    const int n = leadingInteger(buffer);
    if (n < 0 || n > 255) {
        return n;
    }
    // The control limits the position to its own range; the 0..255 test above does not.
    setValue(n);
    buffer = QString::number(n);
    text = buffer;
    return n;
}

} // namespace halvex
