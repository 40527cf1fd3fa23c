#pragma once
// Everything that waits on a person goes through this seam: message boxes, input boxes, the
// common dialog, modal shows. Production uses Qt dialogs; tests install a script that answers
// each prompt in order and records what was shown.

#include <QString>

namespace zelk {

// Message-box style codes: buttons + icon + default button, as the windows pass them.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

// Shows a message box and returns the button pressed.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());

}  // namespace zelk
