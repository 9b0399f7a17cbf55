// What an edit box takes, as the platform's edit control rules it: digits only, upper case (also
// for the texts the program shows), and a length limit on what the user types, which never cuts a
// text the program shows.
#pragma once

#include <QValidator>

class QLineEdit;

namespace halvex {

class EditRules final : public QValidator {
public:
    // Gives edit these rules; it keeps them for its life.
    static void apply(QLineEdit* edit, bool digitsOnly, bool upperCase, int limit);
    // The rules edit was given, or nullptr.
    static EditRules* of(QLineEdit* edit);

    // At most limit characters may be typed (0: any number). A longer text already shown stays
    // whole; keys that would lengthen it are refused until it is shorter than the limit.
    void setLimit(int limit);
    // Shows a text of the program's, whole.
    void show(const QString& text);

    State validate(QString& input, int& position) const override;

private:
    EditRules(QLineEdit* edit, bool digitsOnly, bool upperCase);
    // The box's own limit: the typing limit, or the length of a longer text already shown.
    void fitToShownText();

    QLineEdit* m_edit;
    bool m_digitsOnly;
    bool m_upperCase;
    int m_limit = 0;
};

} // namespace halvex
