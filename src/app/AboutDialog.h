// Dialog 158: the program's name and the maker's logo.
#pragma once

#include "framework/Dialog.h"

namespace halvex {

class AboutDialog final : public Dialog {
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace halvex
