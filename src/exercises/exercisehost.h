// What the exercise window and the exercise commands need from the window that shows the exercise
// text, and only a window can give.
#pragma once

class QTextCursor;
class QWidget;

namespace dosarium {

class ExerciseHost {
  public:
    virtual ~ExerciseHost() = default;

    // The cursor of the text area, whose selection alone is printed when there is one.
    virtual QTextCursor exerciseTextCursor() const = 0;

    // The hourglass pointer while a correction loads.
    virtual void setBusy(bool busy) = 0;

    // The window the exercise window covers, and the button the exercise menu pops up under.
    virtual QWidget* hostWindow() = 0;
    virtual QWidget* exerciseButton() = 0;
};

} // namespace dosarium
