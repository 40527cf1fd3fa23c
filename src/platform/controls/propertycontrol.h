#pragma once
// What the control kinds share above DesignControl, DesignBox and DesignFontControl: the kind's
// own property values as one Props struct (its template defaults in one place, compared whole by
// props()), and one mixin per property that several kinds have with the same meaning and the same
// refusal rule. A kind is declared as
//
//     using DesignLabelBase = PropertyControl<DesignFontControl, LabelProps, CaptionProperty, ...>;
//     class DesignLabel : public DesignLabelBase { Q_OBJECT ... };
//
// (the named base keeps moc and the constructor's initialiser simple), and each mixin keeps its
// value in the Props field of the same name (caption, textAlign, ...).

#include <QPainter>
#include <QString>
#include <cstdint>

#include "platform/controls/designcontrol.h"

namespace zelk {

namespace detail {

// Stores value into field when ok and repaints; the setters' common shape.
template <class T>
bool assign(QWidget* widget, T& field, const T& value, bool ok = true) {
    if (!ok) return false;
    if (!(field == value)) {
        field = value;
        widget->update();
    }
    return true;
}

inline bool isZeroOrOne(int v) {
    return v == 0 || v == 1;
}

}  // namespace detail

// A control kind's own values P on top of its base class B.
template <class B, class P>
class WithProps : public B {
  public:
    using Props = P;
    using B::B;

    const Props& props() const { return p_; }

  protected:
    // Copies what the base has (name, place, font ...) and the kind's own values.
    void copyFrom(const WithProps& other) {
        B::copyBaseFrom(other);
        p_ = other.p_;
        this->update();
    }
    // The template state: the base's (given the array and what the base needs) and Props{}.
    template <class... BaseArgs>
    void reset(DesignArray array, BaseArgs... base) {
        B::resetBase(array, base...);
        p_ = Props{};
        this->update();
    }
    template <class T>
    bool set(T& field, const T& value, bool ok = true) {
        return detail::assign(this, field, value, ok);
    }

    Props p_;
};

namespace detail {
template <class B, template <class> class... Mixins>
struct Stack {
    using type = B;
};
template <class B, template <class> class M, template <class> class... Rest>
struct Stack<B, M, Rest...> : Stack<M<B>, Rest...> {};
}  // namespace detail

// WithProps<B, P> with the mixins stacked on it.
template <class B, class P, template <class> class... Mixins>
using PropertyControl = typename detail::Stack<WithProps<B, P>, Mixins...>::type;

// ----- the shared properties ---------------------------------------------------------------

template <class B>
class CaptionProperty : public B {
  public:
    using B::B;
    QString Caption() const { return this->p_.caption; }
    void setCaption(const QString& caption) { this->set(this->p_.caption, caption); }
};

template <class B>
class TextProperty : public B {
  public:
    using B::B;
    QString Text() const { return this->p_.text; }
    void setText(const QString& text) { this->set(this->p_.text, text); }
};

template <class B>
class AutoSizeProperty : public B {
  public:
    using B::B;
    bool AutoSize() const { return this->p_.autoSize; }
    void setAutoSize(bool on) { this->set(this->p_.autoSize, on); }
};

template <class B>
class WordWrapProperty : public B {
  public:
    using B::B;
    bool WordWrap() const { return this->p_.wordWrap; }
    void setWordWrap(bool on) { this->set(this->p_.wordWrap, on); }
};

template <class B>
class IntegralHeightProperty : public B {
  public:
    using B::B;
    bool IntegralHeight() const { return this->p_.integralHeight; }
    void setIntegralHeight(bool on) { this->set(this->p_.integralHeight, on); }
};

template <class B>
class BackStyleProperty : public B {
  public:
    using B::B;
    // 0 transparent, 1 opaque.
    int BackStyle() const { return this->p_.backStyle; }
    bool setBackStyle(int style) {
        return this->set(this->p_.backStyle, style, detail::isZeroOrOne(style));
    }

  protected:
    // Fills rect with BackColor unless transparent.
    void paintBack(QPainter& painter, const QRect& rect) const {
        if (this->p_.backStyle == 1) painter.fillRect(rect, oleColorToQColor(this->BackColor()));
    }
};

template <class B>
class BorderStyleProperty : public B {
  public:
    using B::B;
    // 0 none, 1 single. The forms kinds draw the single border as a line in BorderColor instead
    // of their SpecialEffect; the others draw it flat or 3-D as Appearance says.
    int BorderStyle() const { return this->p_.borderStyle; }
    bool setBorderStyle(int style) {
        return this->set(this->p_.borderStyle, style, detail::isZeroOrOne(style));
    }
};

template <class B>
class BorderColorProperty : public B {
  public:
    using B::B;
    std::int32_t BorderColor() const { return this->p_.borderColor; }
    bool setBorderColor(std::int32_t color) {
        return this->set(this->p_.borderColor, color, isValidOleColor(color));
    }
};

template <class B>
class SpecialEffectProperty : public B {
  public:
    using B::B;
    // 0, 1, 2, 3 or 6.
    int SpecialEffect() const { return this->p_.specialEffect; }
    bool setSpecialEffect(int effect) {
        return this->set(this->p_.specialEffect, effect, isValidSpecialEffect(effect));
    }
};

template <class B>
class TextAlignProperty : public B {
  public:
    using B::B;
    // 1 left, 2 centre, 3 right.
    int TextAlign() const { return this->p_.textAlign; }
    bool setTextAlign(int align) {
        return this->set(this->p_.textAlign, align, isValidTextAlign(align));
    }
};

// 0 flat, 1 three-dimensional.
template <class B>
class AppearanceProperty : public B {
  public:
    using B::B;
    int Appearance() const { return this->p_.appearance; }
    bool setAppearance(int appearance) {
        return this->set(this->p_.appearance, appearance, detail::isZeroOrOne(appearance));
    }
};

// Locked and TabStop: stored for the running form; the design view paints the same either way.
template <class B>
class InputProperties : public B {
  public:
    using B::B;
    bool Locked() const { return this->p_.locked; }
    void setLocked(bool on) { this->set(this->p_.locked, on); }
    bool TabStop() const { return this->p_.tabStop; }
    void setTabStop(bool on) { this->set(this->p_.tabStop, on); }
};

// What the text box and the combo box share when text is typed into them.
template <class B>
class TextEntryProperties : public B {
  public:
    using B::B;
    // 0 = no limit; negative refused.
    std::int32_t MaxLength() const { return this->p_.maxLength; }
    bool setMaxLength(std::int32_t length) {
        return this->set(this->p_.maxLength, length, length >= 0);
    }
    // 0 select all, 1 recall selection.
    int EnterFieldBehavior() const { return this->p_.enterFieldBehavior; }
    bool setEnterFieldBehavior(int behavior) {
        return this->set(this->p_.enterFieldBehavior, behavior, detail::isZeroOrOne(behavior));
    }
};

// ----- groups ------------------------------------------------------------------------------

// The border a forms control paints (detail::paintFormsBorder).
template <class B>
using FormsBorderProperties = SpecialEffectProperty<BorderColorProperty<BorderStyleProperty<B>>>;

// What the forms text box and combo box share, over FormsTextProps.
template <class B>
using FormsTextProperties = TextEntryProperties<
    InputProperties<TextAlignProperty<FormsBorderProperties<BackStyleProperty<TextProperty<B>>>>>>;

struct FormsTextProps {
    QString text;
    int backStyle = 1;
    int borderStyle = 0;
    std::int32_t borderColor = SysColor::WindowFrame;
    int specialEffect = 2;
    int textAlign = 1;
    bool locked = false;
    std::int32_t maxLength = 0;
    bool tabStop = true;
    int enterFieldBehavior = 0;
    bool operator==(const FormsTextProps&) const = default;
};

}  // namespace zelk
