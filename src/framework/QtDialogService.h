// The dialog service of a real session: Qt's message boxes and common dialogs.
#pragma once

#include "framework/DialogService.h"

class QDialog;

namespace halvex {

class QtDialogService final : public DialogService {
public:
    MessageResult messageBox(const MessageRequest& request, QWidget* owner) override;
    std::optional<QString> fileDialog(const FileDialogRequest& request, QWidget* owner) override;
    FontDialogResult fontDialog(const FontDescription& initial, const QColor& colour,
                                QWidget* owner) override;
    std::optional<QColor> colourDialog(const QColor& initial, QWidget* owner) override;
    int runModal(Dialog& dialog) override;
};

// Places a dialog before it opens: centred on the screen when its owner is not shown yet (the
// start-up's first dialogs come before the main window), else centred over the owner by Qt.
void placeDialog(QDialog& dialog, const QWidget* owner);
// The application's name, the caption of boxes that give none.
QString applicationCaption();
// "Ini Files(*.ini;*.bak)|*.ini;*.bak||" to Qt's "Ini Files(*.ini;*.bak) (*.ini *.bak);;...".
QStringList qtFilters(const QString& filter);

} // namespace halvex
