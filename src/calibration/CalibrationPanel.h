// The calibration panel's edit boxes and check box: every change takes the panel's values, and
// the green and ratio limits are held to what the procedures can use.
#pragma once

namespace halvex {

class CameraDataDialog;

namespace CalibrationPanel {

// Any panel value changed: all values are taken from the controls.
void ValuesEdited(CameraDataDialog& window);
// A Green Limit box (1212, 1213) changed: a value above 255 becomes "255", shown at once.
void GreenLimitChanged(CameraDataDialog& window, int id);
// A ratio limit box changed: a value above 2.0 becomes 2.0, shown at once.
void RatioLimitChanged(CameraDataDialog& window, int id);

} // namespace CalibrationPanel
} // namespace halvex
