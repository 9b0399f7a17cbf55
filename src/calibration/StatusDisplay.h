// The progress bar and the two status lines as the blocking sequences show them: every change is
// painted at once, since no message loop runs until the sequence ends.
#pragma once

#include <QString>

namespace halvex {

class CameraDataDialog;

namespace StatusDisplay {

// Members to controls, with the bar and the status lines painted now.
void Refresh(CameraDataDialog& window);
// Sets the bar (clamped to its range) and paints it now.
void SetBar(CameraDataDialog& window, int position);
// Advances the bar by step and shows the text with the new percentage; at 100 the status line
// empties and the bar starts again from 0.
void AdvanceProgress(CameraDataDialog& window, int step, const QString& text);

} // namespace StatusDisplay
} // namespace halvex
