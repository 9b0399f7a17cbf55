// Member <-> control data exchange with the framework's parse and range messages.
#include "framework/DataExchange.h"

#include "framework/ControlSet.h"
#include "framework/DialogService.h"
#include "framework/EditRules.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace halvex {

DataExchange::DataExchange(ControlSet& controls, bool saveAndValidate, QWidget* owner)
    : m_controls(controls), m_save(saveAndValidate), m_owner(owner) {}

void DataExchange::text(int id, QString& value, int maxChars) {
    if (m_save) {
        value = m_controls.text(id);
        return;
    }
    // The limit applies to what the user types next; the member is shown whole.
    if (EditRules* rules = EditRules::of(m_controls.as<QLineEdit>(id)); rules && maxChars > 0) {
        rules->setLimit(maxChars);
    }
    m_controls.setText(id, value);
}

void DataExchange::check(int id, int& value) {
    if (m_save) {
        value = m_controls.isChecked(id) ? 1 : 0;
    } else {
        m_controls.setChecked(id, value == 1);
    }
}

void DataExchange::listIndex(int id, int& index) {
    auto* list = m_controls.as<QComboBox>(id);
    if (list == nullptr) {
        return;
    }
    if (m_save) {
        index = list->currentIndex();
    } else {
        list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
    }
}

void DataExchange::sliderPosition(int id, int& position) {
    auto* slider = m_controls.as<QSlider>(id);
    if (slider == nullptr) {
        return;
    }
    if (m_save) {
        position = slider->value();
    } else {
        slider->setValue(position);
    }
}

void DataExchange::floatText(int id, float& value) {
    if (!m_save) {
        m_controls.setText(id, formatFloat(static_cast<double>(value)));
        return;
    }
    if (!parseFloat(m_controls.text(id), value)) {
        fail(id, QStringLiteral("Please enter a number."));
    }
}

void DataExchange::floatRange(int id, float value, float minimum, float maximum) {
    if (m_save && (value < minimum || value > maximum)) {
        fail(id, QStringLiteral("Please enter a number between %1 and %2.")
                     .arg(formatFloat(static_cast<double>(minimum)),
                          formatFloat(static_cast<double>(maximum))));
    }
}

void DataExchange::fail(int id, const QString& message) {
    MessageRequest request;
    request.text = message;
    request.icon = MessageIcon::Exclamation;
    dialogService().messageBox(request, m_owner);
    if (QWidget* control = m_controls.control(id)) {
        control->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->selectAll();
        }
    }
    throw DataExchangeFailure{};
}

QString formatFloat(double value) {
    return QString::asprintf("%.6g", value);
}

bool parseFloat(const QString& text, float& value) {
    const QByteArray bytes = text.toLatin1();
    const char* p = bytes.constData();
    while (*p == ' ' || *p == '\t') {
        ++p;
    }
    const char first = *p;
    char* end = nullptr;
    const double parsed = std::strtod(p, &end);
    // A zero that did not start with a '0' means nothing could be converted. A number beyond the
    // float's range would become infinite, shown as a text that no box accepts. The C library
    // also reads hexadecimal ("0x1A"), which the framework's decimal entry does not accept.
    if ((parsed == 0.0 && first != '0') || !std::isfinite(parsed) ||
        std::fabs(parsed) > std::numeric_limits<float>::max() ||
        std::any_of(p, static_cast<const char*>(end),
                    [](char c) { return c == 'x' || c == 'X'; })) {
        return false;
    }
    while (*end == ' ' || *end == '\t') {
        ++end;
    }
    if (*end != '\0') {
        return false;
    }
    value = static_cast<float>(parsed);
    return true;
}

} // namespace halvex
