// The keyboard of a radio group: one Tab stop, and arrow keys that move around the group.
#include "framework/RadioGroupKeys.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>

namespace halvex {

RadioGroupKeys::RadioGroupKeys(std::vector<QRadioButton*> buttons, QObject* parent)
    : QObject(parent), m_buttons(std::move(buttons)) {
    for (QRadioButton* button : m_buttons) {
        button->installEventFilter(this);
        connect(button, &QAbstractButton::toggled, this, [this] { updateTabStop(); });
    }
    updateTabStop();
}

bool RadioGroupKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        return false;
    }
    const auto count = static_cast<std::ptrdiff_t>(m_buttons.size());
    const std::ptrdiff_t from =
        std::find(m_buttons.begin(), m_buttons.end(), watched) - m_buttons.begin();
    for (std::ptrdiff_t i = 1; i < count; ++i) {
        QRadioButton* next = m_buttons[static_cast<std::size_t>((from + step * i + count) % count)];
        if (!next->isHidden() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            if (!next->isChecked()) {
                next->click();
            }
            break;
        }
    }
    return true;
}

void RadioGroupKeys::updateTabStop() {
    const auto checked = std::find_if(m_buttons.begin(), m_buttons.end(),
                                      [](const QRadioButton* b) { return b->isChecked(); });
    const QRadioButton* stop = checked != m_buttons.end() ? *checked : m_buttons.front();
    for (QRadioButton* button : m_buttons) {
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace halvex
