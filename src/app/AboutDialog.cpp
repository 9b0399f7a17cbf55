// Dialog 158: the program's name and the maker's logo.
#include "app/AboutDialog.h"

#include "resources/DialogTemplates.h"

namespace halvex {

AboutDialog::AboutDialog(QWidget* parent) : Dialog(kAboutDialogTemplate, parent) {}

} // namespace halvex
