#pragma once

#include <functional>
#include <string>

// The one way composition code shows a message to the user without knowing about windows: the
// program installs a handler that shows a message box with an OK button and returns once it is
// closed; tests install one that records the text. Texts are Windows-1250 bytes.

using UserMessageHandler = std::function<void(const std::string& text)>;

// Returns the handler that was installed before.
UserMessageHandler SetUserMessageHandler(UserMessageHandler handler);
// Without a handler the text goes to the standard error stream, so that it is never lost.
void ShowUserMessage(const std::string& text);
