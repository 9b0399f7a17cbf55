// The slider of every settings page: a track bar moved from the decimal text of its paired edit
// box.
#pragma once

#include <QSlider>
#include <QString>

namespace halvex {

class ValueSlider : public QSlider {
public:
    explicit ValueSlider(QWidget* parent = nullptr);

    // Sets the minimum, then the maximum.
    void SetRange(int min, int max);

    // Reads the leading decimal integer of buffer (leading blanks and a sign allowed, no number
    // reads as 0). A number from 0 to 255 moves the slider there and its canonical decimal form
    // replaces buffer and is assigned to text; any other number changes nothing. Returns the
    // number.
    int SetPosFromText(QString& buffer, QString& text);
};

} // namespace halvex
