// One page of a property sheet: a window built from its template and shown inside a tab.
#pragma once

#include "framework/Dialog.h"

namespace halvex {

class PropertyPage : public Dialog {
public:
    // The page's tab caption is its template's caption, blanks included.
    explicit PropertyPage(const DialogTemplate& pageTemplate);

    QString caption() const { return m_caption; }

protected:
    // A page has no Enter and Escape of its own: its sheet's host decides how it ends.
    void onOK() override {}
    void onCancel() override {}

private:
    QString m_caption;
};

} // namespace halvex
