// The search box of the index: which keywords match what the student types.
#pragma once

#include <QString>

namespace dosarium {

// Lower case, accents and ligatures removed, spaces folded: "Éprouvette  graduée" and
// "eprouvette graduee" fold alike.
QString foldForSearch(const QString& text);

// Every word typed appears in the keyword, each at the start of one of its words, in any order;
// an empty query matches every keyword.
bool indexKeywordMatches(const QString& keyword, const QString& query);

} // namespace dosarium
