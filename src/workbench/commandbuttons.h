// The command buttons along the top of the workbench window.
#pragma once

#include "workbench/workbenchtexts.h"

#include <QString>

namespace dosarium {

struct CommandButton {
    const char* objectName;
    QString caption;
    QString toolTip;
    QString hint;
    int left;
    int width;
};

// Left to right along the top of the window, all 41 pixels high.
inline const CommandButton commandButtons[] = {
    {"command3", WorkbenchTexts::buttonNew, WorkbenchTexts::buttonNewTip,
     WorkbenchTexts::buttonNewHint, 0, 97},
    {"Command4", WorkbenchTexts::buttonUndo, WorkbenchTexts::buttonUndoTip,
     WorkbenchTexts::buttonUndoHint, 96, 97},
    {"Command2", WorkbenchTexts::buttonOpen, WorkbenchTexts::buttonOpenTip,
     WorkbenchTexts::buttonOpenHint, 192, 97},
    {"Command11", WorkbenchTexts::buttonSave, WorkbenchTexts::buttonSaveTip,
     WorkbenchTexts::buttonSaveHint, 288, 105},
    {"Command8", WorkbenchTexts::buttonCalculator, WorkbenchTexts::buttonCalculatorTip,
     WorkbenchTexts::buttonCalculatorHint, 392, 105},
    {"Command9", WorkbenchTexts::buttonCourse, WorkbenchTexts::buttonCourseTip,
     WorkbenchTexts::buttonCourseHint, 496, 105},
    {"Command7", WorkbenchTexts::buttonHelp, WorkbenchTexts::buttonHelpTip,
     WorkbenchTexts::buttonHelpHint, 600, 97},
    {"Command1", WorkbenchTexts::buttonClose, WorkbenchTexts::buttonCloseTip,
     WorkbenchTexts::buttonCloseHint, 696, 105},
};

} // namespace dosarium
