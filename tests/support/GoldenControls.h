// Dialog controls written out from the tool's documented resources (dialog-controls.txt), and the
// check of a dialog template against them.
#pragma once

#include "resources/DialogTemplates.h"

#include <QByteArray>
#include <QFile>
#include <QRect>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace halvex::test {

struct GoldenControl {
    int id;
    ControlKind kind;
    QByteArray text;
    QRect rect; // null: not checked
    std::uint32_t style;
    int limit;
};

// The golden controls of one dialog.
inline std::vector<GoldenControl> goldenControls(int dialog) {
    const QList<QByteArray> kinds =
        QByteArray("PushButton DefPushButton RadioButton CheckBox GroupBox Edit Label SunkenLabel "
                   "BlackRect BlackFrame EtchedLine ProgressBar Slider DropDownList Bitmap")
            .split(' ');
    const std::pair<const char*, ControlStyle> styles[] = {
        {"Hidden", Hidden},         {"Disabled", Disabled}, {"Group", Group},
        {"DigitsOnly", DigitsOnly}, {"ReadOnly", ReadOnly}, {"UpperCase", UpperCase},
        {"Centered", Centered},     {"TextLeft", TextLeft}};
    QFile data(QStringLiteral(HALVEX_SOURCE_DIR "/tests/support/dialog-controls.txt"));
    EXPECT_TRUE(data.open(QIODevice::ReadOnly));
    std::vector<GoldenControl> golden;
    for (QByteArray line : data.readAll().split('\n')) {
        const QList<QByteArray> f = line.replace("\\n", "\n").split('\t');
        if (f.size() == 10 && f[0].toInt() == dialog) {
            std::uint32_t style = 0;
            for (const auto& [name, bit] : styles) {
                style |= f[7].split('+').contains(name) ? bit : 0u;
            }
            golden.push_back({f[1].toInt(), static_cast<ControlKind>(kinds.indexOf(f[2])), f[9],
                              QRect(f[3].toInt(), f[4].toInt(), f[5].toInt(), f[6].toInt()), style,
                              f[8].toInt()});
        }
    }
    return golden;
}

// Each golden control, found by its id or (unaddressed) by its text and place, as it stands.
inline void expectControls(const DialogTemplate& dialog, const std::vector<GoldenControl>& golden) {
    for (const GoldenControl& expected : golden) {
        SCOPED_TRACE(testing::Message() << expected.id << " " << expected.text.constData());
        const auto control = std::ranges::find_if(dialog.controls, [&](const auto& c) {
            return expected.id >= 0 ? c.id == expected.id
                                    : c.id < 0 && QByteArray(c.text) == expected.text &&
                                          QPoint(c.x, c.y) == expected.rect.topLeft();
        });
        ASSERT_NE(control, dialog.controls.end());
        EXPECT_EQ(control->kind, expected.kind);
        EXPECT_EQ(QByteArray(control->text), expected.text);
        if (!expected.rect.isNull()) {
            EXPECT_EQ(QRect(control->x, control->y, control->width, control->height),
                      expected.rect);
        }
        EXPECT_EQ(control->style & expected.style, expected.style);
        EXPECT_EQ(control->limit, expected.limit);
    }
}

} // namespace halvex::test
