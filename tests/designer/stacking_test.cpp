// The stacking order the user made survives a save and the next opening, in both designers on
// both back ends, whatever item numbers the rows stored: none (as the wizard and the class
// templates store them), 1 to n, or numbers with gaps (10, 20, 30, ...).

#include <gtest/gtest.h>

#include "support/testdb.h"
#include "unedited_save.h"

namespace zelk {
namespace {

using namespace testrows;

enum class StoredNumbers { None, OneToN, Tens };
constexpr StoredNumbers kNumberings[] = {StoredNumbers::None, StoredNumbers::OneToN,
                                         StoredNumbers::Tens};

const char* numberingName(StoredNumbers numbers) {
    switch (numbers) {
        case StoredNumbers::None:
            return "no numbers stored";
        case StoredNumbers::OneToN:
            return "1 to n stored";
        case StoredNumbers::Tens:
            return "10, 20, 30 ... stored";
    }
    return "";
}

class Stacking : public test::DemoBackendTest {
  protected:
    // The interface's rows stored again in their order, with the item numbers asked for.
    template <class Row>
    void storeNumbers(std::int32_t number, StoredNumbers numbers) {
        std::vector<Row> rows = readRows<Row>(hdbc(), number);
        ASSERT_GE(odbc_BeginTrans(hdbc()), 0);
        if constexpr (ItemColumns<Row>::kSearchRow)
            ASSERT_GE(sysIJSTDeleteRecords(hdbc(), number), 0);
        else
            ASSERT_GE(sysISITDeleteRecords(hdbc(), number), 0);
        int n = 0;
        for (Row& row : rows) {
            ++n;
            const int stored = numbers == StoredNumbers::Tens ? 10 * n : n;
            setField(row.*ItemColumns<Row>::m29,
                     numbers == StoredNumbers::None ? QString() : QString::number(stored));
            ASSERT_GT(insertRow(hdbc(), row), 0);
        }
        ASSERT_GE(odbc_CommitTrans(hdbc()), 0);
    }

    // The names of the live items in stacking order, back to front, as an opening shows them.
    template <class D>
    std::vector<QString> stackedNames(std::int32_t number) {
        D w;
        w.init(hdbc(), number);
        std::vector<QString> names;
        for (std::int32_t i = 1; i <= w.ItemCount; ++i) names.push_back(w.ItemTable[i].ItemName);
        return names;
    }

    // Opens the interface, restacks the item named `name` and saves.
    template <class D>
    void restackAndSave(std::int32_t number, const QString& name, bool toFront) {
        D w;
        w.init(hdbc(), number);
        DesignControl* control = nullptr;
        for (std::int32_t i = 1; i <= w.ItemCount && !control; ++i)
            if (w.ItemTable[i].ItemName == name) control = w.itemControl(w.ItemTable[i]);
        ASSERT_NE(control, nullptr) << name.toStdString();
        w.VBSelectControl(control);
        ASSERT_EQ(w.CurrentControl(), control);
        if (toFront)
            w.mnu_tofront_Click();
        else
            w.mnu_toback_Click();
        PromptScript none;
        w.SaveInterface();
        EXPECT_FALSE(w.DesignModified);
    }

    // An item in the middle of the stack whose name no other item has.
    static QString middleItem(const std::vector<QString>& names, std::size_t from) {
        for (std::size_t k = from; k < names.size(); ++k)
            if (!names[k].isEmpty() && std::count(names.begin(), names.end(), names[k]) == 1)
                return names[k];
        return QString();
    }

    template <class D>
    void sendToBack(std::int32_t number, StoredNumbers numbers) {
        storeNumbers<typename D::RowType>(number, numbers);
        const std::vector<QString> before = stackedNames<D>(number);
        ASSERT_GE(before.size(), 3u);
        const QString item = middleItem(before, before.size() / 2);
        ASSERT_FALSE(item.isEmpty());
        restackAndSave<D>(number, item, false);
        std::vector<QString> expected = before;
        expected.erase(std::find(expected.begin(), expected.end(), item));
        expected.insert(expected.begin(), item);
        EXPECT_EQ(stackedNames<D>(number), expected);
        // An unedited save in a later session keeps it there.
        expectUneditedSaveKeepsRows<D>(hdbc(), number);
        EXPECT_EQ(stackedNames<D>(number), expected);
    }

    template <class D>
    void bringToFrontTwice(std::int32_t number, StoredNumbers numbers) {
        storeNumbers<typename D::RowType>(number, numbers);
        const std::vector<QString> before = stackedNames<D>(number);
        ASSERT_GE(before.size(), 3u);
        const QString first = middleItem(before, 0);
        const QString second = middleItem(before, before.size() / 2);
        ASSERT_NE(first, second);
        restackAndSave<D>(number, first, true);
        restackAndSave<D>(number, second, true);
        const std::vector<QString> after = stackedNames<D>(number);
        ASSERT_GE(after.size(), 2u);
        EXPECT_EQ(after[after.size() - 1], second);
        EXPECT_EQ(after[after.size() - 2], first);
    }

    // An item added since the opening is the topmost; the others keep their order.
    template <class D>
    void addLabel(std::int32_t number, StoredNumbers numbers) {
        storeNumbers<typename D::RowType>(number, numbers);
        std::vector<QString> expected = stackedNames<D>(number);
        {
            D w;
            w.init(hdbc(), number);
            w.Toolbar2_ButtonClick("label");
            expected.push_back(w.ItemTable[w.ItemCount].ItemName);
            PromptScript none;
            w.SaveInterface();
            EXPECT_FALSE(w.DesignModified);
        }
        EXPECT_EQ(stackedNames<D>(number), expected);
    }
};

TEST_P(Stacking, SendToBackStaysAtTheBottomAfterASaveAndAReopening) {
    for (const StoredNumbers numbers : kNumberings) {
        SCOPED_TRACE(numberingName(numbers));
        sendToBack<frm_zelk_jmsj>(demo_.itemEntry, numbers);
        sendToBack<frm_zelk_jssj>(demo_.itemSearch, numbers);
    }
}

TEST_P(Stacking, TheLastOfTwoBringToFrontsInTwoSessionsIsOnTop) {
    for (const StoredNumbers numbers : kNumberings) {
        SCOPED_TRACE(numberingName(numbers));
        bringToFrontTwice<frm_zelk_jmsj>(demo_.itemEntry, numbers);
        bringToFrontTwice<frm_zelk_jssj>(demo_.itemSearch, numbers);
    }
}

TEST_P(Stacking, AnItemAddedSinceTheOpeningIsOnTopAfterASaveAndAReopening) {
    for (const StoredNumbers numbers : kNumberings) {
        SCOPED_TRACE(numberingName(numbers));
        addLabel<frm_zelk_jmsj>(demo_.itemEntry, numbers);
        addLabel<frm_zelk_jssj>(demo_.itemSearch, numbers);
    }
}

ZELK_ON_BOTH_BACKENDS(Stacking);

}  // namespace
}  // namespace zelk
