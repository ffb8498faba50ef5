#include "workbench/closingsequence.h"

#include "ui/messageservice.h"

namespace dosarium {

bool ClosingSequence::confirmTextLoss(MessageService& messages, bool exerciseTextModified)
{
    if (!exerciseTextModified)
        return true;
    return messages.confirmOk(QStringLiteral("Attention: perte des modifications du texte."),
                              QStringLiteral("Abandon des données?"), MessageIcon::Question);
}

bool ClosingSequence::confirm(MessageService& messages, bool exerciseTextModified)
{
    if (!confirmTextLoss(messages, exerciseTextModified))
        return false;
    return messages.confirmOk(QStringLiteral("Fermer Dosarium ?"), QStringLiteral("Fermer"),
                              MessageIcon::Question);
}

} // namespace dosarium
