#pragma once
// The main window, "系统界面管理模块": the tables tree, the class tree and the embedded interface
// manager under a toolbar. For now it keeps the context the host hands over and lays out an
// empty splitter; the trees and the manager come with the window's own work.

#include <cstdint>

#include <QSplitter>
#include <QString>

#include "platform/form.h"

namespace zelk {

class frm_zelk_main : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_main(QWidget* parent = nullptr);

    QSplitter* SSSplitter1 = nullptr;

    // Keeps the connection and the context, and sets the module-wide system and main table.
    void init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
              const QString& classname, const QString& username);
    void SetReportPath(const QString& path);

  signals:
    // The user picked another main table.
    void onMainTableChanged(const QString& table);

  private:
    std::int32_t hdbc_ = 0;
    QString SystemName;
    QString MainTable;
    QString ClassName;
    QString UserName;
    QString ReportPath;
};

}  // namespace zelk
