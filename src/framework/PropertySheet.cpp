// A tabbed property sheet: pages added in order, each page's window initialised when its tab is
// first shown. The pages stay owned by whoever created them.
#include "framework/PropertySheet.h"

#include "framework/DialogStyle.h"
#include "framework/PropertyPage.h"

#include <QStyle>
#include <QStyleOption>
#include <QTabBar>

namespace halvex {

PropertySheet::PropertySheet() {
    setStyle(dialogStyle());
    tabBar()->setStyle(dialogStyle());
    connect(this, &QTabWidget::currentChanged, this, [this] {
        if (m_created) {
            initializeActivePage();
        }
    });
}

PropertySheet::~PropertySheet() {
    destroyWindow();
}

void PropertySheet::addPage(PropertyPage* page) {
    m_pages.push_back(page);
    addTab(page, page->caption());
}

void PropertySheet::create(QWidget* parent) {
    setParent(parent);
    m_created = true;
    setCurrentIndex(0);
    initializeActivePage();
    show();
}

PropertyPage* PropertySheet::activePage() const {
    const int index = currentIndex();
    return index < 0 ? nullptr : page(index);
}

void PropertySheet::setActivePage(int index) {
    setCurrentIndex(index);
    if (m_created) {
        initializeActivePage();
    }
}

QSize PropertySheet::sizeForPageArea(const QSize& area) const {
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    const QRect pages = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
    return size() - pages.size() + area;
}

void PropertySheet::destroyWindow() {
    m_created = false;
    hide();
    // Removing the tabs re-parents nothing; the pages must leave the sheet's child list so that
    // deleting the sheet does not delete them.
    while (count() > 0) {
        removeTab(0);
    }
    for (const QPointer<PropertyPage>& page : m_pages) {
        if (page != nullptr) {
            page->setParent(nullptr);
        }
    }
    m_pages.clear();
}

void PropertySheet::initializeActivePage() {
    if (PropertyPage* page = activePage()) {
        page->initialize();
    }
}

} // namespace halvex
