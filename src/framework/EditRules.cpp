// The rules of an edit box: digits only, upper case, and a limit on what the user types.
#include "framework/EditRules.h"

#include <QLineEdit>
#include <algorithm>

namespace halvex {
namespace {

// QLineEdit's own limit when a box has none.
constexpr int kNoLimit = 32767;

} // namespace

EditRules::EditRules(QLineEdit* edit, bool digitsOnly, bool upperCase)
    : QValidator(edit), m_edit(edit), m_digitsOnly(digitsOnly), m_upperCase(upperCase) {
    // A key that shortens a text longer than the limit brings the box's limit down with it.
    connect(edit, &QLineEdit::textEdited, this, [this] { fitToShownText(); });
}

void EditRules::apply(QLineEdit* edit, bool digitsOnly, bool upperCase, int limit) {
    auto* rules = new EditRules(edit, digitsOnly, upperCase);
    edit->setValidator(rules);
    rules->setLimit(limit);
}

EditRules* EditRules::of(QLineEdit* edit) {
    if (edit == nullptr) {
        return nullptr;
    }
    // The rules have no meta-object of their own: findChild would take any validator for them.
    for (QObject* child : edit->children()) {
        if (auto* rules = dynamic_cast<EditRules*>(child)) {
            return rules;
        }
    }
    return nullptr;
}

void EditRules::setLimit(int limit) {
    m_limit = limit;
    fitToShownText();
}

void EditRules::show(const QString& text) {
    if ((m_upperCase ? text.toUpper() : text) == m_edit->text()) {
        return;
    }
    // QLineEdit cuts any text, the program's too, to its limit: lift it first.
    if (text.size() > m_edit->maxLength()) {
        m_edit->setMaxLength(static_cast<int>(text.size()));
    }
    m_edit->setText(text);
    fitToShownText();
}

QValidator::State EditRules::validate(QString& input, int&) const {
    if (m_upperCase) {
        input = input.toUpper();
    }
    if (m_digitsOnly && !std::all_of(input.cbegin(), input.cend(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        })) {
        return Invalid;
    }
    return Acceptable;
}

void EditRules::fitToShownText() {
    const int limit =
        m_limit > 0 ? std::max(m_limit, static_cast<int>(m_edit->text().size())) : kNoLimit;
    if (limit == m_edit->maxLength()) {
        return;
    }
    // Setting the limit puts the same text back, which moves the cursor and drops the selection.
    const int cursor = m_edit->cursorPosition();
    const int selectionStart = m_edit->selectionStart();
    const int selectionLength = static_cast<int>(m_edit->selectedText().size());
    m_edit->setMaxLength(limit);
    if (selectionStart >= 0) {
        m_edit->setSelection(selectionStart, selectionLength);
    } else {
        m_edit->setCursorPosition(cursor);
    }
}

} // namespace halvex
