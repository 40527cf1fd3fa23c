#include "host/hostwindow.h"

#include <QCloseEvent>
#include <QResizeEvent>

#include "platform/twips.h"

namespace zelk::host {

HostWindow::HostWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("HostWindow"));
    setWindowTitle(QStringLiteral("zelk"));
    setFocusPolicy(Qt::StrongFocus);
    resize(720, 520);
}

void HostWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized(static_cast<float>(pixelsToTwips(event->size().width())),
                 static_cast<float>(pixelsToTwips(event->size().height())));
}

void HostWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

}  // namespace zelk::host
