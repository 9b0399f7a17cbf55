// Number entry of data exchange: any text typed into a float box is accepted exactly when it is a
// decimal number the way the dialog framework reads one, and a refusal or an out-of-range value
// shows its message; compared with a small model of that rule.
#include "FuzzCheck.h"
#include "framework/ControlSet.h"
#include "framework/DataExchange.h"
#include "framework/ScriptedDialogService.h"

#include <QApplication>
#include <QWidget>
#include <array>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr int kBox = 1000;
constexpr std::array<halvex::ControlTemplate, 1> kControls{
    {{kBox, halvex::ControlKind::Edit, "", 0, 0, 40, 12}}};
constexpr halvex::DialogTemplate kDialog{1, "Numbers", 60, 20, "Arial", 8, 0, kControls};
// Ranges like the ratio limits' and wider ones, a one-value range and a tiny one.
constexpr std::array<std::pair<float, float>, 5> kRanges{
    {{0.0f, 2.0f}, {-1.0e6f, 1.0e6f}, {1.0f, 30.0f}, {0.5f, 0.5f}, {1.0e-30f, 3.0e-30f}}};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A float box's rule: blanks, a decimal number (sign, digits with an optional point, an optional
// exponent), blanks, and nothing else; zero only when written with a leading '0'; within a float's
// range. The box holds a C string, so its text ends at a NUL.
std::optional<double> referenceFloat(std::string text) {
    text = text.substr(0, text.find('\0'));
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) {
        return std::nullopt;
    }
    const char first = text[i];
    i = text.find_first_not_of(" \t\n\v\f\r", i);
    if (i == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t start = i;
    if (text[i] == '+' || text[i] == '-') {
        ++i;
    }
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            ++e;
        }
        if (e < text.size() && isDigit(text[e])) {
            for (i = e; i < text.size() && isDigit(text[i]); ++i) {
            }
        }
    }
    const std::size_t end = i;
    if (text.find_first_not_of(" \t", end) != std::string::npos) {
        return std::nullopt;
    }
    const double value = std::strtod(text.substr(start, end - start).c_str(), nullptr);
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max() ||
        (value == 0.0 && first != '0')) {
        return std::nullopt;
    }
    return value;
}

std::string printed(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value));
    return text;
}

struct Window {
    QWidget widget;
    halvex::ControlSet controls;
    halvex::ScriptedDialogService dialogs;
};

Window& window() {
    static int argc = 1;
    static char name[] = "data_exchange_fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    static const std::unique_ptr<Window> instance = [] {
        auto made = std::make_unique<Window>();
        made->controls.build(kDialog, &made->widget);
        halvex::setDialogService(&made->dialogs);
        return made;
    }();
    return *instance;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    window();
    std::setlocale(LC_NUMERIC, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the box's range, the rest is what the technician typed.
    const auto [minimum, maximum] = kRanges[data[0] % kRanges.size()];
    const std::string typed(reinterpret_cast<const char*>(data + 1), size - 1);

    Window& w = window();
    w.dialogs.messages.clear();
    w.controls.setText(kBox,
                       QString::fromLatin1(typed.data(), static_cast<qsizetype>(typed.size())));
    const std::optional<double> expected =
        referenceFloat(w.controls.text(kBox).toLatin1().toStdString());

    halvex::DataExchange exchange(w.controls, true, &w.widget);
    float value = -1.0f;
    bool refused = false;
    try {
        exchange.floatText(kBox, value);
    } catch (const halvex::DataExchangeFailure&) {
        refused = true;
    }
    FUZZ_CHECK(refused == !expected.has_value());
    if (refused) {
        FUZZ_CHECK(w.dialogs.messages.size() == 1);
        FUZZ_CHECK(w.dialogs.messages[0].text == QStringLiteral("Please enter a number."));
        FUZZ_CHECK(w.dialogs.messages[0].icon == halvex::MessageIcon::Exclamation);
        return 0;
    }
    FUZZ_CHECK(w.dialogs.messages.empty());
    FUZZ_CHECK(value == static_cast<float>(*expected));

    const bool outside = value < minimum || value > maximum;
    try {
        exchange.floatRange(kBox, value, minimum, maximum);
        FUZZ_CHECK(!outside);
    } catch (const halvex::DataExchangeFailure&) {
        FUZZ_CHECK(outside);
        FUZZ_CHECK(w.dialogs.messages.size() == 1);
        const std::string message =
            "Please enter a number between " + printed(minimum) + " and " + printed(maximum) + ".";
        FUZZ_CHECK(w.dialogs.messages[0].text.toStdString() == message);
    }
    // What the box shows for an accepted value is accepted again when the technician leaves it.
    if (std::isfinite(value) && value != 0.0f) {
        float again = 0.0f;
        FUZZ_CHECK(halvex::parseFloat(halvex::formatFloat(static_cast<double>(value)), again));
    }
    return 0;
}
