#pragma once
// The splitter: panes side by side (or one above the other) with bars the user drags. Sizes in
// twips. A fixed pane keeps its size when the splitter is resized or re-laid out; the others
// share the change in proportion to their sizes. Panes are numbered from 1; a bad number is
// ignored by the setters and gives 0 or nullptr.

#include <QSplitter>
#include <vector>

namespace zelk {

class Splitter : public QSplitter {
    Q_OBJECT
  public:
    explicit Splitter(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

    // Appends a pane (the splitter takes the widget) of the given size along the splitter.
    void AddPane(QWidget* widget, double sizeTwips);
    int PaneCount() const { return count(); }
    QWidget* Pane(int index) const;
    // A fixed pane's size as set; another pane's size as shown (as set until laid out).
    double PaneSize(int index) const;
    void SetPaneSize(int index, double twips);
    bool PaneFixed(int index) const;
    void SetPaneFixed(int index, bool on);
    double SplitterBarWidth() const;
    void SetSplitterBarWidth(double twips);

    // Re-fits the panes to the splitter's current size (fixed panes keep theirs).
    void Relayout();
    // Resizes the splitter (twips) and re-fits its panes.
    void ResizeTwips(double width, double height);

  signals:
    // The user moved a bar.
    void PaneResize();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fit(int total);
    std::vector<double> sizes_;  // twips, as set or as the user left them
    std::vector<bool> fixed_;
    bool fitting_ = false;
};

}  // namespace zelk
