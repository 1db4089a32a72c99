#pragma once

#include "document/colour.h"

#include <optional>
#include <string>
#include <vector>

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct FileFilter {
    std::string description;
    std::string pattern; // "*.jpg;*.png"
};

struct FileDialogRequest {
    bool save = false;
    std::string title; // empty: the platform's own title
    std::string startFolder;
    std::string proposedName;
    std::vector<FileFilter> filters;
    std::string defaultExtension;
};

// Every message box, file chooser and colour chooser of the program goes through this one
// interface, so that tests can answer them and the headless command line can print them.
// Texts are UTF-8.
class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual MessageAnswer showMessage(const std::string& text, const std::string& caption,
                                      MessageButtons buttons) = 0;
    // The chosen path, or empty when cancelled.
    virtual std::string chooseFile(const FileDialogRequest& request) = 0;
    virtual std::optional<Colour> chooseColour(Colour initial) = 0;
};
