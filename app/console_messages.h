#pragma once

#include "platform/message_service.h"

#include <cstdio>

// The message service of the command line: every message box the editor would show is
// printed as a line on a stream instead (standard error for the refusals and errors that
// reach it). Questions answer No, choosers are cancelled.
class ConsoleMessageService : public MessageService {
  public:
    explicit ConsoleMessageService(std::FILE* stream) : stream_(stream) {}
    MessageAnswer showMessage(const std::string& text, const std::string& caption,
                              MessageButtons buttons) override;
    std::string chooseFile(const FileDialogRequest&) override { return {}; }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }

  private:
    std::FILE* stream_;
};

// Message texts join their lines with "\r\n", as the message boxes want them; a terminal
// wants "\n".
std::string consoleText(const std::string& text);
