#pragma once
// Opening a form designer for one interface: the designer is created, given init(hdbc, fid),
// shown modally and destroyed when it has closed. Its help requests go to `needHelp`.

#include <cstdint>
#include <functional>

#include <QString>
#include <QWidget>

namespace zelk {

enum class DesignerKind { ItemEntry, ItemSearch };

void ShowDesignerWindow(DesignerKind kind, std::int32_t hdbc, std::int32_t fid,
                        QWidget* owner = nullptr, std::function<void(QString&)> needHelp = {});

}  // namespace zelk
