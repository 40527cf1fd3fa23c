#pragma once
// A selection frame: eight small handles around a rectangle of the container (twips) and a ninth,
// hidden "move" handle at its centre. A drag through a handle draws an inverted outline on the
// screen (pixels, 15 twips each) and, on release, raises onSize with the new rectangle in twips.
// Style 0 handles are blue and take the mouse; style 1 handles are white and let a press through
// to the container underneath.

#include <array>
#include <cstdint>

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include "platform/controls/designpicturebox.h"

namespace zelk {

class IndcateEx : public QObject {
    Q_OBJECT
  public:
    explicit IndcateEx(QObject* parent = nullptr) : QObject(parent) {}
    ~IndcateEx() override;

    // Keeps the key, the style and the prefix, then creates the handles inside `container`
    // (hidden). A style other than 0 or 1 creates none.
    void init(QWidget* form, QWidget* container, const QString& prefix, const QString& key,
              int style);
    QString HandlePrefix() const { return prefix_; }
    QString OwnerKey() const { return key_; }
    int FrameStyle() const { return style_; }
    // The name of the hidden move handle: HandlePrefix followed by "09".
    QString moveHandleName() const { return prefix_ + QStringLiteral("09"); }

    // Places the nine handles around the rectangle and shows 01 to 08.
    void CatchRect(float left, float top, float right, float bottom);
    void ShowIndcates();
    void HideIndcates();
    // Destroys the nine handles; the frame is then only good for releasing.
    void RemoveIndcates();

    // The drag protocol; (x, y) in twips of the control that received the press.
    void onIndcatesMouseDown(const QString& name, int button, int shift, float x, float y);
    void onIndcatesMouseMove(const QString& name, int button, int shift, float x, float y);
    void onIndcatesMouseUp(const QString& name, int button, int shift, float x, float y);
    // A drag whose release never came: its outline goes, the handles come back, nothing is raised.
    void cancelDrag();

    // Handle k (1 to 9), or nullptr once removed.
    DesignPictureBox* handle(int k) const;
    // left, top, right, bottom in twips.
    std::array<std::int32_t, 4> CaughtRect() const { return caught_; }
    bool Armed() const { return armed_; }

  signals:
    void onSize(std::int32_t& left, std::int32_t& top, std::int32_t& right, std::int32_t& bottom);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateHandles(QWidget* form, QWidget* container);
    void PlaceHandle(DesignPictureBox* handle, float x, float y);
    int handleNumber(const QString& name) const;
    void drawOutline() const;
    void letGoOfMouse();

    QPointer<QWidget> form_;
    QPointer<QWidget> container_;
    QString prefix_;
    QString key_;
    int style_ = 0;
    std::array<QPointer<DesignPictureBox>, 9> handles_{};
    std::array<std::int32_t, 4> caught_{};
    QRect startScreen_;  // left, top, right, bottom as QRect(QPoint, QPoint) corners
    QRect dragScreen_;
    float grabX_ = 0;
    float grabY_ = 0;
    bool armed_ = false;
    bool frameUndrawn_ = false;
    // The handle a press took: it hides, so the container holds the mouse until the release.
    QPointer<DesignPictureBox> pressed_;
    bool holdingMouse_ = false;
};

}  // namespace zelk
