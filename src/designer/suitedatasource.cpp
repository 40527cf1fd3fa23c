#include "designer/suitedatasource.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/prompts.h"
#include "platform/settings.h"

namespace zelk {

namespace {

// The reader offers 250 bytes, one of them for the closing NUL.
constexpr std::size_t kProfileBytes = 249;

bool isServer(const QString& dataSource) {
    return dataSource.startsWith(QStringLiteral("postgresql://"), Qt::CaseInsensitive);
}

// A connection string ("/" separated) that names a database which already exists; never one
// that opening would create (an old ODBC name, a folder, a mistyped path).
bool namesExistingDatabase(const QString& dataSource) {
    if (isServer(dataSource)) return true;
    QString path = dataSource;
    if (path.startsWith(QStringLiteral("sqlite:"), Qt::CaseInsensitive)) path = path.mid(7);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// A key comparison that finds a value stored as empty text or as NULL alike.
QString keyTest(const char* column, const QString& value) {
    const QString name = QString::fromLatin1(column);
    if (value.isEmpty()) return QStringLiteral("(%1='' or %1 is null)").arg(name);
    return name + QChar(u'=') + sqlQuote(value);
}

}  // namespace

QString componentFolder() {
    return QCoreApplication::applicationDirPath();
}

SuiteDataSource::SuiteDataSource() : folder(componentFolder()) {}

SuiteDataSource::~SuiteDataSource() {
    close();
}

void SuiteDataSource::close() {
    if (DsnConnection != 0) dbCloseConnection(DsnConnection);
    DsnConnection = 0;
}

void SuiteDataSource::ReadAppDns(QString& dataSource) const {
    QString path = folder;
    path.replace(QChar(u'\\'), QChar(u'/'));
    const QString value =
        GetPrivateProfileString(path + QStringLiteral("/OaWsUser.ini"), QStringLiteral("AppInfo"),
                                QStringLiteral("AppDNS"), path);
    const QByteArray bytes = toGbk(value);
    dataSource = fromGbk(bytes.left(static_cast<qsizetype>(
        gbkCutLength(bytes.constData(), static_cast<std::size_t>(bytes.size()), kProfileBytes))));
}

bool SuiteDataSource::OpenDsnConnection() {
    QString dataSource;
    ReadAppDns(dataSource);
    dataSource = TrimFixedField(dataSource);
    if (!isServer(dataSource)) dataSource.replace(QChar(u'\\'), QChar(u'/'));
    close();
    if (namesExistingDatabase(dataSource)) DsnConnection = dbOpenConnection(dataSource);
    if (DsnConnection == 0) {
        MsgBox(QStringLiteral("数据连接无效!"), vbCritical, QStringLiteral("警告"));
        return false;
    }
    if (odbc_GetDbsFlag() == 1) sysMSSQLUses(DsnConnection, QStringLiteral("oa_sys"));
    return true;
}

void SuiteDataSource::FindInterfaceByKeys(std::int32_t& number, std::int32_t& result,
                                          const QString& kindCode) {
    if (DsnConnection == 0) return;
    INDTRecord row;
    if (sysINDTGetDataByNo(DsnConnection, row, number) < 1) return;
    // Of several matches the one with the largest number wins.
    const QString sql = QStringLiteral("select id00 from indt where ") +
                        keyTest("id01", fieldText(row.id01)) + QStringLiteral(" and ") +
                        keyTest("id02", fieldText(row.id02)) + QStringLiteral(" and ") +
                        keyTest("id07", fieldText(row.id07)) + QStringLiteral(" and id05=") +
                        sqlQuote(kindCode) + QStringLiteral(" order by id00 desc");
    MidTableRecord value;
    GetRecordDataFromMidTable(DsnConnection, value, sql);
    const QString text = TrimFixedField(fieldText(value.m00)).trimmed();
    if (text.isEmpty()) return;
    if (const auto found = numericInt32(text)) result = *found;
}

void SuiteDataSource::QueryIlstColumns(std::int32_t& number, BrowseColumnTable& table) {
    if (DsnConnection == 0) return;
    zelk::QueryIlstColumns(DsnConnection, number, table);
}

void SuiteDataSource::QueryIndtNameAndId09(std::int32_t& number, QString& systemName,
                                           QString& mainTable) {
    if (DsnConnection == 0) return;
    INDTRecord row;
    if (sysINDTGetDataByNo(DsnConnection, row, number) < 1) return;
    mainTable = TrimFixedField(fieldText(row.id01));
    systemName = TrimFixedField(fieldText(row.id09));
}

}  // namespace zelk
