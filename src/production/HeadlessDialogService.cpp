// Message boxes answered without a display.
#include "production/HeadlessDialogService.h"

#include <array>

namespace halvex {

MessageResult HeadlessDialogService::messageBox(const MessageRequest& request, QWidget*) {
    MessageResult answer = MessageResult::Ok;
    switch (request.buttons) {
    case MessageButtons::Ok:
        answer = MessageResult::Ok;
        break;
    case MessageButtons::OkCancel:
        answer = MessageResult::Cancel;
        break;
    case MessageButtons::YesNo:
        answer = MessageResult::No;
        break;
    case MessageButtons::RetryCancel:
        answer = m_retriesLeft > 0 ? MessageResult::Retry : MessageResult::Cancel;
        m_retriesLeft -= answer == MessageResult::Retry ? 1 : 0;
        break;
    }
    if (onMessage) {
        onMessage(request, answer);
    }
    return answer;
}

int HeadlessDialogService::runModal(Dialog&) {
    // No window of the tool is opened by the command; one that were would end at once.
    return 0;
}

QString answerName(MessageResult result) {
    constexpr std::array names{"OK", "Cancel", "Yes", "No", "Retry"};
    return QString::fromLatin1(names[static_cast<std::size_t>(result)]);
}

} // namespace halvex
