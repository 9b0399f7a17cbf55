// The scripted dialog service of the tests.
#include "framework/ScriptedDialogService.h"

#include "framework/Dialog.h"

namespace halvex {
namespace {

template <typename T> std::optional<T> takeFront(std::deque<T>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

MessageResult endingAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::YesNo:
        return MessageResult::Yes;
    case MessageButtons::OkCancel:
    case MessageButtons::RetryCancel:
        return MessageResult::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return MessageResult::Ok;
}

} // namespace

MessageResult ScriptedDialogService::messageBox(const MessageRequest& request, QWidget*) {
    messages.push_back(request);
    if (onMessage) {
        onMessage(request);
    }
    return takeFront(messageAnswers).value_or(endingAnswer(request.buttons));
}

std::optional<QString> ScriptedDialogService::fileDialog(const FileDialogRequest& request,
                                                         QWidget*) {
    fileDialogs.push_back(request);
    return takeFront(fileAnswers).value_or(std::nullopt);
}

FontDialogResult ScriptedDialogService::fontDialog(const FontDescription& initial,
                                                   const QColor& colour, QWidget*) {
    fontDialogs.emplace_back(initial, colour);
    return takeFront(fontAnswers).value_or(FontDialogResult{false, initial, colour});
}

std::optional<QColor> ScriptedDialogService::colourDialog(const QColor& initial, QWidget*) {
    colourDialogs.push_back(initial);
    return takeFront(colourAnswers).value_or(std::nullopt);
}

int ScriptedDialogService::runModal(Dialog& dialog) {
    modalRuns.push_back(dialog.windowTitle());
    if (!dialog.initialize()) {
        return dialog.endResult();
    }
    dialog.show();
    const int result = onRunModal ? onRunModal(dialog) : 1;
    if (!dialog.hasEnded()) {
        dialog.endDialog(result);
    }
    return dialog.endResult();
}

QStringList ScriptedDialogService::messageTexts() const {
    QStringList texts;
    for (const MessageRequest& request : messages) {
        texts << request.text;
    }
    return texts;
}

} // namespace halvex
