#pragma once
// The progress bar. Min, Max and Value as the original had them; a value outside Min..Max is
// clamped into it (the original refused it with an error; the bar never throws).

#include <QProgressBar>

namespace zelk {

class ProgressBar : public QProgressBar {
    Q_OBJECT
  public:
    explicit ProgressBar(QWidget* parent = nullptr);

    int Min() const { return minimum(); }
    void SetMin(int value);
    int Max() const { return maximum(); }
    void SetMax(int value);
    int Value() const { return value(); }
    void SetValue(int value);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool on) { smooth_ = on; }

  private:
    bool smooth_ = false;
};

}  // namespace zelk
