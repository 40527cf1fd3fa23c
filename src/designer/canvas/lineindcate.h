#pragma once
// The end-point handles of the current line: "pic10" on its start, "pic20" on its end ("pic30"
// is made but never shown). Dragging a handle with the left button raises onSizeLT / onSizeRB
// with the handle's new centre, in twips of the container.

#include <QObject>
#include <QPointer>
#include <QString>

#include "platform/controls/designpicturebox.h"

namespace zelk {

class LineIndcate : public QObject {
    Q_OBJECT
  public:
    explicit LineIndcate(QObject* parent = nullptr) : QObject(parent) {}

    // Creates the three handles (hidden, 90 by 90 twips) inside `container` and keeps `form`.
    void init(QWidget* form, QWidget* container);
    void CatchRect(float x1, float y1, float x2, float y2);
    void ShowIndcates();
    void HideIndcates();

    void onIndcatesMouseDown(const QString& name, int button, int shift, float x, float y);
    void onIndcatesMouseMove(const QString& name, int button, int shift, float x, float y);
    void onIndcatesMouseUp(const QString& name, int button, int shift, float x, float y);
    // Whether a handle is being dragged; ends such a drag where it stands.
    bool dragging() const { return dragging_[0] || dragging_[1] || dragging_[2]; }
    void cancelDrag() { dragging_[0] = dragging_[1] = dragging_[2] = false; }

    DesignPictureBox* pic10() const { return handles_[0]; }
    DesignPictureBox* pic20() const { return handles_[1]; }
    DesignPictureBox* pic30() const { return handles_[2]; }

  signals:
    void onSizeLT(std::int32_t& x, std::int32_t& y);
    void onSizeRB(std::int32_t& x, std::int32_t& y);
    void onSizeLTRB(std::int32_t& x1, std::int32_t& y1, std::int32_t& x2, std::int32_t& y2);

  private:
    int handleOf(const QString& name) const;
    void place(int handle, float x, float y);
    QPointer<QWidget> form_;
    QPointer<DesignPictureBox> handles_[3];
    bool dragging_[3] = {false, false, false};
    float pressX_ = 0;
    float pressY_ = 0;
};

}  // namespace zelk
