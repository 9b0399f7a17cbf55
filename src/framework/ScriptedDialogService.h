// A dialog service for tests: records every box and dialog shown and answers from a script.
#pragma once

#include "framework/DialogService.h"

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace halvex {

class ScriptedDialogService : public DialogService {
public:
    // Recorded requests, in the order they were shown.
    std::vector<MessageRequest> messages;
    std::vector<QWidget*> messageOwners; // the owner window of each box, in the same order
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<QString> modalRuns; // the window titles of the modal runs
    int beeps = 0;
    // The font dialogs' initial descriptions and colours, and the colour dialogs' initial colours.
    std::vector<std::pair<FontDescription, QColor>> fontDialogs;
    std::vector<QColor> colourDialogs;

    // Answers, taken in order. With no answer left a box is answered by the choice that ends
    // things (Ok, Yes, Cancel) and a file, font or colour dialog is cancelled.
    std::deque<MessageResult> messageAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<FontDialogResult> fontAnswers;
    std::deque<std::optional<QColor>> colourAnswers;

    // Called for every box before it is answered (a test may change the world there).
    std::function<void(const MessageRequest&)> onMessage;
    // Runs a modal window in place of the user: the dialog has been initialised and is shown
    // when this is called; the value returned is the run's result unless the window ended by
    // itself. Unset: the window is closed with result 1 at once.
    std::function<int(Dialog&)> onRunModal;

    MessageResult messageBox(const MessageRequest& request, QWidget* owner) override;
    std::optional<QString> fileDialog(const FileDialogRequest& request, QWidget* owner) override;
    FontDialogResult fontDialog(const FontDescription& initial, const QColor& colour,
                                QWidget* owner) override;
    std::optional<QColor> colourDialog(const QColor& initial, QWidget* owner) override;
    int runModal(Dialog& dialog) override;
    void beep() override { ++beeps; }

    // The texts of the recorded boxes, in order.
    QStringList messageTexts() const;
};

} // namespace halvex
