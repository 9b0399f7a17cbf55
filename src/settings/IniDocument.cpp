// Parsing of settings-file bytes and key look-up in the Windows private-profile dialect.
#include "settings/IniDocument.h"

#include <algorithm>

namespace halvex {
namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Only blanks and tabs: any other byte belongs to the name or value.
QByteArrayView trimmed(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.sliced(begin, end - begin);
}

} // namespace

IniDocument::IniDocument(QByteArray bytes) : m_bytes(std::move(bytes)) {
    const QByteArrayView all(m_bytes);
    if (all.startsWith(kByteOrderMark)) {
        m_textBegin = kByteOrderMark.size();
    }
    // The section that receives key lines: none before the first header and in a repeated one.
    int current = -1;
    const qsizetype size = all.size();
    for (qsizetype begin = m_textBegin; begin < size;) {
        const auto stop = std::find_if(all.begin() + begin, all.end(),
                                       [](char c) { return c == '\r' || c == '\n'; });
        const qsizetype end = stop - all.begin();
        qsizetype next = end;
        if (next < size) {
            next += all[next] == '\r' && next + 1 < size && all[next + 1] == '\n' ? 2 : 1;
        }
        parseLine(begin, end, next, current);
        begin = next;
    }
}

void IniDocument::parseLine(qsizetype begin, qsizetype end, qsizetype next, int& current) {
    const QByteArrayView text = trimmed(QByteArrayView(m_bytes).sliced(begin, end - begin));
    if (text.isEmpty() || text.front() == ';') {
        return;
    }
    if (text.front() == '[') {
        QByteArrayView name = text.sliced(1);
        if (const qsizetype close = name.indexOf(']'); close >= 0) {
            name = name.first(close);
        }
        name = trimmed(name);
        QByteArray lookup = folded(name);
        if (m_sectionByName.contains(lookup)) {
            current = -1;
            return;
        }
        current = static_cast<int>(m_sections.size());
        m_sectionByName.insert(std::move(lookup), current);
        m_sections.push_back({name, static_cast<int>(m_keys.size()), 0, next});
        return;
    }
    if (current < 0) {
        return;
    }
    const qsizetype equals = text.indexOf('=');
    const QByteArrayView name = trimmed(equals < 0 ? text : text.first(equals));
    const QByteArrayView value = equals < 0 ? QByteArrayView() : trimmed(text.sliced(equals + 1));
    m_keys.push_back({name, value, begin, next});
    Section& section = m_sections[current];
    ++section.keyCount;
    section.insertAt = next;
}

QByteArray IniDocument::value(QByteArrayView section, QByteArrayView key) const {
    const int sectionIndex = findSection(section);
    const int keyIndex = sectionIndex < 0 ? -1 : findKey(sectionIndex, key);
    if (keyIndex < 0) {
        return {};
    }
    QByteArrayView text = m_keys[keyIndex].value;
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.sliced(1, text.size() - 2);
    }
    text = text.first(std::min(text.size(), MaxValueLength));
    if (const qsizetype nul = text.indexOf('\0'); nul >= 0) {
        text = text.first(nul);
    }
    return text.toByteArray();
}

int IniDocument::findSection(QByteArrayView name) const {
    return m_sectionByName.value(folded(name), -1);
}

int IniDocument::findKey(int section, QByteArrayView name) const {
    const Section& in = m_sections[section];
    for (int index = in.firstKey; index < in.firstKey + in.keyCount; ++index) {
        if (sameName(m_keys[index].name, name)) {
            return index;
        }
    }
    return -1;
}

bool IniDocument::sameName(QByteArrayView a, QByteArrayView b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

QByteArray IniDocument::folded(QByteArrayView name) {
    QByteArray result(name.size(), Qt::Uninitialized);
    std::transform(name.begin(), name.end(), result.begin(), asciiLower);
    return result;
}

} // namespace halvex
