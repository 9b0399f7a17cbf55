// Message boxes without a display: each becomes an outcome. A Retry/Cancel question is answered
// Retry while retries are left, then Cancel; any other box takes the answer that ends things.
#pragma once

#include "framework/DialogService.h"

#include <functional>

namespace halvex {

class HeadlessDialogService final : public DialogService {
public:
    explicit HeadlessDialogService(int retries) : m_retriesLeft(retries) {}

    // Told of every box with the answer it got, so that the run can report it.
    std::function<void(const MessageRequest&, MessageResult)> onMessage;

    MessageResult messageBox(const MessageRequest& request, QWidget* owner) override;
    std::optional<QString> fileDialog(const FileDialogRequest&, QWidget*) override { return {}; }
    FontDialogResult fontDialog(const FontDescription&, const QColor&, QWidget*) override {
        return {};
    }
    std::optional<QColor> colourDialog(const QColor&, QWidget*) override { return {}; }
    int runModal(Dialog& dialog) override;
    // Nobody stands by the production line's computer to hear it.
    void beep() override {}

private:
    int m_retriesLeft;
};

// The text of an answer as a run reports it ("Retry").
QString answerName(MessageResult result);

} // namespace halvex
