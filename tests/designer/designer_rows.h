#pragma once
// Item-search rows as the writers store them, for the designer tests and the benchmark.

#include <gtest/gtest.h>

#include <QString>
#include <cstring>
#include <string>

#include "component/fixedfield.h"
#include "component/records.h"

namespace zelk::testrows {

inline constexpr std::int32_t kInterface = 7;

// Setting text columns by member: T(r.is03, "姓名").
template <std::size_t N>
void T(std::array<char, N>& field, const char* value) {
    setField(field, QString::fromUtf8(value));
}

// Caption-label columns of an item with a caption label.
inline void withCaption(IJSTRecord& r, const char* name) {
    T(r.is03, name);
    T(r.is05, "1");
    r.is07 = 200;
    r.is08 = 300;
    r.is09 = 1100;
    r.is10 = 660;
    T(r.is15, "宋体");
    T(r.is16, "0000");
    T(r.is17, "9");
    T(r.is18, "-2147483630");
    T(r.is19, "-2147483633");
    T(r.is31, "-2147483642");
    T(r.is38, "0000000000010");
    T(r.is39, "000000100000010");
}

// Columns every control with a font and colours stores.
inline void controlColumns(IJSTRecord& r, const char* kind, const char* bound, int order) {
    r.is01 = kInterface;
    T(r.is02, bound);
    r.is04 = order;
    T(r.is06, kind);
    r.is11 = 1200;
    r.is12 = 300;
    r.is13 = 3200;
    r.is14 = 660;
    T(r.is20, "宋体");
    T(r.is21, "0000");
    T(r.is22, "9");
    T(r.is23, "-2147483640");
    T(r.is24, "-2147483643");
    T(r.is29, "1");
}

// One row per kind, as the writer of that kind stores it (starting from an empty record).
inline IJSTRecord storedRow(const std::string& kind) {
    IJSTRecord r;
    if (kind == "label") {
        controlColumns(r, "1", "XM", 0);
        T(r.is21, "1000");
        T(r.is22, "12");
        T(r.is24, "255");
        T(r.is36, "默认");
        T(r.is40, "0100000000010");
        T(r.is41, "000000100000011");
        T(r.is43, "-2147483642");
    } else if (kind == "freelabel") {
        controlColumns(r, "1", "", 0);
        T(r.is03, "说明");
        T(r.is36, "这是一段说明文字");
        T(r.is40, "0010000003030");
        T(r.is41, "100000100000010");
        T(r.is43, "16711680");
    } else if (kind == "textbox") {
        controlColumns(r, "2", "XM", 1);
        withCaption(r, "姓名");
        T(r.is21, "1001");
        T(r.is22, "12");
        T(r.is23, "255");
        T(r.is36, "张三");
        T(r.is37, "请输入姓名");
        T(r.is40, "0100000002010");
        T(r.is41, "001000100000110");
        T(r.is42, "20");
        T(r.is43, "-2147483642");
    } else if (kind == "checkbox") {
        controlColumns(r, "3", "HF", 2);
        T(r.is03, "已婚");
        T(r.is05, "0");
        T(r.is15, "");
        T(r.is16, "");
        T(r.is17, "");
        T(r.is36, "");
        T(r.is37, "是否已婚");
        T(r.is40, "0100000002010");
        T(r.is41, "000000100000110");
        T(r.is42, "");
        T(r.is43, "");
    } else if (kind == "combobox") {
        controlColumns(r, "4", "XB", 3);
        withCaption(r, "性别");
        T(r.is36, "男");
        T(r.is37, "选择性别");
        T(r.is40, "0100000002110");
        T(r.is41, "000000100000110");
        T(r.is42, "10");
        T(r.is43, "-2147483642");
    } else if (kind == "datepicker") {
        controlColumns(r, "5", "CSRQ", 4);
        withCaption(r, "出生日期");
        T(r.is21, "0100");
        T(r.is22, "10");
        T(r.is36, "");
        T(r.is37, "出生日期");
        T(r.is40, "0010000001030");
        T(r.is41, "000000100000010");
        T(r.is42, "0");
    } else if (kind == "listbox") {
        controlColumns(r, "6", "JTCY", 5);
        withCaption(r, "家庭成员");
        T(r.is37, "");
        T(r.is40, "0000000002010");
        T(r.is41, "000000100000110");
        T(r.is43, "-2147483642");
    } else if (kind == "shape") {
        r.is01 = kInterface;
        T(r.is06, "7");
        T(r.is20, "");  // the save encodes member 20 of every row
        T(r.is24, "255");
        r.is07 = 1;  // the item's own index
        T(r.is31, "255");
        r.is09 = 2;
        T(r.is23, "-2147483630");
        r.is11 = 100;
        r.is12 = 100;
        r.is13 = 5000;
        r.is14 = 3000;
        T(r.is29, "1");
        T(r.is40, "0010000000000");
        T(r.is41, "000000000000010");
    } else if (kind == "frame") {
        r.is01 = kInterface;
        T(r.is06, "8");
        QByteArray caption = toGbk(QStringLiteral("基本信息"));
        caption.append(QByteArray(252 - caption.size(), ' '));
        std::memcpy(r.is36.data(), caption.constData(), 252);
        T(r.is21, "1000");
        T(r.is41, "000000100000010");
        T(r.is40, "0000000000000");
        r.is07 = 2;
        T(r.is23, "-2147483630");
        T(r.is24, "-2147483633");
        T(r.is20, "宋体");
        T(r.is22, "10");
        r.is11 = 100;
        r.is12 = 100;
        r.is13 = 6000;
        r.is14 = 2500;
        T(r.is29, "1");
        T(r.is37, "");
        T(r.is43, "255");
    } else if (kind == "line") {
        r.is01 = kInterface;
        T(r.is02, " ");
        T(r.is03, "线条1");
        T(r.is05, "0");
        T(r.is06, "9");
        T(r.is20, "");
        r.is07 = 2;
        r.is11 = 100;
        r.is12 = 200;
        r.is13 = 3000;
        r.is14 = 200;
        T(r.is29, "1");
        T(r.is31, "255");
        T(r.is41, "000000000000010");
    } else if (kind == "memobox") {
        controlColumns(r, "10", "BZ", 6);
        withCaption(r, "备注");
        T(r.is21, "0001");
        T(r.is36, "无");
        T(r.is37, "备注");
        T(r.is40, "0100000002010");
        T(r.is41, "000100111000110");
        T(r.is42, "100");
        T(r.is43, "-2147483642");
    } else if (kind == "mmx") {
        controlColumns(r, "11", "ZP", 7);
        withCaption(r, "照片");
        T(r.is36, "");
        T(r.is37, "照片文件");
        T(r.is40, "0100010002010");
        T(r.is41, "000000100000110");
        T(r.is42, "0");
        T(r.is43, "-2147483642");
    } else if (kind == "childtable") {
        controlColumns(r, "12", "GZJL", 8);
        withCaption(r, "工作经历");
        T(r.is27, "1");
        T(r.is28, "工作经历子表");
        T(r.is36, "");
        T(r.is37, "");
        T(r.is40, "0100200002010");
        T(r.is41, "000000100000110");
        T(r.is42, "0");
        T(r.is43, "-2147483642");
    } else if (kind == "other") {
        r.is01 = kInterface;
        T(r.is02, "FJ");
        T(r.is03, "附件");
        r.is04 = 9;
        T(r.is06, "99");
        T(r.is20, "宋体");
        T(r.is21, "0000");
        T(r.is22, "9");
        T(r.is23, "0");
        T(r.is29, "1");
        T(r.is37, "附件说明");
        T(r.is40, "0000000000000");
        T(r.is41, "000100100000110");
    }
    return r;
}

// Compares two rows member by member, naming each member that differs.
#define ZELK_ROW_MEMBERS(X)                                                                       \
    X(00)                                                                                         \
    X(01)                                                                                         \
    X(02) X(03) X(04) X(05) X(06) X(07) X(08) X(09) X(10) X(11) X(12) X(13) X(14) X(15) X(16)     \
        X(17) X(18) X(19) X(20) X(21) X(22) X(23) X(24) X(25) X(26) X(27) X(28) X(29) X(30) X(31) \
            X(32) X(33) X(34) X(35) X(36) X(37) X(38) X(39) X(40) X(41) X(42) X(43) X(44) X(45)

inline std::string showMember(std::int32_t v) {
    return std::to_string(v);
}
template <std::size_t N>
std::string showMember(const std::array<char, N>& f) {
    QByteArray bytes(f.data(), static_cast<qsizetype>(N));
    return "\"" + fromGbk(bytes).replace(QChar(0), QStringLiteral("\\0")).toStdString() + "\"";
}
template <class A>
bool sameMember(const A& a, const A& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

inline ::testing::AssertionResult sameRow(const IJSTRecord& expected, const IJSTRecord& actual) {
    std::string diff;
#define ZELK_CMP(n)                                                                 \
    if (!sameMember(expected.is##n, actual.is##n))                                  \
        diff += "\n  is" #n ": expected " + showMember(expected.is##n) + ", got " + \
                showMember(actual.is##n);
    ZELK_ROW_MEMBERS(ZELK_CMP)
#undef ZELK_CMP
    if (diff.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "rows differ:" << diff;
}

}  // namespace zelk::testrows
