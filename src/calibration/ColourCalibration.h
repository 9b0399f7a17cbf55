// The calibration component: the camera start-up sequence before live view and the three
// calibration operations (automatic and manual adjustment, one measurement), run through a
// front end. The camera is reached through the camera library and RegisterAccess.
#pragma once

#include "calibration/CalibrationFrontEnd.h"
#include "camera/RegisterAccess.h"

#include <VX3lib.h>
#include <optional>

namespace halvex {

class ColourCalibration {
public:
    ColourCalibration(CalibrationFrontEnd& frontEnd, RegisterAccess& registers)
        : m_frontEnd(frontEnd), m_registers(registers) {}

    // The start-up sequence of live view: fixed register commands, the stored white balance
    // written and checked, the sensor's stored settings and the exposure mode (SettingsStore,
    // SensorModel).
    void RunCameraStartup();
    // Moves the bar by step and shows the text with the new percentage; at 100 the status line
    // empties and the bar starts again.
    void AdvanceProgress(int step, const QString& text);

    // "Get Auto Adj. Values" and "Get Manual Adj. Values": the whole procedure, with its nested
    // runs. The front end's runFinished() receives the same result.
    CalibrationResult GetAutoAdjValues();
    CalibrationResult GetManualAdjValues();
    // "Get RGB": one measurement of what the live area shows, shown in the measurement line.
    ZoneAverages GetRGB();

    // The white-balance pair last written to or read from the camera (blue, red).
    WhiteBalanceValue m_wbValue{};
    // 0: tolerance criterion; 1: ratio criterion (inside a run restarted by Auto Ratio Check).
    int m_nAdjustState = 0;
    // The panel's values as the run took them from the front end at its start.
    CalibrationPanelValues m_panel;

private:
    CalibrationVerdict RunAutomatic();
    // false: the procedure ends (initial values refused, or the time-out cancelled).
    bool WaitForStableBalance(CalibrationVerdict& verdict);
    bool CheckAutoRange(CalibrationVerdict& verdict);
    CalibrationVerdict RunManual();
    CalibrationVerdict RestartManual();
    void TakePanelValues();
    // Reads the camera's white balance into the adjustment values, shown now.
    void ShowAdjustmentValues();
    void UppercaseHexValues();
    void InitWhiteBalance();
    void ApplyStoredSettings();
    bool LoadStoredWhiteBalance(bool withProgress);
    void Record(CalibrationPass pass);
    // Starts the record of a run the technician started; false inside a nested run.
    bool BeginRun(CalibrationProcedure procedure);
    CalibrationResult EndRun(CalibrationVerdict verdict);
    // A procedure's steps as the technician's run, or, inside a run (a Retry), as part of it.
    CalibrationResult Run(CalibrationProcedure procedure,
                          CalibrationVerdict (ColourCalibration::*steps)());
    // The initial values of the run's first (outermost) start.
    void TakeInitialGains(WhiteBalanceValue gains);

    CalibrationFrontEnd& m_frontEnd;
    RegisterAccess& m_registers;
    AdjustmentValues m_adjustment;
    // The run the technician started, while it lasts; nested runs add their passes to it.
    std::optional<CalibrationResult> m_run;
    std::uint32_t m_runStartTick = 0;
    bool m_initialGainsTaken = false;
};

} // namespace halvex
