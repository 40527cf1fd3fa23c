#pragma once
// The status bar: either one simple text across the bar, or panels numbered from 1.
// Lookups by a bad index return nullptr; setters never throw.

#include <QLabel>
#include <QStatusBar>
#include <QString>
#include <vector>

namespace zelk {

enum class PanelAutoSize { None = 0, Spring = 1, Contents = 2 };

class StatusPanel {
  public:
    int Index() const { return index_; }
    QString Key() const { return key_; }
    QString Text() const { return label_->text(); }
    void SetText(const QString& text) { label_->setText(text); }
    double Width() const { return width_; }  // twips
    void SetWidth(double twips);
    PanelAutoSize AutoSize() const { return autoSize_; }
    void SetAutoSize(PanelAutoSize mode);
    QLabel* label() const { return label_; }

  private:
    friend class StatusBar;
    StatusPanel(int index, QString key, QLabel* label) : index_(index), key_(key), label_(label) {}
    void apply();
    int index_;
    QString key_;
    QLabel* label_;
    double width_ = 1440;
    PanelAutoSize autoSize_ = PanelAutoSize::None;
};

class StatusBar : public QStatusBar {
    Q_OBJECT
  public:
    explicit StatusBar(QWidget* parent = nullptr);
    ~StatusBar() override;

    // Simple mode shows SimpleText instead of the panels. The bar starts in panel mode with no
    // panels.
    bool Simple() const { return simple_; }
    void SetSimple(bool on);
    QString SimpleText() const { return simpleLabel_->text(); }
    void SetSimpleText(const QString& text) { simpleLabel_->setText(text); }

    StatusPanel* AddPanel(const QString& key = {}, const QString& text = {},
                          double widthTwips = 1440, PanelAutoSize autoSize = PanelAutoSize::None);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    StatusPanel* Panel(int index) const;  // 1-based; nullptr when out of range
    StatusPanel* Panel(const QString& key) const;
    void ClearPanels();

  private:
    bool simple_ = false;
    QLabel* simpleLabel_;
    std::vector<StatusPanel*> panels_;
};

}  // namespace zelk
