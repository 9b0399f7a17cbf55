// A page of the application-data window whose controls each edit one key of the settings store.
#include "appdata/SettingsPage.h"

#include "controls/ValueSlider.h"
#include "framework/TextNumbers.h"
#include "settings/SettingsStore.h"

#include <QComboBox>
#include <utility>

namespace halvex {
namespace {

constexpr int LevelMin = 0;
constexpr int LevelMax = 255;

// Sets a flag for the life of the scope and puts its previous value back afterwards.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag), m_previous(std::exchange(flag, true)) {}
    ~FlagScope() { m_flag = m_previous; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
    bool m_previous;
};

} // namespace

QString storedValue(QLatin1StringView section, QLatin1StringView key) {
    return settingsStore().value(QString(section), QString(key));
}

void storeValue(QLatin1StringView section, QLatin1StringView key, const QString& value) {
    settingsStore().setValue(QString(section), QString(key), value);
}

SettingsPage::SettingsPage(const DialogTemplate& pageTemplate,
                           std::span<const PageBinding> bindings)
    : PropertyPage(pageTemplate), m_bindings(bindings), m_values(bindings.size()) {
    for (std::size_t i = 0; i < m_bindings.size(); ++i) {
        const PageBinding& binding = m_bindings[i];
        const QString value = storedValue(binding.section, binding.key);
        BoundValue& member = m_values[i];
        switch (binding.kind) {
        case BindingKind::EntryText:
            if (const auto* list = controls().as<QComboBox>(binding.control)) {
                member.index = list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
            }
            route(Notify::SelChange, binding.control, [this, i] { commitEntryText(i); });
            break;
        case BindingKind::Index:
            member.index = leadingInteger(value);
            route(Notify::SelChange, binding.control, [this, i] { commitIndex(i); });
            break;
        case BindingKind::Text:
            member.text = value;
            route(Notify::EditChange, binding.control, [this, i] { commitText(i); });
            break;
        case BindingKind::Level:
            member.text = value;
            member.position = leadingInteger(value);
            route(Notify::EditChange, binding.control, [this, i] { typeLevel(i); });
            route(Notify::KillFocus, binding.control, [this, i] { commitLevel(i); });
            break;
        }
    }
    for (const ControlTemplate& control : pageTemplate.controls) {
        if (control.kind == ControlKind::Slider) {
            route(Notify::Scroll, control.id, [this] { onSliderCommit(); });
        }
    }
}

bool SettingsPage::onInitDialog() {
    {
        const FlagScope showing(m_showing);
        PropertyPage::onInitDialog();
    }
    setSliderRanges();
    showMembers();
    return true;
}

void SettingsPage::doDataExchange(DataExchange& dx) {
    for (std::size_t i = 0; i < m_bindings.size(); ++i) {
        const PageBinding& binding = m_bindings[i];
        BoundValue& member = m_values[i];
        switch (binding.kind) {
        case BindingKind::EntryText:
        case BindingKind::Index:
            dx.listIndex(binding.control, member.index);
            break;
        case BindingKind::Text:
            dx.text(binding.control, member.text);
            break;
        case BindingKind::Level:
            dx.text(binding.control, member.text);
            dx.sliderPosition(binding.slider, member.position);
            break;
        }
    }
}

void SettingsPage::setSliderRanges() {
    for (const PageBinding& binding : m_bindings) {
        if (auto* slider = controls().as<ValueSlider>(binding.slider);
            slider != nullptr && binding.kind == BindingKind::Level) {
            slider->SetRange(LevelMin, LevelMax);
        }
    }
}

void SettingsPage::onSliderCommit() {
    updateData(true);
    for (std::size_t i = 0; i < m_bindings.size(); ++i) {
        if (m_bindings[i].kind == BindingKind::Level) {
            BoundValue& member = m_values[i];
            member.text = QString::number(member.position);
            store(i, member.text);
        }
    }
    showMembers();
    SettingsChanged = 1;
}

void SettingsPage::showMembers() {
    const FlagScope showing(m_showing);
    updateData(false);
}

void SettingsPage::route(Notify notify, int id, std::function<void()> handler) {
    routeNotification(notify, id, [this, handler = std::move(handler)] {
        if (!m_showing) {
            handler();
        }
    });
}

void SettingsPage::commitEntryText(std::size_t i) {
    const int control = m_bindings[i].control;
    if (const auto* list = controls().as<QComboBox>(control)) {
        m_values[i].index = list->currentIndex();
    }
    store(i, controls().text(control));
    SettingsChanged = 1;
    showMembers();
}

void SettingsPage::commitIndex(std::size_t i) {
    if (const auto* list = controls().as<QComboBox>(m_bindings[i].control)) {
        m_values[i].index = list->currentIndex();
    }
    store(i, QString::number(m_values[i].index));
    SettingsChanged = 1;
    showMembers();
}

void SettingsPage::commitText(std::size_t i) {
    m_values[i].text = controls().text(m_bindings[i].control);
    store(i, m_values[i].text);
    SettingsChanged = 1;
    showMembers();
}

void SettingsPage::typeLevel(std::size_t i) {
    BoundValue& member = m_values[i];
    QString typed = controls().text(m_bindings[i].control);
    member.text = typed;
    if (auto* slider = controls().as<ValueSlider>(m_bindings[i].slider)) {
        member.position = slider->SetPosFromText(typed, member.text);
    }
    SettingsChanged = 1;
    showMembers();
}

void SettingsPage::commitLevel(std::size_t i) {
    const PageBinding& binding = m_bindings[i];
    BoundValue& member = m_values[i];
    member.text = controls().text(binding.control);
    const int level = leadingInteger(member.text);
    if (member.text.isEmpty() || level < 1 || level > LevelMax) {
        if (const auto* slider = controls().as<ValueSlider>(binding.slider)) {
            member.position = slider->value();
            member.text = QString::number(member.position);
        }
    }
    store(i, member.text);
    showMembers();
}

void SettingsPage::store(std::size_t i, const QString& value) const {
    storeValue(m_bindings[i].section, m_bindings[i].key, value);
}

} // namespace halvex
