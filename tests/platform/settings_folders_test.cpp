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
        QString("KELMORAX_TEST_%1").arg(::testing::UnitTest::GetInstance()->random_seed());
    ASSERT_TRUE(SaveSetting(app, "COMMON", "界面提示ID", "3"));
    ASSERT_TRUE(SaveSetting(app, "COMMON", "imagepath", "/opt/组件/Res/Image/"));
    ASSERT_TRUE(SaveSetting(app, "人事系统", "imagepath", "/x y=z;"));

    // The file lies in the test's configuration folder, never the user's.
    const QString file = settingsFilePath(app);
    EXPECT_TRUE(file.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    EXPECT_TRUE(QFile::exists(file));

    EXPECT_EQ(GetSetting(app, "COMMON", "界面提示ID", "0"), "3");
    EXPECT_EQ(GetSetting(app, "COMMON", "imagepath"), "/opt/组件/Res/Image/");
    EXPECT_EQ(GetSetting(app, "人事系统", "imagepath"), "/x y=z;");
    EXPECT_EQ(GetSetting(app, "COMMON", "missing", "d"), "d");
    EXPECT_TRUE(DeleteSetting(app, "COMMON", "界面提示ID"));
    EXPECT_EQ(GetSetting(app, "COMMON", "界面提示ID", "0"), "0");
    EXPECT_FALSE(SaveSetting(app, "COMMON", "a/b", "1"));
    EXPECT_FALSE(SaveSetting(app, QString(), "k", "1"));
    QFile::remove(file);
}

TEST(PrivateProfile, ReadsTheSuiteFileInGbkAndUtf8) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const QString gbk = write(
        "OaWsUser.ini",
        QStringEncoder("GBK")(QStringLiteral(
            "; 设置\r\n[Other]\r\nAppDNS=wrong\r\n[AppInfo]\r\n  appdns = \"办公数据\" \r\n")));
    EXPECT_EQ(GetPrivateProfileString(gbk, "AppInfo", "AppDNS"), "办公数据");
    EXPECT_EQ(GetPrivateProfileString(gbk, "AppInfo", "None", "d"), "d");
    EXPECT_EQ(GetPrivateProfileString(dir.filePath("absent.ini"), "AppInfo", "AppDNS", "d"), "d");
    const QString utf8 = write("u.ini", QString("[AppInfo]\nAppDNS=数据源\n").toUtf8());
    EXPECT_EQ(GetPrivateProfileString(utf8, "appinfo", "AppDNS"), "数据源");
}

TEST(EnsureFolder, MakesThreeMissingLevelsAndEndsOnlyAMadePathInSlash) {
    QTemporaryDir dir;
    QString path = dir.path() + "/一/two/三";
    EXPECT_TRUE(EnsureFolder(path));
    EXPECT_EQ(path, dir.path() + "/一/two/三/");
    EXPECT_TRUE(QFileInfo(path).isDir());
    QString backslashed = dir.path() + "\\Res\\Image\\";
    EXPECT_TRUE(EnsureFolder(backslashed));
    EXPECT_EQ(backslashed, dir.path() + "/Res/Image/");
    EXPECT_TRUE(QFileInfo(dir.path() + "/Res/Image").isDir());
    // An existing folder is left as it is; an empty path is refused.
    QString existing = dir.path();
    EXPECT_TRUE(EnsureFolder(existing));
    EXPECT_EQ(existing, dir.path());
    QString empty;
    EXPECT_FALSE(EnsureFolder(empty));
}

struct ImpossibleCase {
    const char* name;
    QString (*make)(const QString& root);
    friend void PrintTo(const ImpossibleCase& c, std::ostream* os) { *os << c.name; }
};

class EnsureFolderRefuses : public ::testing::TestWithParam<ImpossibleCase> {};

TEST_P(EnsureFolderRefuses, ReturnsFalseAndLeavesNothingMade) {
    QTemporaryDir dir;
    QFile file(dir.filePath("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const auto entries = [&] {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    };
    const QStringList before = entries();
    QString path = GetParam().make(dir.path());
    const QString original = path;
    EXPECT_FALSE(EnsureFolder(path));
    EXPECT_EQ(path, original);
    EXPECT_EQ(entries(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, EnsureFolderRefuses,
    ::testing::Values(
        ImpossibleCase{"UnderAFile", [](const QString& r) { return r + "/file/a/b"; }},
        ImpossibleCase{"DriveLetter", [](const QString&) { return QString("Q:\\Images\\背景"); }},
        ImpossibleCase{"ThirdLevelTooLong",
                       [](const QString& r) { return r + "/a/b/" + QString(300, 'x'); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelk
