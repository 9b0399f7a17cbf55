// Applying collected key writes to settings-file bytes in one pass.
#include "settings/IniEditor.h"

#include <algorithm>

namespace halvex {
namespace {

constexpr QByteArrayView kLineBreak("\r\n");

// Ends the text so far with a line break, unless it already ends with one.
void breakLastLine(QByteArray& out) {
    if (!out.endsWith('\n') && !out.endsWith('\r')) {
        out.append(kLineBreak);
    }
}

} // namespace

void IniEditor::write(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    if (const int sectionIndex = m_document.findSection(section); sectionIndex >= 0) {
        if (const int keyIndex = m_document.findKey(sectionIndex, key); keyIndex >= 0) {
            m_replaced[keyIndex] = value.toByteArray();
        } else {
            setKey(m_inserted[sectionIndex], key, value);
        }
        return;
    }
    auto appended = std::find_if(m_appended.begin(), m_appended.end(), [&](const NewSection& s) {
        return IniDocument::sameName(s.name, section);
    });
    if (appended == m_appended.end()) {
        appended = m_appended.insert(appended, NewSection{section.toByteArray(), {}});
    }
    setKey(appended->keys, key, value);
}

void IniEditor::setKey(std::vector<NewKey>& keys, QByteArrayView name, QByteArrayView value) {
    // A second write of a key this editor created finds the line the first one made.
    const auto existing = std::find_if(keys.begin(), keys.end(), [&](const NewKey& k) {
        return IniDocument::sameName(k.name, name);
    });
    if (existing != keys.end()) {
        existing->value = value.toByteArray();
    } else {
        keys.push_back({name.toByteArray(), value.toByteArray()});
    }
}

void IniEditor::appendKeyLines(QByteArray& out, const std::vector<NewKey>& keys) {
    for (const NewKey& key : keys) {
        out.append(key.name).append('=').append(key.value).append(kLineBreak);
    }
}

QByteArray IniEditor::result() const {
    // Replacements and insertions, in file order: a replacement starts at its line's first byte,
    // an insertion at the end of a (possibly replaced) line, so offsets never tie.
    struct Change {
        qsizetype at;
        int replacedKey; // -1 for an insertion
        int section;
    };
    std::vector<Change> changes;
    changes.reserve(m_replaced.size() + m_inserted.size());
    for (const auto& [keyIndex, value] : m_replaced) {
        changes.push_back({m_document.key(keyIndex).lineBegin, keyIndex, -1});
    }
    for (const auto& [sectionIndex, keys] : m_inserted) {
        changes.push_back({m_document.section(sectionIndex).insertAt, -1, sectionIndex});
    }
    std::sort(changes.begin(), changes.end(),
              [](const Change& a, const Change& b) { return a.at < b.at; });

    const QByteArrayView original(m_document.bytes());
    QByteArray out;
    out.reserve(original.size() + 64 * static_cast<qsizetype>(m_replaced.size() + 1));
    qsizetype copied = 0;
    for (const Change& change : changes) {
        out.append(original.sliced(copied, change.at - copied));
        if (change.replacedKey >= 0) {
            const IniDocument::Key& key = m_document.key(change.replacedKey);
            out.append(key.name).append('=').append(m_replaced.at(change.replacedKey));
            out.append(kLineBreak);
            copied = key.lineNext;
        } else {
            breakLastLine(out);
            appendKeyLines(out, m_inserted.at(change.section));
            copied = change.at;
        }
    }
    out.append(original.sliced(copied));

    if (!m_appended.empty()) {
        if (out.size() > m_document.textBegin()) {
            breakLastLine(out);
        }
        for (const NewSection& section : m_appended) {
            out.append('[').append(section.name).append(']').append(kLineBreak);
            appendKeyLines(out, section.keys);
        }
    }
    return out;
}

} // namespace halvex
