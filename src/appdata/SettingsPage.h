// A page of the application-data window whose controls each edit one key of the settings store,
// described as a table of bindings.
#pragma once

#include "framework/PropertyPage.h"

#include <QLatin1StringView>
#include <span>
#include <vector>

namespace halvex {

// How a control edits its key. Every kind marks an edit in SettingsChanged.
enum class BindingKind {
    // Drop-down list storing the chosen entry's text ("ON", "OFF", ...). A stored text that is no
    // entry of the list selects nothing.
    EntryText,
    // Drop-down list storing the chosen entry's position as decimal text, "0" for the first. A
    // stored text that is no number selects the first entry.
    Index,
    // Edit box whose whole text is stored at every change.
    Text,
    // Digits-only edit box paired with a slider from 0 to 255; the key holds the level as decimal
    // text. The slider follows the typing; leaving the box without a level from 1 to 255 in it
    // puts the slider's position back; a move of any slider of the page stores every level.
    Level,
};

struct PageBinding {
    BindingKind kind;
    int control; // the list or the edit box
    QLatin1StringView section;
    QLatin1StringView key;
    int slider = 0; // Level: the paired slider
};

// The store's value of a key as the bindings name it, and its assignment.
QString storedValue(QLatin1StringView section, QLatin1StringView key);
void storeValue(QLatin1StringView section, QLatin1StringView key, const QString& value);

class SettingsPage : public PropertyPage {
public:
    // Takes the bound values from the store, as every opening of the window shows them.
    SettingsPage(const DialogTemplate& pageTemplate, std::span<const PageBinding> bindings);

protected:
    // The framework's initialisation, the slider ranges, then the members shown.
    bool onInitDialog() override;
    void doDataExchange(DataExchange& dx) override;

    // Sets the ranges of the page's sliders; by default every Level slider runs from 0 to 255.
    virtual void setSliderRanges();
    // A move of any slider of the page; by default every Level takes its slider's position.
    virtual void onSliderCommit();

    // Members to controls. The texts this puts into edit boxes are no edits of the technician's,
    // so the page's handlers ignore the change notifications they cause.
    void showMembers();
    // Routes a notification of one of the page's controls to handler, except while showMembers
    // runs.
    void route(Notify notify, int id, std::function<void()> handler);

private:
    struct BoundValue {
        int index = -1;   // lists: the chosen entry
        QString text;     // Text and Level: the box's text
        int position = 0; // Level: the slider's position
    };

    void commitEntryText(std::size_t i);
    void commitIndex(std::size_t i);
    void commitText(std::size_t i);
    void typeLevel(std::size_t i);
    void commitLevel(std::size_t i);
    void store(std::size_t i, const QString& value) const;

    std::span<const PageBinding> m_bindings;
    std::vector<BoundValue> m_values;
    bool m_showing = false;
};

} // namespace halvex
