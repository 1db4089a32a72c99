#pragma once

#include "platform/message_service.h"

#include <deque>
#include <string>
#include <vector>

// A message service for tests: records every message and answers from a script of
// answers and chosen files (Ok / No and cancelled choosers when the script runs out).
class RecordingMessages : public MessageService {
  public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageButtons buttons;
    };
    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;
    std::deque<std::string> files;
    std::vector<FileDialogRequest> fileRequests;

    MessageAnswer showMessage(const std::string& text, const std::string& caption,
                              MessageButtons buttons) override
    {
        shown.push_back({text, caption, buttons});
        if (!answers.empty()) {
            const MessageAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }

    std::string chooseFile(const FileDialogRequest& request) override
    {
        fileRequests.push_back(request);
        if (files.empty())
            return {};
        std::string f = files.front();
        files.pop_front();
        return f;
    }

    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};
