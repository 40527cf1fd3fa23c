#pragma once
// The item-entry designer's own connection to the suite's database, named by the data source in
// the suite's settings file ("OaWsUser.ini", section "AppInfo", key "AppDNS", in the component's
// folder), and the three lookups that run on it. The data source is a connection string of our
// data-access library; user names and passwords never appear in code (a server's credentials
// come from the usual client configuration of that server).

#include <cstdint>

#include <QString>

#include "designer/companions.h"

namespace zelk {

class SuiteDataSource {
  public:
    SuiteDataSource();
    ~SuiteDataSource();
    SuiteDataSource(const SuiteDataSource&) = delete;
    SuiteDataSource& operator=(const SuiteDataSource&) = delete;

    // The folder that holds the settings file: the component's folder unless a caller points
    // it elsewhere.
    QString folder;

    // 0 while no connection is open; stays open as long as this object lives.
    std::int32_t DsnConnection = 0;

    // The data source named in the settings file; the component's folder path when the file or
    // the key is missing (no such data source opens).
    void ReadAppDns(QString& dataSource) const;

    // Opens (or reopens) DsnConnection. A data source that names no existing database, or that
    // does not open, gives "数据连接无效!" and false; a database file is never created here.
    bool OpenDsnConnection();

    // The interface of kind `kindCode` with the main table, class and application flag of
    // interface `number`; `result` is unchanged when there is none (or no connection).
    void FindInterfaceByKeys(std::int32_t& number, std::int32_t& result, const QString& kindCode);

    // The columns of browse list `number` into `table` (see QueryIlstColumns).
    void QueryIlstColumns(std::int32_t& number, BrowseColumnTable& table);

    // Main table and system name of interface `number`; unchanged when there is none.
    void QueryIndtNameAndId09(std::int32_t& number, QString& systemName, QString& mainTable);

  private:
    void close();
};

// The component's own folder ("/" separated, no trailing "/").
QString componentFolder();

}  // namespace zelk
