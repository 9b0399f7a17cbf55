// Progress of a run on standard error: one line rewritten in place on a terminal, a plain line
// per change otherwise (a log file or a pipe of the production line).
#pragma once

#include <QString>
#include <cstdio>

namespace halvex {

class ProgressLine {
public:
    ProgressLine(std::FILE* stream, bool terminal) : m_stream(stream), m_terminal(terminal) {}
    ~ProgressLine() { finish(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // The status with its percentage; an unchanged line prints nothing.
    void show(const QString& line);
    // A line of its own (a message the run answered), kept above the progress line.
    void note(const QString& text);
    // Ends the rewritten line so that what follows starts on a line of its own.
    void finish();

private:
    void write(const QString& text);

    std::FILE* m_stream;
    bool m_terminal;
    bool m_open = false;
    QString m_last;
};

} // namespace halvex
