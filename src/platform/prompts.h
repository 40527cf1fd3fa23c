#pragma once
// Everything that waits on a person goes through this seam: message boxes, input boxes, the
// common dialog, modal shows. Production uses Qt dialogs; tests install a script that answers
// each prompt in order and records what was shown.

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QPoint;

namespace zelk {

class Form;

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

// The buttons a style shows, left to right, as results ("确定" = vbOK ...).
std::vector<int> msgBoxButtons(int style);
// The caption of a result's button: "确定", "取消", "终止(A)", "重试(R)", "忽略(I)", "是(Y)",
// "否(N)".
QString msgBoxButtonCaption(int result);
// The answer when nobody can choose: Cancel, else No, else Abort, else OK.
int msgBoxSafeAnswer(int style);

// Asks for a line of text; an empty text when the person cancels.
QString InputBox(const QString& prompt, const QString& title = QString(),
                 const QString& defaultText = QString());

// Shows a form modally (loading it first) and returns when it has been hidden or unloaded.
void ShowModal(Form& form, QWidget* owner = nullptr);

// Pops up `menu` at a screen point and runs the entry chosen (its triggered signal); returns that
// entry, or nullptr when the menu was dismissed.
QAction* PopupMenu(QMenu& menu, const QPoint& globalPos);

// Flags of the common dialog the windows set.
enum CommonDialogFlags : int {
    cdlCCRGBInit = 0x1,            // colour: start from Color
    cdlCFScreenFonts = 0x1,        // font: list screen fonts
    cdlCFEffects = 0x100,          // font: offer underline, strikethrough and a colour (Color)
    cdlOFNOverwritePrompt = 0x2,   // save: ask before replacing a file
    cdlOFNHideReadOnly = 0x4,      // open: no read-only box
    cdlOFNPathMustExist = 0x800,   // open/save: the folder must exist
    cdlOFNFileMustExist = 0x1000,  // open: the file must exist
};

// The common dialog: set the properties, call Show..., read the properties back. A cancelled
// dialog leaves every property as it was and, with CancelError set, throws ZelkError number
// kErrCancel.
class CommonDialog {
  public:
    // Colour as a colour value: 0x00BBGGRR.
    std::int32_t Color = 0;
    QString FontName;
    double FontSize = 9;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikethru = false;
    // Full path with "/" separators; FileTitle is its last part.
    QString FileName;
    QString FileTitle;
    // "description|pattern;pattern|description|pattern".
    QString Filter;
    int FilterIndex = 1;
    QString DefaultExt;
    QString DialogTitle;
    QString InitDir;
    int Flags = 0;
    bool CancelError = false;

    void ShowColor();
    void ShowFont();
    void ShowOpen();
    void ShowSave();
};

// The common dialog's filter in Qt's form: "description (pattern pattern);;...". A dialog that
// hides the filters' details shows each description exactly as stored.
QString commonDialogFilterToQt(const QString& filter);

// What a test script implements in place of the dialogs.
enum class PromptKind {
    MessageBox,
    InputBox,
    Color,
    Font,
    OpenFile,
    SaveFile,
    ModalForm,
    PopupMenu
};

// The Qt dialog that Show... puts before the person when no script answers, shown whatever
// script or screen is in use (a script that shows the real dialog, for screenshots). Fills the
// dialog's properties and returns true, or false when cancelled; never throws.
bool showCommonDialogToPerson(PromptKind kind, CommonDialog& dialog);

class PromptInterceptor {
  public:
    virtual ~PromptInterceptor() = default;
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;
    // nullopt: cancelled.
    virtual std::optional<QString> inputBox(const QString& text, const QString& title,
                                            const QString& defaultText) = 0;
    // Fills the dialog's properties and returns true, or false for cancel.
    virtual bool commonDialog(PromptKind kind, CommonDialog& dialog) = 0;
    // The form is loaded and visible; returns when it should be closed.
    virtual void modalForm(Form& form) = 0;
    // The entry of the menu to choose, or nullptr to dismiss it. Scripts that expect no menu
    // report it and dismiss.
    virtual QAction* popupMenu(QMenu& menu, const QPoint& globalPos);
};

// The innermost interceptor, or nullptr when prompts go to the person.
PromptInterceptor* promptInterceptor();
void pushPromptInterceptor(PromptInterceptor* interceptor);
void popPromptInterceptor(PromptInterceptor* interceptor);

// Where a prompt nobody expected is reported: tests connect it to their failure report. The
// default writes a warning. The same handler gets prompts that arrive with no script while no
// person can answer them (offscreen), which then take the safe answer instead of waiting forever.
using PromptFailureHandler = std::function<void(const QString& message)>;
void setPromptFailureHandler(PromptFailureHandler handler);
void reportPromptFailure(const QString& message);

}  // namespace zelk
