// Progress on standard error.
#include "production/ProgressLine.h"

namespace halvex {

void ProgressLine::show(const QString& line) {
    if (line == m_last) {
        return;
    }
    m_last = line;
    if (m_terminal) {
        // Back to the line's start and erase what a longer earlier line left.
        write(QStringLiteral("\r%1\x1b[K").arg(line));
        m_open = true;
    } else {
        write(line + u'\n');
    }
}

void ProgressLine::note(const QString& text) {
    finish();
    write(text + u'\n');
}

void ProgressLine::finish() {
    if (m_open) {
        write(QStringLiteral("\n"));
        m_open = false;
    }
}

void ProgressLine::write(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), m_stream);
    std::fflush(m_stream);
}

} // namespace halvex
