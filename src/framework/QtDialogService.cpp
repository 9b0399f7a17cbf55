// Qt's message boxes and common dialogs behind the dialog service.
#include "framework/QtDialogService.h"

#include "framework/Dialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

namespace halvex {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageResult fromQt(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return MessageResult::Cancel;
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    case QMessageBox::Retry:
        return MessageResult::Retry;
    default:
        return MessageResult::Ok;
    }
}

} // namespace

QString applicationCaption() {
    return QStringLiteral("Halvex");
}

QStringList qtFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            break;
        }
        // Qt reads the patterns from the parentheses that end a filter, separated by blanks; a
        // description that already ends with its patterns shows them once.
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString ownPatterns = QLatin1Char('(') + parts[i + 1] + QLatin1Char(')');
        if (parts[i].endsWith(ownPatterns)) {
            filters << parts[i].first(parts[i].size() - ownPatterns.size()) + QLatin1Char('(') +
                           patterns + QLatin1Char(')');
        } else {
            filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
        }
    }
    return filters;
}

MessageResult QtDialogService::messageBox(const MessageRequest& request, QWidget* owner) {
    QMessageBox box(qtIcon(request.icon),
                    request.caption.isEmpty() ? applicationCaption() : request.caption,
                    request.text, qtButtons(request.buttons), owner);
    if (request.modality != Modality::Task || owner == nullptr) {
        box.setWindowModality(Qt::ApplicationModal);
    }
    if (request.topmost || request.modality == Modality::System) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    return fromQt(box.exec());
}

std::optional<QString> QtDialogService::fileDialog(const FileDialogRequest& request,
                                                   QWidget* owner) {
    QFileDialog dialog(owner, request.title);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(qtFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // A save dialog may be given a file path as its folder; open it in that path's folder.
    QFileInfo directory(request.initialDirectory);
    dialog.setDirectory(directory.isDir() ? directory.absoluteFilePath()
                                          : directory.absolutePath());
    if (!request.initialName.isEmpty()) {
        dialog.selectFile(request.initialName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

FontDialogResult QtDialogService::fontDialog(const FontDescription& initial, const QColor& colour,
                                             QWidget* owner) {
    QFont font(initial.faceName);
    font.setPixelSize(initial.height > 0 ? initial.height : 16);
    font.setWeight(initial.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(initial.italic);
    font.setUnderline(initial.underline);
    font.setStrikeOut(initial.strikeOut);
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, font, owner);
    FontDialogResult result{accepted, initial, colour};
    if (accepted) {
        result.font.faceName = chosen.family();
        result.font.weight = chosen.bold() ? 700 : 400;
        result.font.italic = chosen.italic();
        result.font.underline = chosen.underline();
        result.font.strikeOut = chosen.strikeOut();
        result.font.pointSizeTenths = static_cast<int>(chosen.pointSizeF() * 10.0 + 0.5);
    }
    return result;
}

std::optional<QColor> QtDialogService::colourDialog(const QColor& initial, QWidget* owner) {
    const QColor chosen = QColorDialog::getColor(initial, owner);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

int QtDialogService::runModal(Dialog& dialog) {
    return dialog.runModal();
}

} // namespace halvex
