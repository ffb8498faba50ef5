// The questions asked before the workbench closes.
#pragma once

#include <functional>

namespace dosarium {

class MessageService;

class ClosingSequence {
  public:
    // True when the user confirmed every question: first the exercise text's loss guard, then
    // the closing itself.
    static bool confirm(MessageService& messages, const std::function<bool()>& confirmTextLoss);
};

} // namespace dosarium
