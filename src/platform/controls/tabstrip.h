#pragma once
// The tab control with pages: each tab owns a page widget on which a window puts its controls
// (placed in twips relative to the page). Tabs are numbered from 0, as the original numbered
// them. A bad tab number is ignored by the setters and gives an empty value or nullptr.

#include <QString>
#include <QTabWidget>

namespace zelk {

class TabStrip : public QTabWidget {
    Q_OBJECT
  public:
    explicit TabStrip(QWidget* parent = nullptr);

    // Number of tabs; growing adds empty pages captioned "Tab n", shrinking drops the last.
    int Tabs() const { return count(); }
    void SetTabs(int n);
    // Appends a tab and returns its page.
    QWidget* AddTab(const QString& caption);

    // The current tab (0-based). Setting it raises Click with the tab left.
    int Tab() const { return currentIndex(); }
    void SetTab(int tab);
    QString TabCaption(int tab) const;
    void SetTabCaption(int tab, const QString& caption);
    bool TabVisible(int tab) const;
    // Hiding the current tab moves the current tab to the next visible one.
    void SetTabVisible(int tab, bool on);
    bool TabEnabled(int tab) const;
    void SetTabEnabled(int tab, bool on);
    QWidget* page(int tab) const;

  signals:
    // The current tab changed (user or SetTab); previousTab is the tab left, -1 for none.
    void Click(int previousTab);

  private:
    int previous_ = -1;
};

}  // namespace zelk
