// The controls of one dialog or page, built from its template and found by numeric id.
#pragma once

#include "resources/DialogTemplate.h"

#include <QString>
#include <map>
#include <vector>

class QWidget;
class QButtonGroup;

namespace halvex {

class ControlSet {
public:
    // Creates every control of the template as a child of parent, in template order.
    void build(const DialogTemplate& dialog, QWidget* parent);

    // The control with this id; nullptr when there is none.
    QWidget* control(int id) const;
    template <typename W> W* as(int id) const { return dynamic_cast<W*>(control(id)); }
    // The kind the template gave the control with this id.
    ControlKind kind(int id) const;
    // The ids of the radio group that starts at (or contains) id, in template order.
    std::vector<int> radioGroup(int id) const;

    QString text(int id) const;
    void setText(int id, const QString& text);
    void show(int id, bool visible);
    void enable(int id, bool enabled);
    bool isVisible(int id) const; // the control's own visibility flag
    bool isEnabled(int id) const;
    bool isChecked(int id) const;
    void setChecked(int id, bool checked);
    // Checks id and clears the other buttons from first to last.
    void checkRadioButton(int first, int last, int id);

private:
    struct Entry {
        QWidget* widget;
        ControlKind kind;
        int group; // index of the radio group, -1 for other controls
    };
    std::map<int, Entry> m_controls;
    std::vector<std::vector<int>> m_radioGroups;
};

} // namespace halvex
