#pragma once
// Opens one form designer the way every caller does: create the window, init with the connection
// and the interface number, show it modally, destroy it. The window's help requests go to
// `needHelp` while it is open.

#include <cstdint>
#include <functional>

#include <QString>
#include <QWidget>

namespace zelk {

enum class DesignerKind { ItemEntry, ItemSearch };

void ShowDesignerWindow(DesignerKind kind, std::int32_t hdbc, std::int32_t fid,
                        QWidget* owner = nullptr, std::function<void(QString&)> needHelp = {});

// The number of the class's default interface of the designer's kind (application flag empty),
// 0 when it has none.
std::int32_t defaultInterfaceNumber(DesignerKind kind, std::int32_t hdbc, const QString& systemName,
                                    const QString& mainTable, const QString& className);

}  // namespace zelk
