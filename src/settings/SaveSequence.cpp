// The save sequence of both windows: backup, Save, and the messages around them.
#include "settings/SaveSequence.h"

#include "framework/DialogService.h"
#include "settings/FilePaths.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsWriteError.h"

#include <QFileInfo>

namespace halvex {
namespace {

constexpr int BackupCreatedMessage = 2;
constexpr int SavedMessage = 4;

} // namespace

bool SaveSettingsWithBackup(const QString& path, QWidget* owner) {
    const SettingsFile file;
    const QFileInfo chosen(path);
    if (SearchFile(chosen.path(), chosen.fileName())) {
        file.CreateBackup(path);
        showMessage(BackupCreatedMessage, MessageButtons::Ok, MessageIcon::Information,
                    Modality::Application, owner);
    }
    try {
        file.Save(path);
    } catch (const SettingsWriteError& error) {
        MessageRequest request;
        request.text = error.text();
        request.caption = QStringLiteral("Error");
        request.icon = MessageIcon::Stop;
        dialogService().messageBox(request, owner);
        return false;
    }
    showMessage(SavedMessage, MessageButtons::Ok, MessageIcon::Information, Modality::Application,
                owner);
    return true;
}

} // namespace halvex
