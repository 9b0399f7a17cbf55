// Dialog, page and menu templates: the tool's windows described as data.
#pragma once

#include <cstdint>
#include <span>

namespace halvex {

enum class ControlKind {
    PushButton,
    DefPushButton,
    RadioButton,
    CheckBox,
    GroupBox,
    Edit,
    Label,       // plain static text
    SunkenLabel, // static text with a sunken border
    BlackRect,   // filled black rectangle
    BlackFrame,  // black outline
    EtchedLine,  // etched horizontal line
    ProgressBar,
    Slider,
    DropDownList, // combo box with a fixed list
    Bitmap,       // a picture from the icon/bitmap table
};

// Style and initial-state bits of a control.
enum ControlStyle : std::uint32_t {
    None = 0,
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Group = 1u << 2, // starts a radio group
    DigitsOnly = 1u << 3,
    ReadOnly = 1u << 4,
    UpperCase = 1u << 5,
    Centered = 1u << 6,
    TextLeft = 1u << 7, // check box with its text on the left
    Smooth = 1u << 8,   // smooth progress bar
    Checked = 1u << 9,
    RightAligned = 1u << 10,
};

struct ControlTemplate {
    int id; // -1 for controls nobody addresses
    ControlKind kind;
    const char* text;        // label, or the items of a list separated by '\n'
    int x, y, width, height; // dialog units
    std::uint32_t style = ControlStyle::None;
    int limit = 0; // maximum characters of an edit box, 0: none
};

struct DialogTemplate {
    int id;
    const char* caption;
    int width, height; // dialog units
    const char* fontName;
    int fontPointSize;
    int menuId; // 0: no menu
    std::span<const ControlTemplate> controls;
};

struct MenuItemTemplate {
    const char* popup; // the popup this item belongs to
    const char* text;  // nullptr: separator
    int id;
    bool grayed;
};

struct MenuTemplate {
    int id;
    std::span<const MenuItemTemplate> items;
};

// The templates of the tool; every id used here exists.
const DialogTemplate& dialogTemplate(int id);
const MenuTemplate& menuTemplate(int id);

} // namespace halvex
