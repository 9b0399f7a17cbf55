// Entry point of the Quorvin library: the sequential-capture window that a host program opens.
#pragma once

#include <QString>

#include "QuorvinApi.h"

// One per host window. The host has initialised the camera library before it opens the window and
// unmounts it itself; the window only captures.
class QUORVIN_API CExport {
public:
    CExport();
    ~CExport();
    CExport(const CExport&) = delete;
    CExport& operator=(const CExport&) = delete;

    // Opens the sequential-capture window modally over the active window, with the capture defaults
    // of the settings file iniPath, and returns when it closes: the number of images it wrote.
    int ShowWindow(const QString& iniPath);

private:
    // The series shape the technician chose last; the settings file does not hold it.
    int m_intervalSeconds = 5;
    int m_count = 10;
};
