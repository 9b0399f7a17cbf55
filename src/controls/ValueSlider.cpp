// The slider of every settings page: a track bar moved from the decimal text of its paired edit
// box.
#include "controls/ValueSlider.h"

#include <climits>

namespace halvex {

namespace {

// The leading decimal integer as the C library's atoi reads it, saturated to int so that a long run
// of digits stays out of the 0..255 range rather than wrapping into it.
int leadingInteger(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        value = INT_MAX;
    }
    return static_cast<int>(value);
}

} // namespace

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
