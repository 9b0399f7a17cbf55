// Reads values from a Windows private-profile (INI) file the way the host's settings are read.
#include "ProfileReader.h"

#include <QFile>
#include <QStringDecoder>

namespace quorvin {

namespace {

// Files written on Windows carry the local code page; UTF-8 is tried first because it rejects
// such bytes, then Latin-1, which accepts everything.
QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

bool isSectionHeader(QStringView line) {
    return line.startsWith(u'[');
}

QStringView sectionName(QStringView header) {
    const qsizetype close = header.indexOf(u']');
    return (close < 0 ? header.mid(1) : header.mid(1, close - 1)).trimmed();
}

} // namespace

ProfileReader::ProfileReader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    m_readable = true;
    m_lines = decode(file.readAll()).split(u'\n');
}

QString ProfileReader::value(QStringView section, QStringView key) const {
    bool inSection = false;
    for (const QString& raw : m_lines) {
        const QStringView line = QStringView(raw).trimmed();
        if (isSectionHeader(line)) {
            if (inSection) {
                return {};
            }
            inSection = sectionName(line).compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inSection || equals < 0 ||
            line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) != 0) {
            continue;
        }
        QStringView value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) {
            value = value.mid(1, value.size() - 2);
        }
        return value.left(MaxValueLength).toString();
    }
    return {};
}

} // namespace quorvin
