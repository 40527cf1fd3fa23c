#pragma once
// The frame every item property dialog is built on: the window "属性" with its banner, the tab
// control SSTab1 and its pages, the controls of the text-box dialog named and indexed as the
// original named them, the colour buttons, OK and Cancel, and the exchange through public
// variables. A dialog is this frame plus its design (banner, captions, size, controls it hides,
// shows, moves or adds) and its table of rows.
//
// The exchange: the caller assigns the variables, calls LoadAllProperties, shows the dialog
// modally and, when Cancelled is false afterwards, reads the variables back. Cancel and the
// close box return nothing. OK refuses, with a message, an entry order or font size that is no
// number in range; the dialog then stays open and nothing is written.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/controlarray.h"
#include "platform/controls/imagelist.h"
#include "platform/controls/keyedtoolbar.h"
#include "platform/controls/tabstrip.h"
#include "platform/form.h"
#include "platform/prompts.h"
#include "propdialogs/propertyrows.h"
#include "propdialogs/propertytextbox.h"

namespace zelk {

// A control's place: page 1.. of SSTab1, or 0 for the window below the pages; twips.
struct ControlPlace {
    const char* control;  // "Check4", "Text1(24)", "Label3(1)"
    int page;
    int left, top, width, height;
};

struct ControlCaption {
    const char* control;
    const char* caption;
};

// How a dialog differs from the text-box dialog.
struct PropertyDialogDesign {
    const char* className;
    const char* banner;  // the title label Label2
    int width = 5775;    // client area, twips
    int height = 4350;
    const char* labelArray = "Label1";  // the caption labels' array name
    const char* applyBox = "Check9";    // nullptr: no apply box
    int pages = 5;                      // 4: no page "数据特性"; 6: with "审批特性设置"
    bool verticalAlign = false;         // the toolbar's second group (top, middle, bottom)
    std::vector<ControlCaption> captions = {};
    std::vector<const char*> removed = {};  // frame controls the dialog does not have
    std::vector<const char*> hidden = {};   // hidden at every load, beyond the frame's own
    std::vector<const char*> shown = {};    // frame controls hidden by the frame but shown here
    std::vector<ControlPlace> places = {};  // the dialog's own controls and moved frame controls
};

class ItemPropertyDialog : public Form {
    Q_OBJECT
  public:
    bool Cancelled = true;

    // The banner.
    QWidget* Picture1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    TabStrip* SSTab1 = nullptr;
    ControlArray<QLabel> Label1;
    ControlArray<PropertyTextBox> Text1;
    ControlArray<QComboBox> ComboBox1;
    QCheckBox* Check1 = nullptr;      // "隐藏"
    QCheckBox* Check2 = nullptr;      // "无效"
    QCheckBox* Check3 = nullptr;      // "只读"
    QCheckBox* Check4 = nullptr;      // "自动栏目切换"
    QCheckBox* Check5 = nullptr;      // "自动大小"
    QCheckBox* Check6 = nullptr;      // "文本自动选择"
    QCheckBox* Check7 = nullptr;      // "边框"
    QCheckBox* Check8 = nullptr;      // "背景不透明"
    QCheckBox* Check9 = nullptr;      // the apply box below the pages
    QPushButton* Command1 = nullptr;  // colour of Text1(13)
    QPushButton* Command2 = nullptr;  // colour of Text1(16)
    QPushButton* Command3 = nullptr;  // colour of Text1(18)
    QPushButton* Command4 = nullptr;  // "确定"
    QPushButton* Command5 = nullptr;  // "取消"
    KeyedToolbar* Toolbar1 = nullptr;
    ImageList ImageList1;
    QLineEdit* Text2 = nullptr;  // the font preview
    CommonDialog CommonDialog1;

    // Copies the variables into the controls (loading the window first) and sets Cancelled.
    void LoadAllProperties();
    // Disables the controls of `variables`, whose values the caller keeps nowhere, and any page
    // left with nothing to edit.
    void disableValues(const QStringList& variables);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    // A control by its name as the design names it: "Check4", "Text1(8)", "label1(20)"; nullptr
    // when the dialog has none.
    QWidget* control(const QString& name) const;
    // The box of ApplyToSameKind, nullptr when the dialog has none.
    QCheckBox* applyBox() const;
    const PropertyRows& rows() const { return rows_; }

  protected:
    ItemPropertyDialog(const PropertyDialogDesign& design, QWidget* parent);

    // The dialog's constructor calls these last: its own controls are made and placed by then.
    void applyDesign();
    void setRows(PropertyRows rows) { rows_ = std::move(rows); }
    QWidget* page(int number) const;  // 1-based; the window for 0

    void Form_Load() override;
    // Copies the controls back into the variables; false (nothing written) when a number
    // cannot be read: the message is shown and its box focused.
    bool SaveAllProperties();

  private:
    void buildFrame();
    void connectHandlers();
    void pickColour(PropertyTextBox& swatch);
    void place(QWidget* widget, int pageNumber, int left, int top, int width, int height);

    const PropertyDialogDesign& design_;
    PropertyRows rows_;
};

}  // namespace zelk
