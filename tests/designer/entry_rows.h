#pragma once
// Item-entry rows as the entry writers store them, for the item-entry designer's tests.

#include <string>

#include "designer_rows.h"

namespace zelk::entryrows {

using testrows::kInterface;
using testrows::T;

// Caption-label columns of an item with a caption label.
inline void withCaption(ISITRecord& r, const char* name, const char* vertical = "0") {
    T(r.ii03, name);
    T(r.ii05, "1");
    r.ii07 = 200;
    r.ii08 = 300;
    r.ii09 = 1100;
    r.ii10 = 660;
    T(r.ii15, "宋体");
    T(r.ii16, "0000");
    T(r.ii17, "9");
    T(r.ii18, "-2147483630");
    T(r.ii19, "-2147483633");
    T(r.ii31, "-2147483642");
    T(r.ii38, (std::string("000000000001") + vertical).c_str());
    T(r.ii39, "000000100000010");
}

// An input item without a caption label: its name and "0".
inline void uncaptioned(ISITRecord& r, const char* name) {
    T(r.ii03, name);
    T(r.ii05, "0");
}

// Columns every control with a font and colours stores.
inline void controlColumns(ISITRecord& r, const char* kind, const char* bound, int order) {
    r.ii01 = kInterface;
    T(r.ii02, bound);
    r.ii04 = order;
    T(r.ii06, kind);
    r.ii11 = 1200;
    r.ii12 = 300;
    r.ii13 = 3200;
    r.ii14 = 660;
    T(r.ii20, "宋体");
    T(r.ii21, "0000");
    T(r.ii22, "9");
    T(r.ii23, "-2147483640");
    T(r.ii24, "-2147483643");
    T(r.ii28, "");
    T(r.ii29, "1");
}

// One row per case, as the entry writer of its kind stores it (starting from an empty record).
inline ISITRecord entryRow(const std::string& name) {
    ISITRecord r;
    if (name == "label") {
        controlColumns(r, "1", "XM", 0);
        uncaptioned(r, "姓名标签");
        T(r.ii21, "1000");
        T(r.ii22, "12");
        T(r.ii24, "255");
        T(r.ii36, "默认");
        T(r.ii40, "0100000000012");  // bottom-aligned
        T(r.ii41, "000000100000011");
        T(r.ii43, "-2147483642");
    } else if (name == "captionedlabel") {
        controlColumns(r, "1", "XM", 0);
        withCaption(r, "姓名", "1");
        T(r.ii36, "");
        T(r.ii40, "0100000000011");
        T(r.ii41, "000000100000010");
        T(r.ii43, "-2147483642");
    } else if (name == "freelabel") {
        controlColumns(r, "1", "", 0);
        uncaptioned(r, "说明");
        T(r.ii36, "这是一段说明文字");
        T(r.ii40, "0010000003030");
        T(r.ii41, "100000100000010");
        T(r.ii43, "16711680");
    } else if (name == "textbox") {
        controlColumns(r, "2", "XM", 1);
        withCaption(r, "姓名");
        T(r.ii21, "1001");
        T(r.ii22, "12");
        T(r.ii23, "255");
        T(r.ii33, "@");
        T(r.ii36, "张三");
        T(r.ii37, "请输入姓名");
        T(r.ii40, "0110000002010");
        T(r.ii41, "011000100000110");
        T(r.ii42, "20");
        T(r.ii43, "-2147483642");
    } else if (name == "plaintextbox") {
        controlColumns(r, "2", "DH", 1);
        uncaptioned(r, "电话");
        T(r.ii33, "");
        T(r.ii36, "");
        T(r.ii37, "办公电话");
        T(r.ii40, "0100000002010");
        T(r.ii41, "000000100100110");
        T(r.ii42, "0");
        T(r.ii43, "-2147483642");
    } else if (name == "checkbox") {
        controlColumns(r, "3", "HF", 2);
        uncaptioned(r, "已婚");
        T(r.ii15, "");
        T(r.ii16, "");
        T(r.ii17, "");
        T(r.ii28, "部门审批");
        T(r.ii36, "");
        T(r.ii37, "是否已婚");
        T(r.ii40, "0110000002010");
        T(r.ii41, "011000100100110");
        T(r.ii42, "");
        T(r.ii43, "");
    } else if (name == "captionedcheckbox") {
        controlColumns(r, "3", "HF", 2);
        withCaption(r, "同意");
        T(r.ii36, "");
        T(r.ii37, "");
        T(r.ii40, "0100000002010");
        T(r.ii41, "000000100000110");
        T(r.ii42, "");
        T(r.ii43, "");
    } else if (name == "combobox") {
        controlColumns(r, "4", "XB", 3);
        withCaption(r, "性别");
        T(r.ii33, "");
        T(r.ii36, "男");
        T(r.ii37, "选择性别");
        T(r.ii40, "0100000002110");  // select only
        T(r.ii41, "010000100000110");
        T(r.ii42, "10");
        T(r.ii43, "-2147483642");
    } else if (name == "datepicker") {
        controlColumns(r, "5", "CSRQ", 4);
        withCaption(r, "出生日期", "2");
        T(r.ii21, "0100");
        T(r.ii22, "10");
        T(r.ii33, "yyyy-mm-dd");
        T(r.ii36, "");
        T(r.ii37, "出生日期");
        T(r.ii40, "0010000001030");
        T(r.ii41, "111000100000010");
        T(r.ii42, "0");
    } else if (name == "listbox") {
        controlColumns(r, "6", "JTCY", 5);
        uncaptioned(r, "家庭成员");
        T(r.ii33, "");
        T(r.ii36, "无");
        T(r.ii37, "");
        T(r.ii40, "0010000002010");
        T(r.ii41, "101000100000110");
        T(r.ii42, "200");
        T(r.ii43, "-2147483642");
    } else if (name == "shape") {
        r.ii01 = kInterface;
        T(r.ii06, "7");
        T(r.ii20, "");
        T(r.ii24, "255");
        r.ii07 = 1;  // the item's own index
        T(r.ii28, "");
        T(r.ii31, "255");
        r.ii09 = 2;
        T(r.ii23, "-2147483630");
        r.ii11 = 100;
        r.ii12 = 100;
        r.ii13 = 5000;
        r.ii14 = 3000;
        T(r.ii29, "1");
        T(r.ii40, "0010000000000");
        T(r.ii41, "000000000000010");
    } else if (name == "frame") {
        r.ii01 = kInterface;
        T(r.ii06, "8");
        T(r.ii36, "基本信息");
        T(r.ii21, "1000");
        T(r.ii28, "");
        T(r.ii41, "000000100000010");
        T(r.ii40, "0010000000000");
        r.ii07 = 2;
        T(r.ii23, "-2147483630");
        T(r.ii24, "-2147483633");
        T(r.ii20, "宋体");
        T(r.ii22, "10");
        r.ii11 = 100;
        r.ii12 = 100;
        r.ii13 = 6000;
        r.ii14 = 2500;
        T(r.ii29, "1");
        T(r.ii37, "框架提示");
        T(r.ii43, "255");
    } else if (name == "line") {
        r.ii01 = kInterface;
        T(r.ii02, " ");
        T(r.ii03, "线条1");
        T(r.ii05, "0");
        T(r.ii06, "9");
        T(r.ii20, "");
        T(r.ii28, "");
        r.ii07 = 2;
        r.ii11 = 100;
        r.ii12 = 200;
        r.ii13 = 3000;
        r.ii14 = 200;
        T(r.ii29, "1");
        T(r.ii31, "255");
        T(r.ii41, "000000000000010");
    } else if (name == "memobox") {
        controlColumns(r, "10", "BZ", 6);
        withCaption(r, "备注");
        T(r.ii21, "0001");
        T(r.ii33, "");
        T(r.ii36, "无");
        T(r.ii37, "备注");
        T(r.ii40, "0100000002010");
        T(r.ii41, "000100111000110");
        T(r.ii42, "100");
        T(r.ii43, "-2147483642");
    } else if (name == "mmx") {
        controlColumns(r, "11", "ZP", 7);
        withCaption(r, "照片");
        T(r.ii36, "");
        T(r.ii37, "照片文件");
        T(r.ii40, "0100020002010");  // pictures shown directly
        T(r.ii41, "010000100100110");
        T(r.ii42, "0");
        T(r.ii43, "-2147483642");
    } else if (name == "childtable") {
        controlColumns(r, "12", "GZJL", 8);
        withCaption(r, "工作经历");
        T(r.ii27, "2");
        T(r.ii28, "工作经历子表");
        T(r.ii36, "");
        T(r.ii37, "");
        T(r.ii40, "0100100002010");
        T(r.ii41, "000000100000110");
        T(r.ii42, "0");
        T(r.ii43, "-2147483642");
    } else if (name == "postil") {
        controlColumns(r, "13", "PZ", 9);
        withCaption(r, "领导批示");
        T(r.ii28, "领导审批");
        T(r.ii36, "");
        T(r.ii37, "手写批示");
        T(r.ii40, "0110000002030");
        T(r.ii41, "001000100000110");
        T(r.ii42, "0");
        T(r.ii43, "-2147483642");
    } else if (name == "other") {
        // Columns no writer would store: the row goes back as it was read.
        r.ii01 = kInterface;
        T(r.ii02, "FJ");
        T(r.ii03, "附件");
        r.ii04 = 9;
        T(r.ii05, "1");
        T(r.ii06, "99");
        r.ii07 = 10;
        r.ii11 = 100;
        r.ii12 = 200;
        r.ii13 = 300;
        r.ii14 = 400;
        T(r.ii20, "宋体");
        T(r.ii21, "0000");
        T(r.ii22, "10.5");
        T(r.ii24, "-2147483643");
        T(r.ii25, "其他表设置");
        T(r.ii29, "1");
        T(r.ii30, "x");
        T(r.ii33, "0.00");
        T(r.ii36, "默认值");
        T(r.ii37, "附件说明");
        T(r.ii40, "0000000000000");
        T(r.ii41, "0001");
        T(r.ii44, "保留");
    } else if (name == "widekind") {
        r = entryRow("other");
        T(r.ii06, "40000");  // beyond 16 bits
    }
    return r;
}

inline ::testing::AssertionResult sameRow(const ISITRecord& expected, const ISITRecord& actual) {
    using testrows::sameMember;
    using testrows::showMember;
    std::string diff;
#define ZELK_CMP(n)                                                                 \
    if (!sameMember(expected.ii##n, actual.ii##n))                                  \
        diff += "\n  ii" #n ": expected " + showMember(expected.ii##n) + ", got " + \
                showMember(actual.ii##n);
    ZELK_ROW_MEMBERS(ZELK_CMP)
#undef ZELK_CMP
    if (diff.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "rows differ:" << diff;
}

}  // namespace zelk::entryrows
