#pragma once
// The keyed toolbar with images: buttons numbered from 1, looked up by key, showing images of an
// image list. Check buttons toggle; adjacent button-group buttons form a group in which pressing
// one releases the others; a group may have none pressed (set by code), but a user's click on a
// pressed group button leaves it pressed.
// Lookups by a bad index or key return nullptr; setters never throw. Add with a key that is
// already taken throws ZelkError 35602, at an index beyond the end 35600, as the original did.

#include <QAction>
#include <QString>
#include <QToolBar>
#include <utility>
#include <vector>

#include "platform/controls/collectionerrors.h"

namespace zelk {

class ImageList;
class KeyedToolbar;

enum class ButtonStyle { Default = 0, Check = 1, ButtonGroup = 2, Separator = 3, Placeholder = 4 };

class ToolbarButton {
  public:
    int Index() const;
    QString Key() const { return key_; }
    QString Caption() const { return action_->text(); }
    void SetCaption(const QString& caption);
    QString ToolTipText() const { return action_->toolTip(); }
    void SetToolTipText(const QString& text) { action_->setToolTip(text); }
    // The second, longer text a button carries (not shown).
    QString Description() const { return description_; }
    void SetDescription(const QString& text) { description_ = text; }
    ButtonStyle Style() const { return style_; }
    // Index into the toolbar's image list (0 for none).
    int Image() const { return image_; }
    void SetImage(int index);
    void SetImage(const QString& key);
    // Pressed (check and group buttons). Pressing a group button releases the rest of its group.
    bool Value() const { return action_->isChecked(); }
    void SetValue(bool pressed);
    bool Enabled() const { return action_->isEnabled(); }
    void SetEnabled(bool on) { action_->setEnabled(on); }
    bool Visible() const { return action_->isVisible(); }
    void SetVisible(bool on) { action_->setVisible(on); }
    QString Tag() const { return tag_; }
    void SetTag(const QString& tag) { tag_ = tag; }
    QAction* action() const { return action_; }

  private:
    friend class KeyedToolbar;
    ToolbarButton(KeyedToolbar* bar, QAction* action, QString key, ButtonStyle style)
        : bar_(bar), action_(action), key_(std::move(key)), style_(style) {}
    KeyedToolbar* bar_;
    QAction* action_;
    QString key_;
    ButtonStyle style_;
    QString description_;
    QString tag_;
    int image_ = 0;
};

class KeyedToolbar : public QToolBar {
    Q_OBJECT
  public:
    explicit KeyedToolbar(QWidget* parent = nullptr);
    ~KeyedToolbar() override;

    // index 0 appends; 1..Buttons()+1 inserts there.
    ToolbarButton* Add(int index = 0, const QString& key = {}, const QString& caption = {},
                       ButtonStyle style = ButtonStyle::Default, int image = 0);
    int Buttons() const { return static_cast<int>(buttons_.size()); }
    ToolbarButton* Button(int index) const;  // 1-based; nullptr when out of range
    ToolbarButton* Button(const QString& key) const;
    void Clear();
    void SetImageList(const ImageList* list);
    const ImageList* ImageListPtr() const { return images_; }

    enum class TextAlign { Bottom = 0, Right = 1, None = 2 };  // None: images only
    void SetTextAlignment(TextAlign align);

    // Clicks a button the way the user does (toggling, group release, ButtonClick). Does nothing
    // for a disabled, hidden, separator or placeholder button.
    void Click(ToolbarButton* button);
    void Click(const QString& key) { Click(Button(key)); }
    void Click(int index) { Click(Button(index)); }

  signals:
    void ButtonClick(zelk::ToolbarButton* button);

  private:
    friend class ToolbarButton;
    void triggered(ToolbarButton* button);
    void releaseGroup(ToolbarButton* pressed);
    std::vector<ToolbarButton*> buttons_;
    const ImageList* images_ = nullptr;
};

}  // namespace zelk
