// Settings-file bytes parsed once, read as the Windows private-profile reader reads them.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <vector>

namespace halvex {

// Works on bytes: names and values are 8-bit text, the file's other bytes are never interpreted.
// Dialect: lines end at CR, LF or CRLF; a UTF-8 byte-order mark at the start is skipped; blanks
// and tabs are trimmed around names, '=' and values; a line whose first non-blank character is
// ';' is a comment; a line starting with '[' opens a section named by the text up to the first
// ']' (or the line's end); any other non-blank line is a key line, its name before the first '='
// (the whole line when there is none). Names match without regard to ASCII letter case; only
// the first section of a name counts and, in it, the first key of a name.
class IniDocument {
public:
    static constexpr qsizetype MaxValueLength = 254;

    struct Key {
        QByteArrayView name;  // trimmed, spelled as in the file
        QByteArrayView value; // trimmed text after the first '='
        qsizetype lineBegin;  // the line's first byte
        qsizetype lineNext;   // after the line's break: where the next line begins
    };

    struct Section {
        QByteArrayView name;
        int firstKey; // into key()
        int keyCount;
        // Where a new key line goes: after the break of the section's last key line (or of its
        // header when it has no key), or at the end of the file when that line has no break.
        qsizetype insertAt;
    };

    explicit IniDocument(QByteArray bytes);

    // What the reader returns: the value without one surrounding pair of double quotes, cut to
    // MaxValueLength bytes and at a NUL byte (the reader hands out a C string); empty when the
    // section or the key is missing.
    QByteArray value(QByteArrayView section, QByteArrayView key) const;

    // Index of the first section of that name, or -1.
    int findSection(QByteArrayView name) const;
    // Index (into key()) of the first key of that name in section, or -1.
    int findKey(int section, QByteArrayView name) const;
    const Section& section(int index) const { return m_sections[index]; }
    const Key& key(int index) const { return m_keys[index]; }

    const QByteArray& bytes() const { return m_bytes; }
    // Where the text starts: after the byte-order mark, if any.
    qsizetype textBegin() const { return m_textBegin; }

    static bool sameName(QByteArrayView a, QByteArrayView b);

private:
    static QByteArray folded(QByteArrayView name);
    void parseLine(qsizetype begin, qsizetype end, qsizetype next, int& current);

    QByteArray m_bytes;
    std::vector<Section> m_sections;
    std::vector<Key> m_keys;
    QHash<QByteArray, int> m_sectionByName; // lower-case name -> first section of that name
    qsizetype m_textBegin = 0;
};

} // namespace halvex
