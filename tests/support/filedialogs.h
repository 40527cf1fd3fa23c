#pragma once
// The file dialog a window puts before the person, played by the test: picks a file type and
// types a name as a person does, through the dialog's own controls.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "platform/form.h"
#include "platform/prompts.h"

namespace zelk::test {

// Runs `act` on the file dialog once it is shown (call it before the dialog is opened).
inline void onFileDialog(std::function<void(QFileDialog&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QFileDialog* dialog = nullptr;
        if (!QTest::qWaitFor([&] {
                return (dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
            })) {
            ADD_FAILURE() << "no file dialog was shown";
            return;
        }
        QPointer<QFileDialog> shown(dialog);
        act(*dialog);
        // A dialog the action left open would wait forever.
        if (!QTest::qWaitFor([&] { return !shown || !shown->isVisible(); })) {
            ADD_FAILURE() << "the file dialog stayed open";
            shown->reject();
        }
    });
}

// The file-type box of the dialog.
inline QComboBox* fileTypes(QFileDialog& dialog) {
    return dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
}

// Moves the file-type box to the type at `index` (from 0) with the arrow keys.
inline void pickFileType(QFileDialog& dialog, int index) {
    QComboBox* types = fileTypes(dialog);
    ASSERT_NE(types, nullptr);
    ASSERT_LT(index, types->count());
    while (types->currentIndex() != index)
        QTest::keyClick(types, types->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
}

// Types a file name over the one shown (ASCII: the keys of a US keyboard) and presses Enter.
inline void typeFileName(QFileDialog& dialog, const QString& name) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    // Typed over, never emptied: an empty name selects the folder, which Enter would open.
    edit->selectAll();
    QTest::keyClicks(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
}

// While it lives, the windows' common dialogs go before the person (the test, through
// onFileDialog); any other prompt fails the test.
class PersonsDialogs : public PromptInterceptor {
  public:
    PersonsDialogs() { pushPromptInterceptor(this); }
    ~PersonsDialogs() override { popPromptInterceptor(this); }
    PersonsDialogs(const PersonsDialogs&) = delete;
    PersonsDialogs& operator=(const PersonsDialogs&) = delete;

    int messageBox(const QString& text, int style, const QString&) override {
        ADD_FAILURE() << "message box: " << text.toStdString();
        return msgBoxSafeAnswer(style);
    }
    std::optional<QString> inputBox(const QString& text, const QString&, const QString&) override {
        ADD_FAILURE() << "input box: " << text.toStdString();
        return std::nullopt;
    }
    bool commonDialog(PromptKind kind, CommonDialog& dialog) override {
        return showCommonDialogToPerson(kind, dialog);
    }
    void modalForm(Form& form) override {
        ADD_FAILURE() << "modal window: " << form.windowTitle().toStdString();
        form.forceUnload();
    }
};

}  // namespace zelk::test
