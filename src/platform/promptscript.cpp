#include "platform/promptscript.h"

#include <QAction>
#include <QMenu>

#include "platform/controls/olecolor.h"

namespace zelk {

QString promptKindName(PromptKind kind) {
    switch (kind) {
        case PromptKind::MessageBox:
            return QStringLiteral("message box");
        case PromptKind::InputBox:
            return QStringLiteral("input box");
        case PromptKind::Color:
            return QStringLiteral("colour dialog");
        case PromptKind::Font:
            return QStringLiteral("font dialog");
        case PromptKind::OpenFile:
            return QStringLiteral("open-file dialog");
        case PromptKind::SaveFile:
            return QStringLiteral("save-file dialog");
        case PromptKind::ModalForm:
            return QStringLiteral("modal window");
        case PromptKind::PopupMenu:
            return QStringLiteral("popup menu");
    }
    return QString();
}

PromptScript::PromptScript() {
    pushPromptInterceptor(this);
}

PromptScript::~PromptScript() {
    popPromptInterceptor(this);
    finish();
}

PromptScript& PromptScript::answer(int result) {
    steps_.push_back(Step{StepKind::MessageBox, result, {}, {}, {}, {}});
    return *this;
}

PromptScript& PromptScript::input(const QString& text) {
    steps_.push_back(Step{StepKind::Input, 0, text, {}, {}, {}});
    return *this;
}

PromptScript& PromptScript::cancelInput() {
    steps_.push_back(Step{StepKind::Input, 0, std::nullopt, {}, {}, {}});
    return *this;
}

PromptScript& PromptScript::chooseColor(const QColor& color) {
    steps_.push_back(Step{StepKind::Color, 0, {}, color, {}, {}});
    return *this;
}

PromptScript& PromptScript::chooseFont(const QFont& font) {
    steps_.push_back(Step{StepKind::Font, 0, {}, {}, font, {}});
    return *this;
}

PromptScript& PromptScript::chooseFont(const QFont& font, const QColor& color) {
    steps_.push_back(Step{StepKind::Font, 0, {}, color, font, {}});
    return *this;
}

PromptScript& PromptScript::chooseFile(const QString& path) {
    steps_.push_back(Step{StepKind::File, 0, path, {}, {}, {}});
    return *this;
}

PromptScript& PromptScript::cancelDialog() {
    steps_.push_back(Step{StepKind::CancelDialog, 0, {}, {}, {}, {}});
    return *this;
}

PromptScript& PromptScript::onModal(std::function<void(Form&)> action) {
    steps_.push_back(Step{StepKind::Modal, 0, {}, {}, {}, std::move(action)});
    return *this;
}

PromptScript& PromptScript::chooseMenuEntry(const QString& entry) {
    steps_.push_back(Step{StepKind::Menu, 0, entry, {}, {}, {}});
    return *this;
}

PromptScript& PromptScript::dismissMenu() {
    steps_.push_back(Step{StepKind::Menu, 0, std::nullopt, {}, {}, {}});
    return *this;
}

void PromptScript::finish() {
    if (steps_.empty()) return;
    QStringList unused;
    for (const Step& s : steps_) unused << describe(s);
    steps_.clear();
    reportPromptFailure(QStringLiteral("the script ended with %1 unused answer(s): %2")
                            .arg(unused.size())
                            .arg(unused.join(QStringLiteral(", "))));
}

QString PromptScript::describe(const Step& step) {
    switch (step.kind) {
        case StepKind::MessageBox:
            return QStringLiteral("message box answered %1").arg(step.result);
        case StepKind::Input:
            return step.text ? QStringLiteral("input \"%1\"").arg(*step.text)
                             : QStringLiteral("input cancelled");
        case StepKind::Color:
            return QStringLiteral("colour %1").arg(step.color.name());
        case StepKind::Font:
            return QStringLiteral("font %1").arg(step.font.family());
        case StepKind::File:
            return QStringLiteral("file \"%1\"").arg(step.text.value_or(QString()));
        case StepKind::CancelDialog:
            return QStringLiteral("dialog cancelled");
        case StepKind::Modal:
            return QStringLiteral("modal window action");
        case StepKind::Menu:
            return step.text ? QStringLiteral("menu entry \"%1\"").arg(*step.text)
                             : QStringLiteral("menu dismissed");
    }
    return QString();
}

namespace {
QString describeRecord(const PromptRecord& r) {
    // One call: a prompt's text may itself hold "%4" and the like.
    return QStringLiteral("%1 \"%2\" (title \"%3\", style %4)")
        .arg(promptKindName(r.kind), r.text, r.title, QString::number(r.style));
}
}  // namespace

bool PromptScript::take(StepKind wanted, const PromptRecord& record, Step& out) {
    records_.push_back(record);
    if (steps_.empty() || steps_.front().kind != wanted) {
        reportPromptFailure(QStringLiteral("unexpected %1; the script expected %2")
                                .arg(describeRecord(record), steps_.empty()
                                                                 ? QStringLiteral("nothing more")
                                                                 : describe(steps_.front())));
        return false;
    }
    out = std::move(steps_.front());
    steps_.pop_front();
    return true;
}

bool PromptScript::takeDialog(PromptKind kind, const PromptRecord& record, Step& out) {
    const StepKind wanted = kind == PromptKind::Color  ? StepKind::Color
                            : kind == PromptKind::Font ? StepKind::Font
                                                       : StepKind::File;
    if (!steps_.empty() && steps_.front().kind == StepKind::CancelDialog)
        return take(StepKind::CancelDialog, record, out);
    return take(wanted, record, out);
}

int PromptScript::messageBox(const QString& text, int style, const QString& title) {
    Step step;
    if (!take(StepKind::MessageBox, PromptRecord{PromptKind::MessageBox, text, title, style}, step))
        return msgBoxSafeAnswer(style);
    return step.result;
}

std::optional<QString> PromptScript::inputBox(const QString& text, const QString& title,
                                              const QString& defaultText) {
    (void)defaultText;
    Step step;
    if (!take(StepKind::Input, PromptRecord{PromptKind::InputBox, text, title, 0}, step))
        return std::nullopt;
    return step.text;
}

bool PromptScript::commonDialog(PromptKind kind, CommonDialog& dialog) {
    Step step;
    const PromptRecord record{kind, dialog.FileName, dialog.DialogTitle, dialog.Flags};
    if (!takeDialog(kind, record, step) || step.kind == StepKind::CancelDialog) return false;
    switch (kind) {
        case PromptKind::Color:
            dialog.Color = qColorToOleColor(step.color);
            return true;
        case PromptKind::Font:
            dialog.FontName = step.font.family();
            if (step.font.pointSizeF() > 0) dialog.FontSize = step.font.pointSizeF();
            dialog.FontBold = step.font.bold();
            dialog.FontItalic = step.font.italic();
            dialog.FontUnderline = step.font.underline();
            dialog.FontStrikethru = step.font.strikeOut();
            if (step.color.isValid() && (dialog.Flags & cdlCFEffects))
                dialog.Color = qColorToOleColor(step.color);
            return true;
        default:
            dialog.FileName = step.text.value_or(QString());
            return true;
    }
}

void PromptScript::modalForm(Form& form) {
    Step step;
    const PromptRecord record{PromptKind::ModalForm,
                              QString::fromLatin1(form.metaObject()->className()),
                              form.windowTitle(), 0};
    if (!take(StepKind::Modal, record, step)) {
        form.forceUnload();
        return;
    }
    if (step.action) step.action(form);
}

QAction* PromptScript::popupMenu(QMenu& menu, const QPoint&) {
    Step step;
    if (!take(StepKind::Menu,
              PromptRecord{PromptKind::PopupMenu, menu.objectName(), menu.title(), 0}, step) ||
        !step.text)
        return nullptr;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) continue;
        QString text = action->text();
        text.remove(QLatin1Char('&'));
        if (text == *step.text || action->objectName() == *step.text) return action;
    }
    reportPromptFailure(
        QStringLiteral("menu \"%1\" has no entry \"%2\"").arg(menu.objectName(), *step.text));
    return nullptr;
}

}  // namespace zelk
