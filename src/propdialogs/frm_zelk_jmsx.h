#pragma once
// "界面属性": the properties of one interface (its INDT row) on three pages. The opener calls init,
// shows it modally and reads EditCancelled: false once OK stored the row, which the database then
// holds. OK without edits writes the row back as it was read.

#include <cstdint>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>

#include "component/records.h"
#include "platform/controls/tabstrip.h"
#include "platform/form.h"
#include "platform/prompts.h"

namespace zelk {

class frm_zelk_jmsx : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_jmsx(QWidget* parent = nullptr);

    void init(std::int32_t hdbc, std::int32_t interfaceId, const QString& systemName);
    // For a user who may only look: no button writes a row, a file or a setting.
    void SetViewOnly(bool viewOnly);
    bool ViewOnly() const { return viewOnly_; }

    bool EditCancelled = true;
    std::int32_t hdbc = 0;
    std::int32_t InterfaceId = 0;
    QString SystemName;

    QLabel* Image1 = nullptr;
    QLabel* LabelTip = nullptr;
    TabStrip* SSTab1 = nullptr;
    // Page 1: properties.
    QLineEdit* Text1 = nullptr;       // number (read only)
    QLabel* Label18 = nullptr;        // version
    QLineEdit* Text2 = nullptr;       // main table (read only)
    QLineEdit* Text3 = nullptr;       // class (read only)
    QComboBox* Combo1 = nullptr;      // kind
    QLineEdit* Text6 = nullptr;       // kind as stored (read only)
    QLineEdit* Text4 = nullptr;       // name
    QPlainTextEdit* Text5 = nullptr;  // description
    // Page 2: appearance.
    QLineEdit* Text7 = nullptr;  // owner
    QPushButton* Command3 = nullptr;
    QLineEdit* Text8 = nullptr;   // application flag
    QCheckBox* Check2 = nullptr;  // "签批处理单界面"
    QLabel* Text11 = nullptr;     // background colour swatch
    QPushButton* Command6 = nullptr;
    QLineEdit* Text12 = nullptr;  // background picture file
    QPushButton* Command7 = nullptr;
    QComboBox* Combo4 = nullptr;  // fill mode
    QLabel* Label9 = nullptr;
    QLabel* Text10 = nullptr;  // sign-off colour swatch
    QPushButton* Command5 = nullptr;
    QCheckBox* Check1 = nullptr;  // auto size
    QLabel* Label7 = nullptr;
    QLineEdit* Text9 = nullptr;  // version (hidden)
    QPushButton* Command4 = nullptr;
    QLabel* Image2 = nullptr;  // picture preview
    // Page 3: report.
    QComboBox* Combo2 = nullptr;  // report names
    QComboBox* Combo3 = nullptr;  // report types, parallel to Combo2
    QLabel* Label15 = nullptr;
    QPushButton* Command1 = nullptr;  // "确定"
    QPushButton* Command2 = nullptr;  // "取消"
    CommonDialog CommonDialog1;

    // The swatches' colours as colour values.
    std::int32_t SignOffColor() const { return text10Color_; }
    std::int32_t BackgroundColor() const { return text11Color_; }
    void setSwatchColor(QLabel* swatch, std::int32_t color);

    void LoadReportList();
    bool SaveInterfaceProperties();
    void Check2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

  protected:
    void Form_Load() override;

  private:
    bool storeChangedProperties(const INDTRecord& edited);
    INDTRecord record_;
    bool found_ = false;
    bool viewOnly_ = false;
    QString readReportName_;
    std::int32_t text10Color_ = 0;
    std::int32_t text11Color_ = 0;
};

// The name as stored: more than 60 characters become the first 57 and "...".
QString shortenedInterfaceName(const QString& name);
// Where a chosen picture goes in the image folder: its own name when no file of that name is
// there or that file has the same content (`copy` false then); otherwise the first free
// "name(n).ext" (`copy` true). A file chosen from the folder itself is never copied.
QString pictureTarget(const QString& chosenPath, const QString& folder, bool& copy);

}  // namespace zelk
