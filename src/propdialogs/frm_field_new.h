#pragma once
// "添加新栏目": adds one field of the main table's system template (or, on an item-entry form, a
// new custom label) to an interface as a new item row below its lowest bound item. The opener
// calls init, shows it modally and reads Cancelled (true unless a row was inserted) and
// NewItemId (the key of the row inserted). The row and the interface's version counter are
// stored together.

#include <cstdint>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "platform/controls/tabstrip.h"
#include "platform/form.h"

namespace zelk {

class frm_field_new : public Form {
    Q_OBJECT
  public:
    explicit frm_field_new(QWidget* parent = nullptr);

    // kind: 1 ISIT, 2 ILIT, 3 IJST, 4 ILST; any other kind offers and inserts nothing.
    void init(std::int32_t hdbc, const QString& systemName, const QString& mainTable,
              std::int32_t fid, std::int16_t kind);

    bool Cancelled = true;
    std::int32_t NewItemId = 0;
    std::int32_t hdbc = 0;
    QString SystemName;
    QString MainTable;
    std::int32_t InterfaceId = 0;
    std::int16_t InterfaceKind = 0;

    QWidget* Picture1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    TabStrip* SSTab1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;  // candidates; item data = the template row's ii00, 0 custom
    QLabel* Label3 = nullptr;
    QComboBox* Combo2 = nullptr;      // control kinds
    QPushButton* Command1 = nullptr;  // "确定"
    QPushButton* Command2 = nullptr;  // "退出"

    void LoadISITCandidates();
    void LoadILITCandidates();
    void LoadIJSTCandidates();
    void LoadILSTCandidates();
    void Command1_Click();
    void Command2_Click();
    bool InsertISITField();
    bool InsertILITField();
    bool InsertIJSTField();
    bool InsertILSTField();

  protected:
    void Form_Load() override;

  private:
    void loadCandidates(const QString& itemTable, const QString& columnPrefix,
                        const QString& extraGuard);
    void addCustomLabelEntry();
    // The chosen entry's bound column and caption; false when the template row is gone.
    bool chosenField(QString& bound, QString& caption, QByteArray& boundRaw,
                     QByteArray& captionRaw);
    template <class Row>
    bool insertField(std::int32_t (*prepare)(std::int32_t, const QString&),
                     std::int32_t (*fetch)(std::int32_t, Row&),
                     std::int32_t (*insert)(std::int32_t, Row&), const QString& condition);
};

// The number a custom label's bound column counts as: a tail of three or more digits after
// "ZDYBQ" whole, else the digits its last two characters begin with (0 for none).
int customLabelNumber(const QString& boundColumn);
// The custom label entry that follows the highest number `highest`: "ZDYBQ04[ 自定义]".
QString customLabelEntry(int highest);

}  // namespace zelk
