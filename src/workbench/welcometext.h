// The presentation shown in the text area while no exercise is open.
#pragma once

#include <QList>
#include <QString>

class QTextDocument;

namespace dosarium {

class WelcomeText {
  public:
    enum Style { Body = 0, Emphasis = 1, Title = 9 };

    struct Segment {
        QString text; // "\r\n" marks a line break
        Style style;
    };

    static QList<Segment> segments();

    // Replaces the whole content and formatting of the document; building twice gives the same
    // text.
    static void build(QTextDocument& document);
};

} // namespace dosarium
