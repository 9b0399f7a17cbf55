// A window's menu bar built from a menu template; items are found by command id.
#pragma once

#include "resources/DialogTemplate.h"

#include <QMenuBar>
#include <functional>
#include <map>

namespace halvex {

class MenuBar final : public QMenuBar {
public:
    // onCommand receives the command id of every item the user chooses.
    MenuBar(const MenuTemplate& menu, std::function<void(int)> onCommand, QWidget* parent);

    QAction* item(int id) const;
    // Grays (false) or enables (true) an item.
    void enableItem(int id, bool enabled);
    bool isItemEnabled(int id) const;
    // Chooses an item as the user would: nothing happens when it is grayed.
    void choose(int id);

private:
    std::map<int, QAction*> m_items;
    std::function<void(int)> m_onCommand;
};

} // namespace halvex
