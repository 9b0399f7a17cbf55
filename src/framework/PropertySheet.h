// A tabbed property sheet: pages added in order, each page's window initialised when its tab is
// first shown. The pages stay owned by whoever created them.
#pragma once

#include "framework/PropertyPage.h"

#include <QPointer>
#include <QTabWidget>
#include <vector>

namespace halvex {

class PropertySheet : public QTabWidget {
public:
    PropertySheet();
    // Gives the pages back to their owners before the sheet goes.
    ~PropertySheet() override;

    void addPage(PropertyPage* page);
    // Makes the sheet a visible child of parent and initialises the active page (the first).
    void create(QWidget* parent);

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    PropertyPage* page(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }
    int activeIndex() const { return currentIndex(); }
    PropertyPage* activePage() const;
    // Selects the page's tab, initialising its window on its first selection.
    void setActivePage(int index);

    // The sheet's size that leaves exactly area to the pages (the tab row and frame added).
    QSize sizeForPageArea(const QSize& area) const;

    // The destruction of the sheet's window: the pages leave it and it hides.
    void destroyWindow();

private:
    void initializeActivePage();

    std::vector<QPointer<PropertyPage>> m_pages;
    bool m_created = false;
};

} // namespace halvex
