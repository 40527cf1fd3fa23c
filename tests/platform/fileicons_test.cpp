// The file dialogs' icons and types come from names: listing a folder opens none of its files, so
// a database in it keeps the locks of the process. What the dialog shows is Chinese.

#include <sys/inotify.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "platform/fileicons.h"
#include "platform/prompts.h"
#include "platform/translations.h"
#include "support/cuttexts.h"
#include "support/filedialogs.h"
#include "support/qtprint.h"

namespace zelk {
namespace {

TEST(FileDialogIcons, ListingAFolderOpensNoFile) {
    QTemporaryDir dir;
    const std::pair<const char*, QByteArray> files[] = {
        {"db.sqlite", QByteArray("SQLite format 3\0", 16)},
        {"db.sqlite-wal", QByteArray(32, '\x37')},
        {"noext", QByteArray("%PDF-1.4\n")},
        {"包.idf", QByteArray("[interface]\r\n")},
    };
    for (const auto& [name, content] : files) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(), IN_OPEN), 0);

    QFileSystemModel model;
    model.setIconProvider(nameOnlyFileIcons());
    QSignalSpy loaded(&model, &QFileSystemModel::directoryLoaded);
    const QModelIndex root = model.setRootPath(dir.path());
    ASSERT_TRUE(loaded.wait());
    ASSERT_EQ(model.rowCount(root), 4);
    for (int row = 0; row < model.rowCount(root); ++row) {
        const QModelIndex name = model.index(row, 0, root);
        EXPECT_FALSE(model.data(name, Qt::DecorationRole).isNull());
        EXPECT_FALSE(model.type(name).isEmpty());
        const QFileInfo info = model.fileInfo(name);
        nameOnlyFileIcons()->icon(info);
        nameOnlyFileIcons()->type(info);
    }
    QCoreApplication::processEvents();

    QStringList opened;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* p = buffer; p < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(p);
            if (event->len > 0 && !(event->mask & IN_ISDIR))
                opened << QFile::decodeName(event->name);
            p += sizeof(inotify_event) + event->len;
        }
    }
    ::close(watch);
    EXPECT_TRUE(opened.isEmpty()) << opened.join(' ').toStdString();
}

// Fault mended: packages were typed "unknown", folders "Folder", sizes and dates English ("7 Dec"),
// and a stored filter that names its pattern showed it twice.
TEST(FileDialog, ShowsFiltersAsWordedAndTypesSizesAndDatesInChinese) {
    LoadQtTranslations();  // as the component does once a host creates it
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("旧版本")));
    for (const char* name : {"发文.idf", "图.jpg"}) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    CommonDialog dlg;
    dlg.InitDir = dir.path();
    dlg.Filter =
        QStringLiteral("*.idf(界面文件)|*.idf|界面数据文件 (*.idf)|*.idf|所有文件 (*.*)|*.*");
    QStringList filters;
    QMap<QString, QStringList> rows;  // name: size, type, date
    QStringList cut;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        const auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; combo && i < combo->count(); ++i) filters << combo->itemText(i);
        auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        const QAbstractItemModel* model = view ? view->model() : nullptr;
        const auto root = [&] { return view->rootIndex(); };
        // The types come from the gatherer thread, after the rows.
        const auto typed = [&] {
            for (int r = 0; r < model->rowCount(root()); ++r)
                if (model->index(r, 2, root()).data().toString().isEmpty()) return false;
            return model->rowCount(root()) == 2;
        };
        if (model && QTest::qWaitFor(typed)) {
            for (int r = 0; r < model->rowCount(root()); ++r) {
                QStringList cells;
                for (int c = 1; c <= 3; ++c) cells << model->index(r, c, root()).data().toString();
                rows[model->index(r, 0, root()).data().toString()] = cells;
            }
            cut = test::cutTexts(*view);
        }
        dialog->reject();
    });
    EXPECT_FALSE(showCommonDialogToPerson(PromptKind::OpenFile, dlg));
    EXPECT_EQ(filters, QStringList({"*.idf(界面文件)", "界面数据文件 (*.idf)", "所有文件 (*.*)"}));
    const QLocale chinese = UsersLocale();
    const auto modified = [&](const char* name) {
        return chinese.toString(QFileInfo(dir.filePath(QString::fromUtf8(name))).lastModified(),
                                QLocale::ShortFormat);
    };
    EXPECT_EQ(rows.value("发文.idf"),
              QStringList({"0 字节", "界面数据文件", modified("发文.idf")}));
    EXPECT_EQ(rows.value("旧版本"), QStringList({"", "文件夹", modified("旧版本")}));
    EXPECT_EQ(cut, QStringList());
    EXPECT_EQ(nameOnlyFileIcons()->type(QFileInfo(dir.filePath("图.jpg"))), "JPG 文件");
}

// Fault mended: with the filters' details hidden, Qt gave the shortened text as the filter
// chosen, which matched none of the list, so every pick came back as the first filter.
TEST(FileDialog, ReturnsEachFilterPickedAndReopensOnIt) {
    QTemporaryDir dir;
    CommonDialog dlg;
    dlg.InitDir = dir.path();
    dlg.Filter =
        QStringLiteral("*.idf(界面文件)|*.idf|界面数据文件 (*.idf)|*.idf|所有文件 (*.*)|*.*");
    for (const int pick : {1, 2, 3}) {
        SCOPED_TRACE(pick);
        const int before = dlg.FilterIndex;
        int shown = 0;
        test::onFileDialog([&](QFileDialog& dialog) {
            shown = test::fileTypes(dialog)->currentIndex() + 1;
            test::pickFileType(dialog, pick - 1);
            test::typeFileName(dialog, QStringLiteral("package%1.idf").arg(pick));
        });
        ASSERT_TRUE(showCommonDialogToPerson(PromptKind::OpenFile, dlg));
        EXPECT_EQ(shown, before);
        EXPECT_EQ(dlg.FilterIndex, pick);
        EXPECT_EQ(dlg.FileName, dir.filePath(QStringLiteral("package%1.idf").arg(pick)));
    }
}

}  // namespace
}  // namespace zelk
