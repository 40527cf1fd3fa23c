#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "listdesigner/frm_zelk_lbsj.h"
#include "platform/prompts.h"
#include "platform/settings.h"
#include "screenshots.h"
#include "transfer/frm_zelk_ibr.h"

// The standard dialogs as the windows put them before a person, with Qt's texts in Chinese.

namespace {

using namespace zelk;

// Shows each common dialog for real, writes it to a PNG once it has settled and cancels it.
class DialogShot : public PromptInterceptor {
  public:
    DialogShot(shots::ShotContext& ctx, QString name) : ctx_(ctx), name_(std::move(name)) {
        pushPromptInterceptor(this);
    }
    ~DialogShot() override { popPromptInterceptor(this); }
    DialogShot(const DialogShot&) = delete;
    DialogShot& operator=(const DialogShot&) = delete;

    int messageBox(const QString&, int style, const QString&) override {
        return msgBoxSafeAnswer(style);
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void modalForm(Form& form) override { form.forceUnload(); }
    bool commonDialog(PromptKind kind, CommonDialog& dialog) override {
        QTimer::singleShot(0, [this] {
            // The file dialog lists its folder in the background: give it a moment.
            QEventLoop settle;
            QTimer::singleShot(500, &settle, &QEventLoop::quit);
            settle.exec();
            auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ctx_.save(shown, name_);
            if (shown) shown->reject();
        });
        return showCommonDialogToPerson(kind, dialog);
    }

  private:
    shots::ShotContext& ctx_;
    QString name_;
};

std::int32_t demoListEntry(std::int32_t hdbc) {
    const std::int32_t hstmt = sysBufferTablePrepareGetData(
        hdbc, QStringLiteral("select id00 from indt where id05 = '2'"));
    QString number;
    if (sysBufferTableGetRecord(hstmt) > 0) sysBufferTableGetData(hstmt, 1, number);
    odbc_FreeStmtHandle(hstmt);
    return number.toInt();
}

}  // namespace

// The transfer window's export browse: a save dialog in the folder of the last package.
ZELK_SCREENSHOT("dialog_export_file", [](shots::ShotContext& ctx) {
    QTemporaryDir packages;
    QFile earlier(QDir(packages.path()).filePath(QStringLiteral("发文类界面.idf")));
    if (!earlier.open(QIODevice::WriteOnly)) {
        ctx.save(nullptr, "dialog_export_file");
        return;
    }
    earlier.close();
    SaveSetting(kSettingsApplication, QStringLiteral("COMMON"), QStringLiteral("packagepath"),
                packages.path());
    frm_zelk_ibr form;
    form.init(ctx.hdbc, demo::kSystem, demo::kMainTable, demo::kAdminUser, demo::kClass);
    form.show();
    DialogShot shot(ctx, QStringLiteral("dialog_export_file"));
    form.Command6_Click();
    form.forceUnload();
});

// The transfer window's package browse: an open dialog listing packages and a folder, with the
// package filter as the window words it.
ZELK_SCREENSHOT("dialog_open_package", [](shots::ShotContext& ctx) {
    QTemporaryDir packages;
    const QDir folder(packages.path());
    bool written = folder.mkdir(QStringLiteral("旧版本"));
    for (const char* name : {"发文类界面.idf", "收文类界面.idf"}) {
        QFile package(folder.filePath(QString::fromUtf8(name)));
        written =
            written && package.open(QIODevice::WriteOnly) && package.write(QByteArray(2048, 'x'));
    }
    if (!written) {
        ctx.save(nullptr, "dialog_open_package");
        return;
    }
    SaveSetting(kSettingsApplication, QStringLiteral("COMMON"), QStringLiteral("packagepath"),
                packages.path());
    frm_zelk_ibr form;
    form.init(ctx.hdbc, demo::kSystem, demo::kMainTable, demo::kAdminUser, demo::kClass);
    form.show();
    form.SSTab2->SetTab(1);
    DialogShot shot(ctx, QStringLiteral("dialog_open_package"));
    form.Command9_Click();
    form.forceUnload();
});

// The list designer's font command: the font dialog with its colour choice.
ZELK_SCREENSHOT("dialog_font", [](shots::ShotContext& ctx) {
    frm_zelk_lbsj form;
    form.init(ctx.hdbc, demoListEntry(ctx.hdbc), QStringLiteral("录入列表"));
    form.show();
    DialogShot shot(ctx, QStringLiteral("dialog_font"));
    form.mnu_font_Click();
    form.forceUnload();
});
