#pragma once
// A designer of each kind, loaded but on no database, for the canvas command tests: items come
// from rows handed to its loaders or from the commands themselves.

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "platform/controls/designline.h"

namespace zelk::canvastest {

template <class D>
class BareDesigner : public ::testing::Test {
  protected:
    using Row = typename D::RowType;
    using C = ItemColumns<Row>;
    D d;
    void SetUp() override { d.load(); }
    const DesignItem& last() const { return d.ItemTable[d.ItemCount]; }
    // An input item with a caption label.
    void loadCaptionedTextBox(const char* name, std::int32_t top = 100) {
        Row row{};
        setField(row.*C::m02, QStringLiteral("F1"));
        setField(row.*C::m03, QString::fromUtf8(name));
        setField(row.*C::m05, QStringLiteral("1"));
        setField(row.*C::m06, QStringLiteral("2"));
        row.*C::m07 = 100;
        row.*C::m08 = top;
        row.*C::m09 = 1000;
        row.*C::m10 = top + 200;
        row.*C::m11 = 1100;
        row.*C::m12 = top;
        row.*C::m13 = 3000;
        row.*C::m14 = top + 200;
        setField(row.*C::m41, QStringLiteral("000000100000010"));
        d.LoadItemControl(row);
    }
    DesignLine& line(int i) { return d.LineArray[i]; }
};

using Designers = ::testing::Types<frm_zelk_jmsj, frm_zelk_jssj>;
class DesignerNames {
  public:
    template <class T>
    static std::string GetName(int) {
        return std::is_same_v<T, frm_zelk_jmsj> ? "Entry" : "Search";
    }
};

}  // namespace zelk::canvastest
