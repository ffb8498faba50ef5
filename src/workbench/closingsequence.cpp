#include "workbench/closingsequence.h"

#include "ui/messageservice.h"

namespace dosarium {

bool ClosingSequence::confirm(MessageService& messages,
                              const std::function<bool()>& confirmTextLoss)
{
    if (!confirmTextLoss())
        return false;
    return messages.confirmOk(QStringLiteral("Fermer Dosarium ?"), QStringLiteral("Fermer"),
                              MessageIcon::Question);
}

} // namespace dosarium
