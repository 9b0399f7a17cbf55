// The progress bar and status lines of the blocking sequences.
#include "calibration/StatusDisplay.h"

#include "app/CameraDataDialog.h"
#include "resources/ResourceIds.h"

#include <QProgressBar>
#include <algorithm>

namespace halvex::StatusDisplay {
namespace {

void paintNow(QWidget* widget) {
    if (widget != nullptr) {
        widget->repaint();
    }
}

} // namespace

void Refresh(CameraDataDialog& window) {
    window.updateData(false);
    paintNow(window.m_progress);
    paintNow(window.control(MainId::Status));
    paintNow(window.control(MainId::Message));
}

void SetBar(CameraDataDialog& window, int position) {
    QProgressBar* bar = window.m_progress;
    bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
    paintNow(bar);
}

void AdvanceProgress(CameraDataDialog& window, int step, const QString& text) {
    QProgressBar* bar = window.m_progress;
    bar->setValue(std::clamp(bar->value() + step, bar->minimum(), bar->maximum()));
    const int position = bar->value();
    window.m_strStatus = text + QString::asprintf("  %d%%", position);
    if (position == 100) {
        window.m_strStatus.clear();
        SetBar(window, 0);
    }
    Refresh(window);
}

} // namespace halvex::StatusDisplay
