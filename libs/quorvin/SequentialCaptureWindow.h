// The sequential-capture window: series settings from the settings file, progress, Stop.
#pragma once

#include <QDialog>

#include "CaptureDefaults.h"
#include "QuorvinApi.h"
#include "SequentialCapture.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace quorvin {

class QUORVIN_API SequentialCaptureWindow : public QDialog {
    Q_OBJECT
public:
    // Controls carry these object names, so that a host's or a test's code can find them.
    static constexpr const char* FolderName = "folder";
    static constexpr const char* PrefixName = "prefix";
    static constexpr const char* FormatName = "format";
    static constexpr const char* IntervalName = "interval";
    static constexpr const char* CountName = "count";
    static constexpr const char* StartName = "start";
    static constexpr const char* StopName = "stop";
    static constexpr const char* StatusName = "status";

    SequentialCaptureWindow(const CaptureDefaults& defaults, int intervalSeconds, int count,
                            QWidget* parent = nullptr);

    SequentialCapture& capture() { return m_capture; }
    SeriesPlan plan() const;
    // Images written since the window opened, over all series.
    int imagesWritten() const { return m_imagesWritten; }

    void startSeries();
    void stopSeries();

    // Closing (Close, Escape or the close box) stops a running series first.
    void done(int result) override;

private:
    void browseFolder();
    void showState();
    void showFirstFileName();

    SequentialCapture m_capture;
    QWidget* m_inputs; // every series setting, locked while a series runs
    QLineEdit* m_folder;
    QLineEdit* m_prefix;
    QComboBox* m_format;
    QSpinBox* m_interval;
    QSpinBox* m_count;
    QLabel* m_firstFile;
    QProgressBar* m_progress;
    QPushButton* m_start;
    QPushButton* m_stop;
    QLabel* m_status;
    int m_imagesWritten = 0;
};

} // namespace quorvin
