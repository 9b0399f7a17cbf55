// Qt's message boxes and common dialogs behind the dialog service.
#include "framework/QtDialogService.h"

#include "framework/Dialog.h"
#include "resources/StandardColours.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

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

void placeDialog(QDialog& dialog, const QWidget* owner) {
    if (owner != nullptr && owner->window()->isVisible()) {
        return; // Qt centres a dialog over its shown owner
    }
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    if (!dialog.testAttribute(Qt::WA_Resized)) {
        dialog.adjustSize();
    }
    QRect frame = dialog.geometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog.move(frame.topLeft());
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
    placeDialog(box, owner);
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
    placeDialog(dialog, owner);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

FontDialogResult QtDialogService::fontDialog(const FontDescription& initial, const QColor& colour,
                                             QWidget* owner) {
    QFont font(initial.faceName);
    // The inverse of the cell height the description was given for its point size.
    font.setPointSize(initial.height > 0 ? qRound(initial.height * 0.75 + 0.2) : 12);
    font.setWeight(initial.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(initial.italic);
    font.setUnderline(initial.underline);
    font.setStrikeOut(initial.strikeOut);

    // Qt's font dialog has no colour choice; the dialog offers the standard colours below it, as
    // the font dialog of the settings files' home platform does.
    QDialog dialog(owner);
    dialog.setWindowTitle(QStringLiteral("Font"));
    auto* fonts = new QFontDialog(font, &dialog);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts->setWindowFlags(Qt::Widget);
    // No script choice: the writing-system list is Qt's font dialog's only list, with its label.
    for (auto* script : fonts->findChildren<QComboBox*>()) {
        script->hide();
        for (auto* label : fonts->findChildren<QLabel*>()) {
            if (label->buddy() == script) {
                label->hide();
            }
        }
    }
    auto* colours = new QComboBox(&dialog);
    for (const StandardColour& standard : standardColours()) {
        const QColor value(standard.red, standard.green, standard.blue);
        QPixmap swatch(16, 12);
        swatch.fill(value);
        colours->addItem(QIcon(swatch), standard.name, value);
        if (value == colour) {
            colours->setCurrentIndex(colours->count() - 1);
        }
    }
    if (colours->currentIndex() < 0) {
        QPixmap swatch(16, 12);
        swatch.fill(colour);
        colours->addItem(QIcon(swatch), QStringLiteral("Custom"), colour);
        colours->setCurrentIndex(colours->count() - 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* colourRow = new QFormLayout;
    colourRow->addRow(QStringLiteral("C&olor:"), colours);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    fonts->setVisible(true);

    FontDialogResult result{dialog.exec() == QDialog::Accepted, initial, colour};
    if (result.accepted) {
        const QFont chosen = fonts->currentFont();
        result.font.faceName = chosen.family();
        result.font.weight = chosen.bold() ? 700 : 400;
        result.font.italic = chosen.italic();
        result.font.underline = chosen.underline();
        result.font.strikeOut = chosen.strikeOut();
        result.font.pointSizeTenths = static_cast<int>(chosen.pointSizeF() * 10.0 + 0.5);
        result.colour = colours->currentData().value<QColor>();
    }
    return result;
}

std::optional<QColor> QtDialogService::colourDialog(const QColor& initial, QWidget* owner) {
    // Every opening starts with black custom colours; Qt would otherwise keep the last ones.
    for (int slot = 0; slot < QColorDialog::customCount(); ++slot) {
        QColorDialog::setCustomColor(slot, Qt::black);
    }
    const QColor chosen = QColorDialog::getColor(initial, owner);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

int QtDialogService::runModal(Dialog& dialog) {
    placeDialog(dialog, dialog.parentWidget());
    return dialog.runModal();
}

} // namespace halvex
