#include "app/console_messages.h"

std::string consoleText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

MessageAnswer ConsoleMessageService::showMessage(const std::string& text, const std::string&,
                                                 MessageButtons buttons)
{
    std::fprintf(stream_, "%s\n", consoleText(text).c_str());
    std::fflush(stream_);
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}
