// The process-wide dialog service and string-table message boxes.
#include "framework/DialogService.h"

#include "framework/QtDialogService.h"
#include "resources/StringTable.h"

#include <QApplication>

namespace halvex {
namespace {

DialogService* current = nullptr;

} // namespace

void DialogService::beep() {
    QApplication::beep();
}

DialogService& dialogService() {
    static QtDialogService qtService;
    return current != nullptr ? *current : qtService;
}

void setDialogService(DialogService* service) {
    current = service;
}

MessageResult showMessage(int stringId, MessageButtons buttons, MessageIcon icon, Modality modality,
                          QWidget* owner) {
    MessageRequest request;
    request.text = loadString(stringId);
    request.buttons = buttons;
    request.icon = icon;
    request.modality = modality;
    return dialogService().messageBox(request, owner);
}

} // namespace halvex
