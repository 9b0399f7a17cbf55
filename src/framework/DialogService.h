// Message boxes, common file/font/colour dialogs and modal runs of the tool's windows, replaceable
// by tests.
#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace halvex {

class Dialog;

enum class MessageButtons { Ok, OkCancel, YesNo, RetryCancel };
enum class MessageIcon { None, Stop, Exclamation, Warning, Information, Question };
enum class Modality { Application, Task, System };
enum class MessageResult { Ok, Cancel, Yes, No, Retry };

struct MessageRequest {
    QString text;
    QString caption; // empty: the application's name
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    Modality modality = Modality::Application;
    bool topmost = false;
};

struct FileDialogRequest {
    bool save = false;
    QString title;
    // Filter in the "Description(*.a;*.b)|*.a;*.b||" form of the resources.
    QString filter;
    QString initialDirectory;
    QString initialName;
    QString defaultExtension; // without the dot
    bool overwritePrompt = false;
    bool pathMustExist = false;
    bool fileMustExist = false;
};

struct FontDescription {
    QString faceName;
    int height = 0; // cell height in pixels
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int pointSizeTenths = 0; // filled by the dialog
};

struct FontDialogResult {
    bool accepted = false;
    FontDescription font;
    QColor colour;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    virtual MessageResult messageBox(const MessageRequest& request, QWidget* owner) = 0;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<QString> fileDialog(const FileDialogRequest& request, QWidget* owner) = 0;
    virtual FontDialogResult fontDialog(const FontDescription& initial, const QColor& colour,
                                        QWidget* owner) = 0;
    virtual std::optional<QColor> colourDialog(const QColor& initial, QWidget* owner) = 0;
    // Runs one of the tool's own windows modally and returns its result.
    virtual int runModal(Dialog& dialog) = 0;
    // The system's standard short beep that goes with a failure message.
    virtual void beep();
};

// The process-wide dialog service: Qt's dialogs unless a test installed another.
DialogService& dialogService();
// nullptr restores the Qt implementation. The installed service must outlive its use.
void setDialogService(DialogService* service);

// Shows string-table message id in a box of the given kind.
MessageResult showMessage(int stringId, MessageButtons buttons, MessageIcon icon,
                          Modality modality = Modality::Application, QWidget* owner = nullptr);

} // namespace halvex
