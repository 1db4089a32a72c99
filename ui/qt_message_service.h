#pragma once

#include "platform/message_service.h"

class QWidget;

// The message service of the editor: Qt's standard message boxes, file dialogs and colour
// chooser.
class QtMessageService : public MessageService {
  public:
    explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer showMessage(const std::string& text, const std::string& caption,
                              MessageButtons buttons) override;
    std::string chooseFile(const FileDialogRequest& request) override;
    std::optional<Colour> chooseColour(Colour initial) override;

  private:
    QWidget* parent_;
};
