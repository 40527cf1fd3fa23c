#pragma once
// The host's own window, for showing the component's main window inside it: it tells its
// owner when its size changes (in twips, as the component takes sizes) and when it closes.

#include <QWidget>

namespace zelk::host {

class HostWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HostWindow(QWidget* parent = nullptr);

  signals:
    void resized(float widthTwips, float heightTwips);
    void closed();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace zelk::host
