#pragma once
// A test script for the prompt seam: installed for its lifetime, it answers each prompt in the
// order given, runs an action while a modal form is shown, and records every prompt. A prompt the
// script does not expect, a modal form of another class than expected, and answers left unused at
// the end are reported through the prompt failure handler (tests connect it to their failures).

#include <QColor>
#include <QFont>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "platform/form.h"
#include "platform/prompts.h"

namespace zelk {

struct PromptRecord {
    PromptKind kind;
    QString text;   // message or input prompt; the dialog's file name; the form's class
    QString title;  // title, dialog title or window title
    int style = 0;  // message-box style; common-dialog flags
};

QString promptKindName(PromptKind kind);

class PromptScript : public PromptInterceptor {
  public:
    PromptScript();
    ~PromptScript() override;
    PromptScript(const PromptScript&) = delete;
    PromptScript& operator=(const PromptScript&) = delete;

    // The next message box is answered with this result (vbOK ... vbNo).
    PromptScript& answer(int result);
    // The next input box returns this text; cancelInput() cancels it.
    PromptScript& input(const QString& text);
    PromptScript& cancelInput();
    // The next colour, font, open or save dialog takes this choice.
    PromptScript& chooseColor(const QColor& color);
    PromptScript& chooseFont(const QFont& font);
    // A font dialog offering a colour (flags with cdlCFEffects) also takes this colour.
    PromptScript& chooseFont(const QFont& font, const QColor& color);
    PromptScript& chooseFile(const QString& path);  // open or save
    // The next common dialog of any kind is cancelled.
    PromptScript& cancelDialog();
    // While the next modal form is shown, runs the action with it; the action fills its controls,
    // presses its buttons and closes it. A form left open afterwards is a failure (and unloaded).
    PromptScript& onModal(std::function<void(Form&)> action);
    template <class F>
    PromptScript& onModal(std::function<void(F&)> action) {
        return onModal([action = std::move(action)](Form& form) {
            if (F* typed = dynamic_cast<F*>(&form)) {
                action(*typed);
            } else {
                reportPromptFailure(QStringLiteral("modal window %1 is not of the expected class")
                                        .arg(QString::fromLatin1(form.metaObject()->className())));
                form.forceUnload();
            }
        });
    }

    // The next popup menu: runs the entry whose text or object name is `entry`; dismissMenu()
    // closes it choosing nothing.
    PromptScript& chooseMenuEntry(const QString& entry);
    PromptScript& dismissMenu();

    // Every prompt so far, answered or not.
    const std::vector<PromptRecord>& prompts() const { return records_; }
    const PromptRecord* lastPrompt() const { return records_.empty() ? nullptr : &records_.back(); }
    // Answers not used yet.
    std::size_t pending() const { return steps_.size(); }
    // Reports the unused answers now (the destructor does it otherwise) and forgets them.
    void finish();

    int messageBox(const QString& text, int style, const QString& title) override;
    std::optional<QString> inputBox(const QString& text, const QString& title,
                                    const QString& defaultText) override;
    bool commonDialog(PromptKind kind, CommonDialog& dialog) override;
    void modalForm(Form& form) override;
    QAction* popupMenu(QMenu& menu, const QPoint& globalPos) override;

  private:
    enum class StepKind { MessageBox, Input, Color, Font, File, CancelDialog, Modal, Menu };
    struct Step {
        StepKind kind;
        int result = 0;
        std::optional<QString> text;
        QColor color;
        QFont font;
        std::function<void(Form&)> action;
    };
    static QString describe(const Step& step);
    bool take(StepKind wanted, const PromptRecord& record, Step& out);
    // Cancel of a common dialog is also a valid step for any dialog kind.
    bool takeDialog(PromptKind kind, const PromptRecord& record, Step& out);

    std::deque<Step> steps_;
    std::vector<PromptRecord> records_;
};

}  // namespace zelk
