#include "modes/UserMessage.h"

#include <iostream>
#include <utility>

namespace {

UserMessageHandler& Handler()
{
    static UserMessageHandler handler;
    return handler;
}

} // namespace

UserMessageHandler SetUserMessageHandler(UserMessageHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

void ShowUserMessage(const std::string& text)
{
    if (Handler()) {
        Handler()(text);
    } else {
        std::cerr << text << '\n';
    }
}
