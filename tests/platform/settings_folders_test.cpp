#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "platform/folders.h"
#include "platform/settings.h"

namespace zelk {
namespace {

TEST(Settings, WrittenInOneStoreReadBackInAFreshOne) {
    const QString app =
        QStringLiteral("KELMORAX_TEST_%1").arg(::testing::UnitTest::GetInstance()->random_seed());
    ASSERT_TRUE(SaveSetting(app, QStringLiteral("COMMON"), QStringLiteral("界面提示ID"),
                            QStringLiteral("3")));
    ASSERT_TRUE(SaveSetting(app, QStringLiteral("COMMON"), QStringLiteral("imagepath"),
                            QStringLiteral("/opt/组件/Res/Image/")));
    ASSERT_TRUE(SaveSetting(app, QStringLiteral("人事系统"), QStringLiteral("imagepath"),
                            QStringLiteral("/x y=z;")));

    // The file lies in the test's configuration folder, never the user's.
    const QString file = settingsFilePath(app);
    EXPECT_TRUE(file.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    EXPECT_TRUE(QFile::exists(file));

    EXPECT_EQ(GetSetting(app, QStringLiteral("COMMON"), QStringLiteral("界面提示ID"),
                         QStringLiteral("0")),
              QStringLiteral("3"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("COMMON"), QStringLiteral("imagepath")),
              QStringLiteral("/opt/组件/Res/Image/"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("人事系统"), QStringLiteral("imagepath")),
              QStringLiteral("/x y=z;"));
    EXPECT_EQ(
        GetSetting(app, QStringLiteral("COMMON"), QStringLiteral("missing"), QStringLiteral("d")),
        QStringLiteral("d"));

    EXPECT_TRUE(DeleteSetting(app, QStringLiteral("COMMON"), QStringLiteral("界面提示ID")));
    EXPECT_EQ(GetSetting(app, QStringLiteral("COMMON"), QStringLiteral("界面提示ID"),
                         QStringLiteral("0")),
              QStringLiteral("0"));
    EXPECT_FALSE(
        SaveSetting(app, QStringLiteral("COMMON"), QStringLiteral("a/b"), QStringLiteral("1")));
    EXPECT_FALSE(SaveSetting(app, QString(), QStringLiteral("k"), QStringLiteral("1")));
    QFile::remove(file);
}

TEST(PrivateProfile, ReadsTheSuiteFileInGbkAndUtf8) {
    QTemporaryDir dir;
    const QString gbkFile = dir.filePath(QStringLiteral("OaWsUser.ini"));
    {
        QFile f(gbkFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QStringEncoder gbk("GBK");
        f.write(gbk(QStringLiteral(
            "; 设置\r\n[Other]\r\nAppDNS=wrong\r\n[AppInfo]\r\n  appdns = \"办公数据\" \r\n")));
    }
    EXPECT_EQ(GetPrivateProfileString(gbkFile, QStringLiteral("AppInfo"), QStringLiteral("AppDNS")),
              QStringLiteral("办公数据"));
    EXPECT_EQ(GetPrivateProfileString(gbkFile, QStringLiteral("AppInfo"), QStringLiteral("None"),
                                      QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(GetPrivateProfileString(dir.filePath(QStringLiteral("absent.ini")),
                                      QStringLiteral("AppInfo"), QStringLiteral("AppDNS"),
                                      QStringLiteral("d")),
              QStringLiteral("d"));
    const QString utfFile = dir.filePath(QStringLiteral("u.ini"));
    {
        QFile f(utfFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[AppInfo]\nAppDNS=数据源\n").toUtf8());
    }
    EXPECT_EQ(GetPrivateProfileString(utfFile, QStringLiteral("appinfo"), QStringLiteral("AppDNS")),
              QStringLiteral("数据源"));
}

TEST(EnsureFolder, ExistingFolderIsLeftAsItIs) {
    QTemporaryDir dir;
    QString path = dir.path();
    EXPECT_TRUE(EnsureFolder(path));
    EXPECT_EQ(path, dir.path());
    QString empty;
    EXPECT_FALSE(EnsureFolder(empty));
}

TEST(EnsureFolder, MakesThreeMissingLevelsAndEndsThePathInSlash) {
    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/一/two/三");
    EXPECT_TRUE(EnsureFolder(path));
    EXPECT_EQ(path, dir.path() + QStringLiteral("/一/two/三/"));
    EXPECT_TRUE(QFileInfo(path).isDir());
    QString backslashed = dir.path() + QStringLiteral("\\Res\\Image\\");
    EXPECT_TRUE(EnsureFolder(backslashed));
    EXPECT_EQ(backslashed, dir.path() + QStringLiteral("/Res/Image/"));
    EXPECT_TRUE(QFileInfo(dir.path() + QStringLiteral("/Res/Image")).isDir());
}

struct ImpossibleCase {
    const char* name;
    QString (*make)(const QString& root);
};
void PrintTo(const ImpossibleCase& c, std::ostream* os) {
    *os << c.name;
}

class EnsureFolderRefuses : public ::testing::TestWithParam<ImpossibleCase> {};

TEST_P(EnsureFolderRefuses, ReturnsFalseAndLeavesNothingMade) {
    QTemporaryDir dir;
    {
        QFile f(dir.filePath(QStringLiteral("file")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QString path = GetParam().make(dir.path());
    const QString original = path;
    EXPECT_FALSE(EnsureFolder(path));
    EXPECT_EQ(path, original);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, EnsureFolderRefuses,
    ::testing::Values(
        ImpossibleCase{"UnderAFile",
                       [](const QString& r) { return r + QStringLiteral("/file/a/b"); }},
        ImpossibleCase{"DriveLetter",
                       [](const QString&) { return QStringLiteral("Q:\\Images\\背景"); }},
        ImpossibleCase{"ThirdLevelTooLong",
                       [](const QString& r) {
                           return r + QStringLiteral("/a/b/") + QString(300, QLatin1Char('x'));
                       }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelk
