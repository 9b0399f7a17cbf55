// Reads values from a Windows private-profile (INI) file the way the host's settings are read.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include "QuorvinApi.h"

namespace quorvin {

class QUORVIN_API ProfileReader {
public:
    // Reads the whole file once; a missing or unreadable file reads as empty.
    explicit ProfileReader(const QString& path);

    bool isReadable() const { return m_readable; }

    // Section and key match without regard to letter case; the value is trimmed and loses one pair
    // of surrounding double quotes. Missing section or key: empty text.
    QString value(QStringView section, QStringView key) const;

    // Longest value the host's own reader returns; longer values are cut like there.
    static constexpr qsizetype MaxValueLength = 254;

private:
    QStringList m_lines;
    bool m_readable = false;
};

} // namespace quorvin
