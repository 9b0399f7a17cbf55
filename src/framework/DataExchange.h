// Member <-> control data exchange in both directions, with the float checks of the dialog
// framework.
#pragma once

#include <QString>

class QWidget;

namespace halvex {

class ControlSet;

// Thrown inside an exchange when a value taken from a control fails its check; the exchange
// has then already told the user and put the focus back into the control.
struct DataExchangeFailure {};

class DataExchange {
public:
    DataExchange(ControlSet& controls, bool saveAndValidate, QWidget* owner);

    // true: controls to members (with validation); false: members to controls.
    bool saving() const { return m_save; }

    void text(int id, QString& value, int maxChars = 0);
    void check(int id, int& value);
    // The position of a drop-down list's chosen entry; -1 (or any position it lacks) selects
    // nothing.
    void listIndex(int id, int& index);
    // A slider's position; the slider limits a shown position to its range.
    void sliderPosition(int id, int& position);
    void floatText(int id, float& value);
    // Range check after floatText, while saving.
    void floatRange(int id, float value, float minimum, float maximum);

private:
    [[noreturn]] void fail(int id, const QString& message);

    ControlSet& m_controls;
    bool m_save;
    QWidget* m_owner;
};

// Formats a float as the framework shows it ("%.6g").
QString formatFloat(double value);
// Parses a float as the framework accepts it: blanks around, nothing else after the number, and
// a value that a float holds as a finite number (formatFloat of any such value parses again).
bool parseFloat(const QString& text, float& value);

} // namespace halvex
