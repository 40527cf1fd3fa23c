#pragma once
// Design controls: the controls that stand on a designer's canvas, one class per kind of control
// the original forms offered. Each keeps its properties as a model that is the truth (writers read
// the properties, never the widget's pixel geometry) and paints itself from them. Geometry is in
// twips as floating point and is shown at round(twips / 15) pixels relative to the canvas.
//
// A setter that can refuse a value returns false and keeps the old value; none throws.
//
// Mouse: the controls are not interactive. They ignore every mouse event, so a press on a control
// reaches its parent (the canvas) like any unhandled event; a designer that needs to know the
// control under the mouse uses QWidget::childAt() on the canvas or installs an event filter on the
// control. Keyboard focus is never taken.

#include <QString>
#include <QWidget>
#include <cstdint>

#include "platform/controls/olecolor.h"
#include "platform/twips.h"

namespace zelk {

// The control class of a design control.
enum class ControlType {
    Label,
    TextBox,
    CheckBox,
    ComboBox,
    ListBox,
    Frame,
    PictureBox,
    Line,
    PlainTextBox,
};

// The designers' control arrays, numbered as the control kind they hold.
enum class DesignArray {
    LabelArray = 1,
    TextBoxArray = 2,
    CheckBoxArray = 3,
    ComboBoxArray = 4,
    DatePickerArray = 5,
    ListBoxArray = 6,
    ShapeArray = 7,
    FrameArray = 8,
    LineArray = 9,
    MemoBoxArray = 10,
    MMXArray = 11,
    ChildTableArray = 12,
    PostilArray = 13,
};

// "LabelArray", "TextBoxArray", ...
QString designArrayName(DesignArray array);

// What every design control has: name and index in its array, Tag, ToolTipText, Enabled,
// Visible (the widget's own) and the stacking order.
class DesignControl : public QWidget {
    Q_OBJECT
  public:
    explicit DesignControl(QWidget* parent = nullptr);

    virtual ControlType controlType() const = 0;

    // Sets every property to the template (element 0) value of the given array.
    virtual void applyTemplate(DesignArray array) = 0;

    // The array's name ("TextBoxArray") and the element's index in it.
    QString Name() const { return objectName(); }
    void setName(const QString& name) { setObjectName(name); }
    int Index() const { return index_; }
    void setIndex(int index) { index_ = index; }

    QString Tag() const { return common_.tag; }
    void setTag(const QString& tag) { common_.tag = tag; }
    // Labels keep their vertical alignment here, frames and text boxes the prompt text.
    QString ToolTipText() const { return common_.toolTipText; }
    void setToolTipText(const QString& text) { common_.toolTipText = text; }

    // Enabled is the model's value and changes only the painting: the widget itself stays
    // enabled so that disabling the canvas (during a save) never changes what is stored.
    bool Enabled() const { return common_.enabled; }
    void setEnabled(bool enabled);

    // Visible is the widget's own visibility as the control sets it (true even while the canvas
    // itself is not shown). Use QWidget::setVisible / show / hide to change it.
    bool Visible() const { return !isHidden(); }

    // 0 brings the control to the front, 1 sends it to the back.
    void ZOrder(int position = 0);

  protected:
    struct Common {
        QString tag;
        QString toolTipText;
        bool enabled = true;
    };
    // Copies what every control has (name too; index and visibility stay). Each base class
    // below extends it with what it adds.
    void copyBaseFrom(const DesignControl& other);
    // Template state of what every control has: no tag, no tooltip, enabled, the array's name.
    void resetBase(DesignArray array);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    Common common_;
    int index_ = 0;
};

// A control placed by a rectangle: Left, Top, Width, Height in twips.
class DesignBox : public DesignControl {
    Q_OBJECT
  public:
    explicit DesignBox(QWidget* parent = nullptr);

    double Left() const { return box_.left; }
    double Top() const { return box_.top; }
    double Width() const { return box_.width; }
    double Height() const { return box_.height; }
    bool setLeft(double left);
    bool setTop(double top);
    // A negative or non-finite size is refused.
    bool setWidth(double width);
    bool setHeight(double height);
    // Moves and sizes at once; refused as a whole when any value is refused.
    bool Move(double left, double top, double width, double height);
    bool Move(double left, double top);

  protected:
    void copyBaseFrom(const DesignBox& other);
    // Template geometry: at 0,0 with the given size in twips.
    void resetBase(DesignArray array, double width, double height);

  private:
    struct Box {
        double left = 0;
        double top = 0;
        double width = 0;
        double height = 0;
    };
    void setBox(const Box& box);
    Box box_;
};

// A boxed control with a font, a fore colour and a back colour.
// The largest font size, in points, a design control takes.
inline constexpr int kMaxFontPoints = 2160;

class DesignFontControl : public DesignBox {
    Q_OBJECT
  public:
    explicit DesignFontControl(QWidget* parent = nullptr);

    // Any text is taken; a name that is not installed is painted with a fallback (displayFont).
    QString FontName() const { return font_.name; }
    bool setFontName(const QString& name);
    // Points; refused unless above 0 and at most 2160.
    double FontSize() const { return font_.size; }
    bool setFontSize(double points);
    bool FontBold() const { return font_.bold; }
    void setFontBold(bool on);
    bool FontItalic() const { return font_.italic; }
    void setFontItalic(bool on);
    bool FontUnderline() const { return font_.underline; }
    void setFontUnderline(bool on);
    bool FontStrikethru() const { return font_.strikethru; }
    void setFontStrikethru(bool on);

    std::int32_t ForeColor() const { return font_.foreColor; }
    bool setForeColor(std::int32_t color);
    std::int32_t BackColor() const { return font_.backColor; }
    bool setBackColor(std::int32_t color);

    // The font the control paints with.
    QFont displayedFont() const;

  protected:
    void copyBaseFrom(const DesignFontControl& other);
    // Template font "宋体" 9 points with the given colours.
    void resetBase(DesignArray array, double width, double height, std::int32_t foreColor,
                   std::int32_t backColor);

    // Shared painting helpers.
    QColor foreground() const;  // grey while not Enabled
    void paintText(class QPainter& painter, const QRect& rect, const QString& text, int textAlign,
                   bool wordWrap, bool vCentre) const;

  private:
    struct FontProps {
        QString name;
        double size = 9;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikethru = false;
        std::int32_t foreColor = SysColor::WindowText;
        std::int32_t backColor = SysColor::Window;
    };
    FontProps font_;
};

// The 3-D edges of the forms' SpecialEffect codes (0 flat, 1 raised, 2 sunken, 3 etched, 6 bump)
// and the valid values of the shared codes.
bool isValidSpecialEffect(int effect);
void paintSpecialEffect(class QPainter& painter, const QRect& rect, int effect);
// 1 left, 2 centre, 3 right.
bool isValidTextAlign(int align);
// Flag for QPainter::drawText of a TextAlign code.
int textAlignFlag(int align);

}  // namespace zelk
