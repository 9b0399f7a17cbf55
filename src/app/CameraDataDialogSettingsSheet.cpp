// The main window's camera settings sheet: built into the right-hand strip and torn down again.
#include "app/CameraDataDialog.h"

#include "camerasettings/CCameraSetting1.h"
#include "camerasettings/CCameraSetting2.h"
#include "framework/PropertySheet.h"

namespace halvex {
namespace {

// The pages' area once the sheet is in place, and the sheet's place in the main window's client
// area (both for the fixed 800 x 600 layout).
constexpr QSize kSheetPageArea{144, 526};
constexpr QPoint kSheetPosition{635, -3};

} // namespace

void CameraDataDialog::CreateSettingsSheet() {
    m_pSheet = std::make_unique<PropertySheet>();
    m_pPage1 = std::make_unique<CCameraSetting1>();
    m_pPage2 = std::make_unique<CCameraSetting2>();
    m_pSheet->addPage(m_pPage1.get());
    m_pSheet->addPage(m_pPage2.get());
    // A child of the client area; Qt's tab widget already lets Tab move into its pages.
    m_pSheet->create(clientArea());

    // Creating the sheet initialised page 1, which placed itself at its design size; the sheet
    // is then shrunk by what that page exceeds the target area.
    const QSize pageSize = m_pPage1->size();
    const QSize excess = pageSize - kSheetPageArea;
    m_pPage1->resize(pageSize.width(), kSheetPageArea.height());
    m_pSheet->resize(m_pSheet->sizeForPageArea(pageSize) - excess);
    m_pSheet->move(kSheetPosition);
    m_pSheet->setActivePage(0);
}

void CameraDataDialog::DestroySettingsSheet() {
    if (m_pSheet != nullptr) {
        m_pSheet->destroyWindow();
    }
    m_pSheet.reset();
    m_pPage1.reset();
    m_pPage2.reset();
}

} // namespace halvex
