// Entry point of the Quorvin library: the sequential-capture window that a host program opens.
#include "Quorvin.h"

#include <QApplication>

#include "CaptureDefaults.h"
#include "SequentialCaptureWindow.h"

CExport::CExport() = default;

CExport::~CExport() = default;

int CExport::ShowWindow(const QString& iniPath) {
    quorvin::SequentialCaptureWindow window(quorvin::CaptureDefaults::read(iniPath),
                                            m_intervalSeconds, m_count,
                                            QApplication::activeWindow());
    window.exec();
    m_intervalSeconds = window.plan().intervalSeconds;
    m_count = window.plan().count;
    return window.imagesWritten();
}
