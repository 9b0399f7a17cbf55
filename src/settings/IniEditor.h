// Key writes to a parsed settings file, applied in one pass as the Windows writer would.
#pragma once

#include "settings/IniDocument.h"

#include <QByteArray>
#include <map>
#include <vector>

namespace halvex {

// Each write() has the effect of one WritePrivateProfileString call on the file so far: a key that
// exists gets its line replaced by "name=value" (the line's own spelling of the name); a new key
// goes right after the last key line of its section; a new section is appended at the end as a
// header line and the key line. Every line written ends with CRLF, as the Windows writer ends its
// lines, whatever breaks the file's other lines have; a last line without a break gets one before
// anything is written after it. Every other byte stays as it was. result() then produces the file
// that the writes, made one after another, would leave, in a single pass over the original bytes.
class IniEditor {
public:
    // document must outlive the editor.
    explicit IniEditor(const IniDocument& document) : m_document(document) {}

    // value goes into the file byte for byte (quotes, if wanted, are part of it).
    void write(QByteArrayView section, QByteArrayView key, QByteArrayView value);

    QByteArray result() const;

private:
    struct NewKey {
        QByteArray name;
        QByteArray value;
    };
    struct NewSection {
        QByteArray name;
        std::vector<NewKey> keys;
    };

    static void setKey(std::vector<NewKey>& keys, QByteArrayView name, QByteArrayView value);
    static void appendKeyLines(QByteArray& out, const std::vector<NewKey>& keys);

    const IniDocument& m_document;
    std::map<int, QByteArray> m_replaced;          // key index -> new value
    std::map<int, std::vector<NewKey>> m_inserted; // section index -> keys after its last key line
    std::vector<NewSection> m_appended;            // sections new to the file, in order of creation
};

} // namespace halvex
