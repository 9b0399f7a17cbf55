// One page of a property sheet: a window built from its template and shown inside a tab.
#include "framework/PropertyPage.h"

namespace halvex {

PropertyPage::PropertyPage(const DialogTemplate& pageTemplate)
    : Dialog(pageTemplate), m_caption(QString::fromUtf8(pageTemplate.caption)) {
    setWindowFlags(Qt::Widget);
}

} // namespace halvex
