#pragma once
// Opening an interface in its designer and saving it without an edit: every item row goes back
// as it was (the key aside: every insert gets a new one) and the interface row changes in its
// version alone.

#include <QCoreApplication>

#include "designer/interfacesave.h"
#include "designer_rows.h"
#include "platform/promptscript.h"

namespace zelk::testrows {

// Opens `number` as the window does, saves it unedited, and compares what is stored.
template <class Designer>
void expectUneditedSaveKeepsRows(std::int32_t hdbc, std::int32_t number) {
    using Row = typename Designer::RowType;
    using C = ItemColumns<Row>;
    INDTRecord before{};
    ASSERT_GE(sysINDTGetDataByNo(hdbc, before, number), 1) << number;
    const std::vector<Row> rows = readRows<Row>(hdbc, number);
    {
        Designer designer;
        PromptScript script;
        designer.init(hdbc, number);
        ASSERT_TRUE(designer.InterfaceLoaded) << number;
        // Shown and laid out as the user sees it.
        designer.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(designer.ItemCount > 0, !rows.empty()) << number;
        designer.SaveInterface();
        EXPECT_TRUE(script.prompts().empty()) << number;
        EXPECT_FALSE(designer.DesignModified);
    }
    std::vector<Row> after = readRows<Row>(hdbc, number);
    ASSERT_EQ(after.size(), rows.size()) << number;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        Row expected = rows[k];
        expected.*C::m00 = after[k].*C::m00;  // every insert takes a new key
        EXPECT_TRUE(sameRow(expected, after[k]))
            << "interface " << number << ", kind " << fieldText(rows[k].*C::m06).toStdString()
            << ", row " << k;
    }
    INDTRecord stored{};
    ASSERT_GE(sysINDTGetDataByNo(hdbc, stored, number), 1);
    INDTRecord expected = before;  // the version alone: every save raises it
    setField(expected.id08, nextVersionText(fieldText(before.id08)));
    EXPECT_EQ(toWire(stored), toWire(expected)) << "interface row " << number;
}

// Twice: the second open and save finds nothing to change either.
template <class Designer>
void expectUneditedSavesKeepRows(std::int32_t hdbc, std::int32_t number) {
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first save" : "second save");
        expectUneditedSaveKeepsRows<Designer>(hdbc, number);
    }
}

}  // namespace zelk::testrows
