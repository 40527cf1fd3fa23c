#pragma once
// "更改子表分类": the class of a sub-table item of an item-entry form (ISIT ii28), typed or picked
// in the class tree of the item's sub-table. The version number is left as it is.

#include <cstdint>
#include <memory>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "component/records.h"
#include "platform/form.h"

namespace zelk {

class ClassTree;

class frm_zelk_zbfl : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_zbfl(QWidget* parent = nullptr);
    ~frm_zelk_zbfl() override;

    // An item that is not found leaves ItemFound false: the dialog is not to be shown.
    void init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
              const QString& username, std::int32_t itemId);

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;  // the class
    QLabel* Label3 = nullptr;
    QWidget* Picture1 = nullptr;  // holds the class tree
    QLabel* Picture2 = nullptr;
    QLabel* Picture6 = nullptr;
    QPushButton* Command1 = nullptr;  // "确定"
    QPushButton* Command2 = nullptr;  // "取消"
    ClassTree* tree() const { return tree_.get(); }
    bool ItemFound = false;

    void tree_TypeChange(const QString& first, const QString& second);
    void Command1_Click();
    void Command2_Click();

  protected:
    void Form_Unload(int& cancel) override;

  private:
    std::int32_t hdbc_ = 0;
    QString systemName_;
    QString mainTable_;
    QString userName_;
    std::int32_t itemId_ = 0;
    ISITRecord record_;
    std::unique_ptr<ClassTree> tree_;
};

}  // namespace zelk
