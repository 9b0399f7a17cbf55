// A window's menu bar built from a menu template.
#include "framework/MenuBar.h"

#include <QMenu>

namespace halvex {

MenuBar::MenuBar(const MenuTemplate& menu, std::function<void(int)> onCommand, QWidget* parent)
    : QMenuBar(parent), m_onCommand(std::move(onCommand)) {
    std::map<QString, QMenu*> popups;
    for (const MenuItemTemplate& entry : menu.items) {
        const QString popupName = QString::fromUtf8(entry.popup);
        QMenu*& popup = popups[popupName];
        if (popup == nullptr) {
            popup = addMenu(popupName);
        }
        if (entry.text == nullptr) {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(QString::fromUtf8(entry.text));
        action->setEnabled(!entry.grayed);
        const int id = entry.id;
        connect(action, &QAction::triggered, this, [this, id] { m_onCommand(id); });
        m_items[id] = action;
    }
}

QAction* MenuBar::item(int id) const {
    const auto it = m_items.find(id);
    return it == m_items.end() ? nullptr : it->second;
}

void MenuBar::enableItem(int id, bool enabled) {
    if (QAction* action = item(id)) {
        action->setEnabled(enabled);
    }
}

bool MenuBar::isItemEnabled(int id) const {
    QAction* action = item(id);
    return action != nullptr && action->isEnabled();
}

void MenuBar::choose(int id) {
    if (QAction* action = item(id); action != nullptr && action->isEnabled()) {
        action->trigger();
    }
}

} // namespace halvex
