#include "platform/controls/keyedtoolbar.h"

#include <algorithm>

#include "platform/controls/imagelist.h"
#include "platform/errors.h"

namespace zelk {

int ToolbarButton::Index() const {
    const auto& all = bar_->buttons_;
    const auto it = std::find(all.begin(), all.end(), this);
    return it == all.end() ? 0 : static_cast<int>(it - all.begin()) + 1;
}

void ToolbarButton::SetCaption(const QString& caption) {
    action_->setText(caption);
    // An empty caption must not fall back to the tool tip or the icon text.
    action_->setIconText(caption);
}

void ToolbarButton::SetImage(int index) {
    image_ = index;
    const ImageList* list = bar_->images_;
    action_->setIcon(list && index ? list->Icon(index) : QIcon());
}

void ToolbarButton::SetImage(const QString& key) {
    SetImage(bar_->images_ ? bar_->images_->IndexOf(key) : 0);
}

void ToolbarButton::SetValue(bool pressed) {
    if (!action_->isCheckable()) return;
    action_->setChecked(pressed);
    if (pressed && style_ == ButtonStyle::ButtonGroup) bar_->releaseGroup(this);
}

KeyedToolbar::KeyedToolbar(QWidget* parent) : QToolBar(parent) {
    setMovable(false);
    setFloatable(false);
    SetTextAlignment(TextAlign::Bottom);
}

KeyedToolbar::~KeyedToolbar() {
    for (ToolbarButton* b : buttons_) delete b;
}

ToolbarButton* KeyedToolbar::Add(int index, const QString& key, const QString& caption,
                                 ButtonStyle style, int image) {
    if (index < 0 || index > Buttons() + 1)
        throw ZelkError(QStringLiteral("Buttons"), QStringLiteral("Index out of bounds"),
                        kErrIndexOutOfBounds);
    if (Button(key))
        throw ZelkError(QStringLiteral("Buttons"),
                        QStringLiteral("Key is not unique in collection"), kErrKeyNotUnique);
    const int at = index == 0 ? Buttons() : index - 1;
    QAction* before = at < Buttons() ? buttons_[at]->action_ : nullptr;
    QAction* action = nullptr;
    if (style == ButtonStyle::Separator) {
        action = insertSeparator(before);
    } else if (style == ButtonStyle::Placeholder) {
        auto* space = new QWidget(this);
        space->setFixedWidth(8);
        action = insertWidget(before, space);
    } else {
        action = new QAction(this);
        insertAction(before, action);
        action->setCheckable(style == ButtonStyle::Check || style == ButtonStyle::ButtonGroup);
    }
    auto* button = new ToolbarButton(this, action, key, style);
    buttons_.insert(buttons_.begin() + at, button);
    if (style != ButtonStyle::Separator && style != ButtonStyle::Placeholder) {
        button->SetCaption(caption);
        button->SetImage(image);
        connect(action, &QAction::triggered, this, [this, button] { triggered(button); });
    }
    return button;
}

ToolbarButton* KeyedToolbar::Button(int index) const {
    return index >= 1 && index <= Buttons() ? buttons_[index - 1] : nullptr;
}

ToolbarButton* KeyedToolbar::Button(const QString& key) const {
    if (key.isEmpty()) return nullptr;
    for (ToolbarButton* b : buttons_)
        if (b->key_ == key) return b;
    return nullptr;
}

void KeyedToolbar::Clear() {
    for (ToolbarButton* b : buttons_) {
        removeAction(b->action_);
        delete b->action_;
        delete b;
    }
    buttons_.clear();
}

void KeyedToolbar::SetImageList(const ImageList* list) {
    images_ = list;
    for (ToolbarButton* b : buttons_)
        if (b->action_->isSeparator() == false) b->SetImage(b->image_);
}

void KeyedToolbar::SetTextAlignment(TextAlign align) {
    switch (align) {
        case TextAlign::Bottom:
            setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            break;
        case TextAlign::Right:
            setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            break;
        case TextAlign::None:
            setToolButtonStyle(Qt::ToolButtonIconOnly);
            break;
    }
}

void KeyedToolbar::Click(ToolbarButton* button) {
    if (!button || button->style_ == ButtonStyle::Separator ||
        button->style_ == ButtonStyle::Placeholder || !button->Enabled() || !button->Visible())
        return;
    button->action_->trigger();
}

void KeyedToolbar::triggered(ToolbarButton* button) {
    if (button->style_ == ButtonStyle::ButtonGroup) {
        // A click never releases a pressed group button; it releases the others.
        button->action_->setChecked(true);
        releaseGroup(button);
    }
    emit ButtonClick(button);
}

void KeyedToolbar::releaseGroup(ToolbarButton* pressed) {
    const int at = pressed->Index() - 1;
    for (int i = at - 1; i >= 0 && buttons_[i]->style_ == ButtonStyle::ButtonGroup; --i)
        buttons_[i]->action_->setChecked(false);
    for (int i = at + 1; i < Buttons() && buttons_[i]->style_ == ButtonStyle::ButtonGroup; ++i)
        buttons_[i]->action_->setChecked(false);
}

}  // namespace zelk
