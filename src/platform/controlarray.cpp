#include "platform/controlarray.h"

namespace zelk {

QString controlName(const QObject* control) {
    return control ? control->property("ControlName").toString() : QString();
}

int controlIndex(const QObject* control) {
    if (!control) return -1;
    const QVariant v = control->property("ControlIndex");
    return v.isValid() ? v.toInt() : -1;
}

void setControlNameAndIndex(QObject* control, const QString& name, int index) {
    control->setProperty("ControlName", name);
    control->setProperty("ControlIndex", index);
    control->setObjectName(name);
}

void copyWidgetProperties(QWidget& target, const QWidget& source) {
    target.setGeometry(source.geometry());
    target.setFont(source.font());
    target.setPalette(source.palette());
    target.setAutoFillBackground(source.autoFillBackground());
    target.setEnabled(source.isEnabled());
    target.setToolTip(source.toolTip());
    target.setStyleSheet(source.styleSheet());
    target.setSizePolicy(source.sizePolicy());
    if (source.testAttribute(Qt::WA_SetCursor)) target.setCursor(source.cursor());
    target.setFocusPolicy(source.focusPolicy());
}

}  // namespace zelk
