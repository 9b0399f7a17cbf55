// What a technician's hands do to the tool's widgets: typing over a box, leaving it, dragging a
// slider's thumb and letting go, choosing a list entry from the keyboard.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <cstdlib>

namespace halvex::test {

// Selects the box's text and types over it, one key at a time.
inline void typeInto(QLineEdit* box, const QString& text) {
    box->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
    }
    QTest::keyClicks(box, text);
}

inline void leave(QWidget* widget) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
}

inline void typeAndLeave(QLineEdit* box, const QString& text) {
    typeInto(box, text);
    leave(box);
}

// Drags the thumb to position and lets go.
inline void drag(QSlider* thumb, int position) {
    thumb->setSliderDown(true);
    thumb->setSliderPosition(position);
    thumb->setSliderDown(false);
}

// Moves the selection to index with the arrow keys, as from the keyboard; a list that flips back
// (the sensor did not take the state) is left as it shows.
inline void choose(QComboBox* box, int index) {
    const int steps = index - box->currentIndex();
    for (int step = 0; step < std::abs(steps); ++step) {
        QTest::keyClick(box, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    }
}

} // namespace halvex::test
