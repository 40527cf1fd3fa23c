#pragma once
// Item rows as the writers store them, over both row types (IJST for the item-search designer,
// ISIT for the item-entry designer), for the designer tests and the benchmark.

#include <gtest/gtest.h>

#include <QString>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "component/fixedfield.h"
#include "component/records.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "designer/itemcolumns.h"

namespace zelk::testrows {

inline constexpr std::int32_t kInterface = 7;

// Setting a text column: T(row.is03, "姓名").
template <std::size_t N>
void T(std::array<char, N>& field, const char* value) {
    setField(field, QString::fromUtf8(value));
}

// Calls f(number, member) for each of a row's 46 members.
template <class Row, class F>
void forEachMember(Row& r, F&& f) {
    forEachItemColumn<std::remove_const_t<Row>>([&](int n, auto member) { f(n, r.*member); });
}

// Sets members by number: put(r, {{3, "姓名"}, {7, "200"}}); numeric members take the number.
template <class Row>
void put(Row& r, std::initializer_list<std::pair<int, const char*>> values) {
    for (const auto& [number, value] : values)
        forEachMember(r, [number, value](int n, auto& member) {
            if (n != number) return;
            if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::int32_t>)
                member = std::stoi(value);
            else
                T(member, value);
        });
}

inline constexpr const char* kSysColour = "-2147483642";

// The rows below are tables of member numbers and values.
// clang-format off

// Caption-label columns of an item with a caption label; `vertical` is the entry rows' alignment.
template <class Row>
void withCaption(Row& r, const char* name, const char* vertical = "0") {
    put(r, {{3, name}, {5, "1"}, {7, "200"}, {8, "300"}, {9, "1100"}, {10, "660"}, {15, "宋体"},
            {16, "0000"}, {17, "9"}, {18, "-2147483630"}, {19, "-2147483633"}, {31, kSysColour},
            {39, "000000100000010"}});
    T(r.*ItemColumns<Row>::m38, (std::string("000000000001") + vertical).c_str());
}

// Columns every control with a font and colours stores; entry writers also clear member 28.
template <class Row>
void controlColumns(Row& r, const char* kind, const char* bound, const char* order) {
    put(r, {{2, bound}, {4, order}, {6, kind}, {11, "1200"}, {12, "300"}, {13, "3200"},
            {14, "660"}, {20, "宋体"}, {21, "0000"}, {22, "9"}, {23, "-2147483640"},
            {24, "-2147483643"}, {29, "1"}});
    if constexpr (!ItemColumns<Row>::kSearchRow) put(r, {{28, ""}});
}

// One row per case, as the writer of its kind stores it (starting from an empty record). Where
// the two designers store a kind differently, V(search, entry) gives each its value.
template <class Row>
Row storedRow(std::string_view name) {
    constexpr bool search = ItemColumns<Row>::kSearchRow;
    const auto V = [](const char* s, const char* e) { return search ? s : e; };
    Row r;
    if (name == "label") {
        controlColumns(r, "1", "XM", "0");
        put(r, {{3, "姓名标签"}});  // no caption label: the row keeps the name (both designers)
        if (!search) put(r, {{5, "0"}});
        put(r, {{21, "1000"}, {22, "12"}, {24, "255"}, {36, "默认"}, {41, "000000100000011"},
                {43, kSysColour}, {40, V("0100000000010", "0100000000012")}});  // entry: bottom
    } else if (name == "captionedlabel") {
        controlColumns(r, "1", "XM", "0");
        withCaption(r, "姓名", "1");
        put(r, {{36, ""}, {40, "0100000000011"}, {41, "000000100000010"}, {43, kSysColour}});
    } else if (name == "freelabel") {
        controlColumns(r, "1", "", "0");
        if (!search) put(r, {{5, "0"}});
        put(r, {{3, "说明"}, {36, "这是一段说明文字"}, {40, "0010000003030"},
                {41, "100000100000010"}, {43, "16711680"}});
    } else if (name == "textbox") {
        controlColumns(r, "2", "XM", "1");
        withCaption(r, "姓名");
        if (!search) put(r, {{33, "@"}});
        put(r, {{21, "1001"}, {22, "12"}, {23, "255"}, {36, "张三"}, {37, "请输入姓名"}, {42, "20"},
                {43, kSysColour}, {40, V("0100000002010", "0110000002010")},
                {41, V("001000100000110", "011000100000110")}});
    } else if (name == "plaintextbox") {
        controlColumns(r, "2", "DH", "1");
        put(r, {{3, "电话"}, {5, "0"}, {33, ""}, {36, ""}, {37, "办公电话"}, {40, "0100000002010"},
                {41, "000000100100110"}, {42, "0"}, {43, kSysColour}});
    } else if (name == "checkbox") {
        controlColumns(r, "3", "HF", "2");
        if (!search) put(r, {{28, "部门审批"}});
        put(r, {{3, "已婚"}, {5, "0"}, {15, ""}, {16, ""}, {17, ""}, {36, ""}, {37, "是否已婚"},
                {42, ""}, {43, ""}, {40, V("0100000002010", "0110000002010")},
                {41, V("000000100000110", "011000100100110")}});
    } else if (name == "captionedcheckbox") {
        controlColumns(r, "3", "HF", "2");
        withCaption(r, "同意");
        put(r, {{36, ""}, {37, ""}, {40, "0100000002010"}, {41, "000000100000110"}, {42, ""},
                {43, ""}});
    } else if (name == "combobox") {
        controlColumns(r, "4", "XB", "3");
        withCaption(r, "性别");
        if (!search) put(r, {{33, ""}});
        put(r, {{36, "男"}, {37, "选择性别"}, {40, "0100000002110"}, {42, "10"}, {43, kSysColour},
                {41, V("000000100000110", "010000100000110")}});
    } else if (name == "datepicker") {
        controlColumns(r, "5", "CSRQ", "4");
        withCaption(r, "出生日期", V("0", "2"));
        if (!search) put(r, {{33, "yyyy-mm-dd"}});
        put(r, {{21, "0100"}, {22, "10"}, {36, ""}, {37, "出生日期"}, {40, "0010000001030"},
                {42, "0"}, {41, V("000000100000010", "111000100000010")}});
    } else if (name == "listbox") {
        controlColumns(r, "6", "JTCY", "5");
        if (search)
            withCaption(r, "家庭成员");
        else
            put(r, {{3, "家庭成员"}, {5, "0"}, {33, ""}, {36, "无"}, {42, "200"}});
        put(r, {{37, ""}, {43, kSysColour}, {40, V("0000000002010", "0010000002010")},
                {41, V("000000100000110", "101000100000110")}});
    } else if (name == "shape") {  // member 7: the item's own index
        put(r, {{3, "自定义矩形1"}, {6, "7"}, {7, "1"}, {9, "2"}, {11, "100"}, {12, "100"}, {13, "5000"},
                {14, "3000"}, {20, ""}, {23, "-2147483630"}, {24, "255"}, {29, "1"}, {31, "255"},
                {40, "0010000000000"}, {41, "000000000000010"}});
    } else if (name == "frame") {
        put(r, {{3, "自定义框架1"}, {6, "8"}, {7, "2"}, {11, "100"}, {12, "100"}, {13, "6000"}, {14, "2500"},
                {20, "宋体"}, {21, "1000"}, {22, "10"}, {23, "-2147483630"}, {24, "-2147483633"},
                {29, "1"}, {36, "基本信息"}, {37, V("", "框架提示")},
                {40, V("0000000000000", "0010000000000")}, {41, "000000100000010"}, {43, "255"}});
        if (search) put(r, {{31, "255"}});  // search frames keep their border colour there
        // Search frames keep their caption blank-padded to the field's end.
        if (search)
            setFieldBytes(r.*ItemColumns<Row>::m36,
                          toGbk(QStringLiteral("基本信息")).leftJustified(252, ' '));
    } else if (name == "line") {
        put(r, {{2, " "}, {3, "线条1"}, {5, "0"}, {6, "9"}, {7, "2"}, {11, "100"}, {12, "200"},
                {13, "3000"}, {14, "200"}, {20, ""}, {29, "1"}, {31, "255"},
                {41, "000000000000010"}});
    } else if (name == "memobox") {
        controlColumns(r, "10", "BZ", "6");
        withCaption(r, "备注");
        if (!search) put(r, {{33, ""}});
        put(r, {{21, "0001"}, {36, "无"}, {37, "备注"}, {40, "0100000002010"},
                {41, "000100111000110"}, {42, "100"}, {43, kSysColour}});
    } else if (name == "mmx") {
        controlColumns(r, "11", "ZP", "7");
        withCaption(r, "照片");
        put(r, {{36, ""}, {37, "照片文件"}, {42, "0"}, {43, kSysColour},
                {40, V("0100010002010", "0100020002010")},  // entry: pictures shown directly
                {41, V("000000100000110", "010000100100110")}});
    } else if (name == "childtable") {
        controlColumns(r, "12", "GZJL", "8");
        withCaption(r, "工作经历");
        put(r, {{27, V("1", "2")}, {28, "工作经历子表"}, {36, ""}, {37, ""},
                {40, V("0100200002010", "0100100002010")}, {41, "000000100000110"}, {42, "0"},
                {43, kSysColour}});
    } else if (name == "postil") {
        controlColumns(r, "13", "PZ", "9");
        withCaption(r, "领导批示");
        put(r, {{28, "领导审批"}, {36, ""}, {37, "手写批示"}, {40, "0110000002030"},
                {41, "001000100000110"}, {42, "0"}, {43, kSysColour}});
    } else if (name == "other" || name == "widekind") {
        put(r, {{2, "FJ"}, {3, "附件"}, {4, "9"}, {20, "宋体"}, {21, "0000"}, {29, "1"},
                {37, "附件说明"}, {40, "0000000000000"},
                {6, name == "other" ? "99" : "40000"}});  // widekind: beyond 16 bits
        if (search)  // what the search writer stores of an unknown kind
            put(r, {{22, "9"}, {23, "0"}, {41, "000100100000110"}});
        else  // columns no writer would store: the row goes back as it was read
            put(r, {{5, "1"}, {7, "10"}, {11, "100"}, {12, "200"}, {13, "300"}, {14, "400"},
                    {22, "10.5"}, {24, "-2147483643"}, {25, "其他表设置"}, {30, "x"},
                    {33, "0.00"}, {36, "默认值"}, {41, "0001"}, {44, "保留"}});
    } else {
        ADD_FAILURE() << "no stored row named " << name;
    }
    r.*ItemColumns<Row>::m01 = kInterface;
    if constexpr (!search) {  // entry writers clear member 28 of every kind
        if (name == "shape" || name == "frame" || name == "line") put(r, {{28, ""}});
    }
    return r;
}
// clang-format on

// Compares two rows member by member, naming each member that differs.
template <std::size_t N>
std::string showMember(const std::array<char, N>& f) {
    QByteArray bytes(f.data(), static_cast<qsizetype>(N));
    return "\"" + fromGbk(bytes).replace(QChar(0), QStringLiteral("\\0")).toStdString() + "\"";
}
inline std::string showMember(std::int32_t v) {
    return std::to_string(v);
}

template <class Row>
::testing::AssertionResult sameRow(const Row& expected, const Row& actual) {
    std::string diff;
    forEachMember(expected, [&](int n, const auto& a) {
        forEachMember(actual, [&](int m, const auto& b) {
            if constexpr (std::is_same_v<decltype(a), decltype(b)>)
                if (n == m && std::memcmp(&a, &b, sizeof a) != 0)
                    diff += "\n  member " + std::to_string(n) + ": expected " + showMember(a) +
                            ", got " + showMember(b);
        });
    });
    if (diff.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "rows differ:" << diff;
}

// Every stored row of an interface, in the order the database gives them.
template <class Row>
std::vector<Row> readRows(std::int32_t hdbc, std::int32_t number) {
    std::int32_t stmt = 0;
    if constexpr (std::is_same_v<Row, ISITRecord>)
        stmt = sysISITPrepareGetData(hdbc, number);
    else if constexpr (std::is_same_v<Row, IJSTRecord>)
        stmt = sysIJSTPrepareGetData(hdbc, number);
    else
        stmt = sysILSTPrepareGetData(hdbc, number);
    const auto fetch = [stmt](Row& row) {
        if constexpr (std::is_same_v<Row, ISITRecord>) return sysISITGetRecord(stmt, row);
        if constexpr (std::is_same_v<Row, IJSTRecord>) return sysIJSTGetRecord(stmt, row);
        if constexpr (std::is_same_v<Row, ILSTRecord>) return sysILSTGetRecord(stmt, row);
    };
    std::vector<Row> rows;
    Row row;
    while (stmt > 0 && fetch(row) > 0) rows.push_back(std::exchange(row, {}));
    return rows;
}

template <class Row>
std::int32_t insertRow(std::int32_t hdbc, Row& row) {
    if constexpr (std::is_same_v<Row, ISITRecord>) return sysISITInsertRecord(hdbc, row);
    if constexpr (std::is_same_v<Row, IJSTRecord>) return sysIJSTInsertRecord(hdbc, row);
    if constexpr (std::is_same_v<Row, ILSTRecord>) return sysILSTInsertRecord(hdbc, row);
}

// What the save does around a writer: a cleared row, the item number (and an entry row's entry
// order), the writer, the stored form of the control font name. The item-entry designer also
// writes its items as search rows for the companion search form.
template <class Row, class Designer>
Row writtenAs(const Designer& d, std::int32_t itemIndex) {
    using C = ItemColumns<Row>;
    const DesignItem& item = d.ItemTable[static_cast<std::size_t>(itemIndex)];
    Row out;
    setField(out.*C::m29, decimalText(item.ItemNo));
    if constexpr (C::kSearchRow) {
        d.SaveIJSTItem(item, out);
    } else {
        out.*C::m04 = item.EntryOrder;
        d.SaveISITItem(item, out);
    }
    setField(out.*C::m20, EncodeFontName(fieldText(out.*C::m20)));
    return out;
}
template <class Designer>
typename Designer::RowType written(const Designer& d, std::int32_t itemIndex) {
    return writtenAs<typename Designer::RowType>(d, itemIndex);
}

// The fonts the tests' rows name, installed for the life of the object.
struct TestFonts {
    TestFonts() {
        setInstalledFontsProvider([] {
            return QStringList{QStringLiteral("宋体"), QStringLiteral("Arial Unicode MS"),
                               QStringLiteral("方正舒体简体"), QStringLiteral("ABCDEFGHIJKLMNO"),
                               QStringLiteral("Times New Roman")};
        });
    }
    ~TestFonts() { setInstalledFontsProvider(nullptr); }
};

// The two designers by the rows they keep, for cases that hold for both.
enum class Rows { Search, Entry };
inline const char* rowsName(Rows form) {
    return form == Rows::Search ? "Search" : "Entry";
}

// Runs body(designer) on a fresh designer of the form, its interface and field tree set up.
template <class Body>
void withDesigner(Rows form, Body&& body) {
    const auto run = [&body](auto& d) {
        d.InterfaceRow.id00 = kInterface;
        d.InitFieldTree();
        body(d);
    };
    if (form == Rows::Search) {
        frm_zelk_jssj d;
        run(d);
    } else {
        frm_zelk_jmsj d;
        run(d);
    }
}

template <class Designer>
using RowOf = typename std::decay_t<Designer>::RowType;

}  // namespace zelk::testrows
