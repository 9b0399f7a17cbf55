// Builds the controls of a template with Qt widgets and finds them by id.
#include "framework/ControlSet.h"

#include "controls/ValueSlider.h"
#include "framework/DialogStyle.h"
#include "framework/DialogUnits.h"
#include "framework/EditRules.h"
#include "framework/RadioGroupKeys.h"
#include "framework/SurfaceWidget.h"
#include "resources/Bitmaps.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace halvex {
namespace {

bool has(const ControlTemplate& t, std::uint32_t style) {
    return (t.style & style) != 0;
}

// Pixels of a closed drop-down list's frame above and below its line of text.
constexpr int kListFrame = 4;

QLineEdit* makeEdit(const ControlTemplate& t, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    EditRules::apply(edit, has(t, ControlStyle::DigitsOnly), has(t, ControlStyle::UpperCase),
                     t.limit);
    edit->setReadOnly(has(t, ControlStyle::ReadOnly));
    if (has(t, ControlStyle::Centered)) {
        edit->setAlignment(Qt::AlignCenter);
    }
    return edit;
}

// Makes a label's text selectable with the mouse once the pointer first enters it. Selection needs
// the label's rich-text machinery, whose first use would delay the window's first appearance by
// about 10 ms; the pointer always enters before it can select.
class SelectableOnEnter final : public QObject {
public:
    explicit SelectableOnEnter(QLabel* label) : QObject(label) { label->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter) {
            static_cast<QLabel*>(watched)->setTextInteractionFlags(Qt::TextSelectableByMouse);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

QLabel* makeLabel(const ControlTemplate& t, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(t.text), parent);
    label->setAlignment((has(t, ControlStyle::Centered) ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (t.kind == ControlKind::SunkenLabel) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setWordWrap(true);
        label->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        new SelectableOnEnter(label);
    }
    return label;
}

QWidget* makeControl(const ControlTemplate& t, QWidget* parent) {
    const QString text = QString::fromUtf8(t.text);
    switch (t.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(t.kind == ControlKind::DefPushButton);
        return button;
    }
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(text, parent);
        radio->setAutoExclusive(false); // groups follow the template, not the parent widget
        return radio;
    }
    case ControlKind::CheckBox: {
        auto* check = new QCheckBox(text, parent);
        if (has(t, ControlStyle::TextLeft)) {
            check->setLayoutDirection(Qt::RightToLeft);
        }
        return check;
    }
    case ControlKind::GroupBox: {
        auto* group = new QGroupBox(text, parent);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        return group;
    }
    case ControlKind::Edit:
        return makeEdit(t, parent);
    case ControlKind::Label:
    case ControlKind::SunkenLabel:
        return makeLabel(t, parent);
    case ControlKind::BlackRect:
        return new SurfaceWidget(parent);
    case ControlKind::BlackFrame:
    case ControlKind::EtchedLine: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(t.kind == ControlKind::EtchedLine ? QFrame::HLine | QFrame::Sunken
                                                               : QFrame::Box | QFrame::Plain);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        return frame;
    }
    case ControlKind::ProgressBar: {
        auto* bar = new QProgressBar(parent);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::Slider: {
        auto* slider = new ValueSlider(parent);
        slider->setPageStep(5);
        return slider;
    }
    case ControlKind::DropDownList: {
        auto* combo = new QComboBox(parent);
        if (!text.isEmpty()) {
            combo->addItems(text.split(QLatin1Char('\n')));
        }
        combo->setCurrentIndex(-1);
        return combo;
    }
    case ControlKind::Bitmap: {
        auto* picture = new QLabel(parent);
        picture->setPixmap(resourceBitmap(t.text));
        return picture;
    }
    }
    return new QWidget(parent);
}

} // namespace

void ControlSet::build(const DialogTemplate& dialog, QWidget* parent) {
    std::vector<QWidget*> groupBoxes;
    int currentGroup = -1;
    int anonymous = -1000000;
    for (const ControlTemplate& t : dialog.controls) {
        QWidget* widget = makeControl(t, parent);
        widget->setStyle(dialogStyle());
        const QRect rect = duRectToPixels(t.x, t.y, t.width, t.height);
        if (t.kind == ControlKind::Bitmap) {
            // A bitmap control takes the size of its picture, as a static picture does.
            widget->setGeometry(QRect(rect.topLeft(), widget->sizeHint()));
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            // The template's height is that of the opened list; the closed box is one line.
            const int lineHeight = list->fontMetrics().height();
            const int closedHeight = lineHeight + 2 * kListFrame;
            widget->setGeometry(rect.x(), rect.y(), rect.width(), closedHeight);
            list->setMaxVisibleItems(std::max(1, (rect.height() - closedHeight) / lineHeight));
        } else {
            widget->setGeometry(rect);
        }
        widget->setVisible(!has(t, ControlStyle::Hidden));
        widget->setEnabled(!has(t, ControlStyle::Disabled));
        if (auto* button = qobject_cast<QAbstractButton*>(widget);
            button != nullptr && has(t, ControlStyle::Checked)) {
            button->setChecked(true);
        }
        if (t.kind == ControlKind::GroupBox) {
            groupBoxes.push_back(widget);
        }

        int group = -1;
        if (t.kind == ControlKind::RadioButton) {
            if (has(t, ControlStyle::Group) || currentGroup < 0) {
                m_radioGroups.emplace_back();
                currentGroup = static_cast<int>(m_radioGroups.size()) - 1;
            }
            group = currentGroup;
        } else if (has(t, ControlStyle::Group)) {
            currentGroup = -1;
        }
        const int id = t.id >= 0 ? t.id : anonymous--;
        if (group >= 0) {
            m_radioGroups[static_cast<std::size_t>(group)].push_back(id);
            auto* radio = static_cast<QRadioButton*>(widget);
            QObject::connect(radio, &QRadioButton::clicked, radio, [this, id] {
                for (int other : radioGroup(id)) {
                    setChecked(other, other == id);
                }
            });
        }
        m_controls[id] = Entry{widget, t.kind, group};
    }
    for (const std::vector<int>& group : m_radioGroups) {
        std::vector<QRadioButton*> buttons;
        for (int id : group) {
            buttons.push_back(as<QRadioButton>(id));
        }
        new RadioGroupKeys(std::move(buttons), parent);
    }
    // Group boxes frame other controls: keep them underneath whatever order the template has.
    for (QWidget* box : groupBoxes) {
        box->lower();
    }
}

QWidget* ControlSet::control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second.widget;
}

ControlKind ControlSet::kind(int id) const {
    return m_controls.at(id).kind;
}

std::vector<int> ControlSet::radioGroup(int id) const {
    const auto it = m_controls.find(id);
    if (it == m_controls.end() || it->second.group < 0) {
        return {};
    }
    return m_radioGroups[static_cast<std::size_t>(it->second.group)];
}

QString ControlSet::text(int id) const {
    QWidget* w = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return edit->text();
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return button->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        return combo->currentText();
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        return group->title();
    }
    return {};
}

void ControlSet::setText(int id, const QString& text) {
    QWidget* w = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        EditRules::of(edit)->show(text);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(text);
    }
}

void ControlSet::show(int id, bool visible) {
    if (QWidget* w = control(id)) {
        w->setVisible(visible);
    }
}

void ControlSet::enable(int id, bool enabled) {
    if (QWidget* w = control(id)) {
        w->setEnabled(enabled);
    }
}

bool ControlSet::isVisible(int id) const {
    QWidget* w = control(id);
    return w != nullptr && !w->isHidden();
}

bool ControlSet::isEnabled(int id) const {
    QWidget* w = control(id);
    return w != nullptr && w->isEnabled();
}

bool ControlSet::isChecked(int id) const {
    auto* button = as<QAbstractButton>(id);
    return button != nullptr && button->isChecked();
}

void ControlSet::setChecked(int id, bool checked) {
    if (auto* button = as<QAbstractButton>(id)) {
        button->setChecked(checked);
    }
}

void ControlSet::checkRadioButton(int first, int last, int id) {
    for (int other = first; other <= last; ++other) {
        setChecked(other, other == id);
    }
}

} // namespace halvex
