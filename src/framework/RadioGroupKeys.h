// The keyboard of a radio group: one Tab stop, and arrow keys that move around the group.
#pragma once

#include <QObject>
#include <vector>

class QRadioButton;

namespace halvex {

// Tab reaches a radio group once, at its checked button (the first when none is), and the arrow
// keys move around the group, checking the button they reach, as the dialog manager does for a
// group of automatic radio buttons. It lives as long as its parent.
class RadioGroupKeys final : public QObject {
public:
    RadioGroupKeys(std::vector<QRadioButton*> buttons, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateTabStop();

    std::vector<QRadioButton*> m_buttons;
};

} // namespace halvex
