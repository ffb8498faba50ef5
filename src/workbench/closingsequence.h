// The questions asked before the workbench closes.
#pragma once

namespace dosarium {

class MessageService;

class ClosingSequence {
  public:
    // True when the user confirmed every question; an edited exercise text is asked about first.
    static bool confirm(MessageService& messages, bool exerciseTextModified);

    // The loss guard shared with the exercise commands.
    static bool confirmTextLoss(MessageService& messages, bool exerciseTextModified);
};

} // namespace dosarium
