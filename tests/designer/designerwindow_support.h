#pragma once
// Both designer windows on the demo database, for the window tests: which designer, its demo
// interface, and a window made and initialised over it.

#include <gtest/gtest.h>

#include <memory>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "designer/showdesigner.h"
#include "platform/settings.h"
#include "support/testdb.h"

namespace zelk {
inline void PrintTo(DesignerKind kind, std::ostream* out) {
    *out << (kind == DesignerKind::ItemEntry ? "item-entry designer" : "item-search designer");
}
}  // namespace zelk

namespace zelk::windowtest {

inline const char* designerName(DesignerKind kind) {
    return kind == DesignerKind::ItemEntry ? "Entry" : "Search";
}

inline std::unique_ptr<DesignerBase> makeDesigner(DesignerKind kind) {
    if (kind == DesignerKind::ItemEntry) return std::make_unique<frm_zelk_jmsj>();
    return std::make_unique<frm_zelk_jssj>();
}

inline std::int32_t demoInterface(DesignerKind kind, std::int32_t hdbc) {
    return defaultInterfaceNumber(kind, hdbc, demo::kSystem, demo::kMainTable, demo::kClass);
}

// Fresh settings: no tip counter, no picture folders.
inline void clearSettings() {
    DeleteSetting(kSettingsApplication, QStringLiteral("COMMON"));
    DeleteSetting(kSettingsApplication, demo::kSystem);
}

// The table holding the designer's item rows.
inline QString itemTable(DesignerKind kind) {
    return kind == DesignerKind::ItemEntry ? "isit" : "ijst";
}

// Element `index` of the array named `arrayName`; nullptr when it does not exist.
inline DesignControl* controlOf(const DesignerBase& w, const QString& arrayName, int index = 1) {
    for (int kind = 1; kind <= 13; ++kind)
        if (designArrayName(static_cast<DesignArray>(kind)) == arrayName)
            return w.itemControl(kind, index);
    return nullptr;
}

// That element made current.
inline DesignControl* makeCurrent(DesignerBase& w, const QString& arrayName, int index = 1) {
    DesignControl* control = controlOf(w, arrayName, index);
    w.currentControlState().setCurrentControl(control);
    return control;
}

inline INDTRecord interfaceRow(std::int32_t hdbc, std::int32_t number) {
    INDTRecord row{};
    sysINDTGetDataByNo(hdbc, row, number);
    return row;
}

// A demo database and one designer kind per test.
class DesignerWindowTest : public ::testing::TestWithParam<DesignerKind> {
  protected:
    void SetUp() override {
        clearSettings();
        ASSERT_TRUE(db_.ok()) << db_.error().toStdString();
        fid = demoInterface(GetParam(), hdbc());
        ASSERT_GT(fid, 0);
    }
    std::int32_t hdbc() const { return db_.hdbc(); }
    // The window, opened on `number` (the demo interface by default).
    std::unique_ptr<DesignerBase> open(std::int32_t number = -1) {
        auto window = makeDesigner(GetParam());
        window->init(hdbc(), number < 0 ? fid : number);
        return window;
    }
    QString name() const { return TrimFixedField(fieldText(interfaceRow(hdbc(), fid).id03)); }
    template <std::size_t N>
    void updateRow(std::array<char, N> INDTRecord::*member, const char* value) {
        INDTRecord row = interfaceRow(hdbc(), fid);
        setField(row.*member, QString::fromUtf8(value));
        ASSERT_GE(sysINDTUpdateRecord(hdbc(), row), 0);
    }
    std::int32_t fid = 0;

  private:
    test::TestDb db_{test::TestBackend::SQLite, true};
};

inline std::string paramName(const ::testing::TestParamInfo<DesignerKind>& info) {
    return designerName(info.param);
}

}  // namespace zelk::windowtest

#define ZELK_ON_BOTH_DESIGNERS(Suite)                                                         \
    INSTANTIATE_TEST_SUITE_P(                                                                 \
        Designers, Suite,                                                                     \
        ::testing::Values(::zelk::DesignerKind::ItemEntry, ::zelk::DesignerKind::ItemSearch), \
        ::zelk::windowtest::paramName)
