// The demo data set, written through the library's own calls where it has them.

#include "dataaccess/demodata.h"

#include <span>
#include <type_traits>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "dataaccess/internal.h"

namespace zelk {

using namespace da;

namespace {

// ---- Rows of the read-only tables -----------------------------------------------------------

template <typename R>
bool insertRecord(std::int32_t hdbc, const Layout& layout, const R& record) {
    return insertWhole(hdbc, layout, recordBytes(record));
}

bool tableDefine(std::int32_t hdbc, std::int32_t id, const QString& name,
                 const QString& description, const QString& parent, const QStringList& columns) {
    TableDefineRecord r;
    r.m00 = id;
    setField(r.m01, name);
    setField(r.m02, description);
    // Key column, then eight more; the last four are kept by the system itself.
    auto column = [&](int i) { return i < columns.size() ? columns[i] : QString(); };
    setField(r.m03, column(0));
    setField(r.m04, column(1));
    setField(r.m05, column(2));
    setField(r.m06, column(3));
    setField(r.m07, column(4));
    setField(r.m08, column(5));
    setField(r.m09, column(6));
    setField(r.m10, column(7));
    setField(r.m11, column(8));
    setField(r.m12, parent);
    setField(r.m13, demo::kSystem);
    return insertRecord(hdbc, tableDefineLayout(), r);
}

enum class FieldKind { Text, Date, DropDown, SubTable, Media, Number };

struct FieldSpec {
    const char* column;
    const char* caption;
    FieldKind kind;
    int length;
    const char* subTable = "";
};

bool field(std::int32_t hdbc, std::int32_t id, const QString& table, const FieldSpec& def) {
    FieldRecord r;
    r.m00 = id;
    setField(r.m01, table);
    setField(r.m02, QString::fromUtf8(def.column));
    setField(r.m03, QString::fromUtf8(def.caption));
    const char* type = "文本";
    if (def.kind == FieldKind::Date) type = "日期";
    if (def.kind == FieldKind::Number) type = "数值";
    if (def.kind == FieldKind::Media) type = "多媒体";
    setField(r.m04, QString::fromUtf8(type));
    setField(r.m05, QString::number(def.length));
    for (auto* flag : {&r.m06, &r.m07, &r.m08, &r.m09, &r.m10, &r.m12, &r.m14, &r.m16, &r.m18,
                       &r.m20, &r.m22, &r.m24})
        setField(*flag, "0");
    if (def.kind == FieldKind::DropDown) {
        setField(r.m07, "1");
        setField(r.m09, "1");
        setField(r.m24, "1");
        setField(r.m11, def.column == QByteArray("mj") ? "普通,秘密,机密,绝密" : "平件,急件,特急");
    }
    if (def.kind == FieldKind::SubTable) {
        setField(r.m16, "1");
        setField(r.m17, QString::fromUtf8(def.subTable));
    }
    if (def.kind == FieldKind::Media) setField(r.m18, "1");
    return insertRecord(hdbc, fieldLayout(), r);
}

bool sdsd(std::int32_t hdbc, std::int32_t id, const QString& name, const QString& fullName,
          const QString& code, std::int32_t level, std::int32_t parent, const QString& remark,
          const QString& table = demo::kMainTable) {
    SDSDRecord r;
    r.m00 = id;
    setField(r.m01, table);
    setField(r.m02, name);
    setField(r.m03, remark);
    setField(r.m04, fullName);
    r.m05 = level;
    setField(r.m06, demo::kAdminUser);
    setField(r.m07, "2024-03-01");
    setField(r.m08, code);
    r.m09 = parent;
    setField(r.m10, demo::kSystem);
    return insertRecord(hdbc, sdsdLayout(), r);
}

bool approvalStep(std::int32_t hdbc, std::int32_t id, const QString& name, const QString& role) {
    MBHJRecord r;
    r.m00 = id;
    setField(r.m01, name);
    setField(r.m02, role);
    setField(r.m03, demo::kSystem);
    setField(r.m04, demo::kMainTable);
    setField(r.m05, name + "环节");
    r.m06 = id;
    r.m07 = 0;
    return insertRecord(hdbc, mbhjLayout(), r);
}

bool report(std::int32_t hdbc, std::int32_t id, const QString& key, const QString& name,
            const QString& remark) {
    RGDTRecord r;
    r.m00 = id;
    setField(r.m01, demo::kSystem);
    setField(r.m02, key);
    setField(r.m03, name);
    setField(r.m04, remark);
    setField(r.m05, "1");
    setField(r.m06, demo::kMainTable);
    setField(r.m07, demo::kAdminUser);
    setField(r.m08, "2024-03-01");
    return insertRecord(hdbc, rgdtLayout(), r);
}

bool exec(std::int32_t hdbc, const QString& sql) {
    return ExecSQL(hdbc, sql) >= 0;
}

// ---- Interfaces -----------------------------------------------------------------------------

std::int32_t interfaceRow(std::int32_t hdbc, const QString& cls, const QString& name,
                          const QString& description, const QString& kind, const QString& flag) {
    INDTRecord r;
    setField(r.id01, demo::kMainTable);
    setField(r.id02, cls);
    setField(r.id03, name);
    setField(r.id04, description);
    setField(r.id05, kind);
    setField(r.id06, "");
    setField(r.id07, flag);
    setField(r.id08, "1");
    setField(r.id09, demo::kSystem);
    setField(r.id10, "0");
    setField(r.id11, "16777215");
    setField(r.id12, "-2147483633");
    setField(r.id13, kind == "1" || kind == "3" ? "9600" : "0");
    setField(r.id14, kind == "1" || kind == "3" ? "7200" : "0");
    setField(r.id15, "0");
    setField(r.id16, "");
    setField(r.id17, "0");
    setField(r.id18, "");
    if (kind == "1") {
        setField(r.id19, "发文登记簿");
        setField(r.id20, "FWDJB");
    }
    return sysINDTInsertRecord(hdbc, r);
}

struct ItemSpec {
    int kind;
    const char* column;  // "" for items without a column
    const char* caption;
    int left, top, width, height;
    const char* value = "";   // default value; caption of free labels and frames
    const char* step = "";    // approval step (check box, postil); sub-table class (kind 12)
    const char* format = "";  // date format
    const char* prompt = "";
};

// An item row as the item-entry designer writes it.
ISITRecord itemRecord(std::int32_t owner, int number, const ItemSpec& s) {
    ISITRecord r;
    r.ii01 = owner;
    const bool captioned = s.kind != 1 && s.kind != 7 && s.kind != 8 && s.kind != 9;
    setField(r.ii02, QString::fromUtf8(s.column));
    setField(r.ii03, QString::fromUtf8(s.caption));
    r.ii04 = number;
    setField(r.ii05, captioned ? "1" : "0");
    setField(r.ii06, QString::number(s.kind));
    if (captioned) {
        r.ii07 = s.left;
        r.ii08 = s.top + 30;
        r.ii09 = s.left + 1080;
        r.ii10 = s.top + 300;
        r.ii11 = s.left + 1140;
    } else {
        r.ii07 = s.kind == 9 || s.kind == 7 ? 1 : 0;  // border width of shapes and lines
        r.ii11 = s.left;
    }
    r.ii12 = s.top;
    r.ii13 = s.kind == 9 ? s.left + s.width : r.ii11 + s.width;
    r.ii14 = s.kind == 9 ? s.top : s.top + s.height;
    setField(r.ii15, "宋体");
    setField(r.ii16, "0000");
    setField(r.ii17, "9");
    setField(r.ii18, "0");
    setField(r.ii19, "-2147483633");
    setField(r.ii20, "宋体");
    setField(r.ii21, s.kind == 1 ? "1000" : "0000");
    setField(r.ii22, s.kind == 1 ? "16" : "9");
    setField(r.ii23, "0");
    setField(r.ii24, s.kind == 1 || s.kind == 8 ? "-2147483633" : "16777215");
    setField(r.ii27, s.kind == 12 ? "1" : "0");
    setField(r.ii28, QString::fromUtf8(s.step));
    setField(r.ii29, QString::number(number));
    // A rectangle takes its fill from member 31: a white panel rather than a black box.
    setField(r.ii31, s.kind == 7 ? "16777215" : "0");
    setField(r.ii33, QString::fromUtf8(s.format));
    setField(r.ii36, QString::fromUtf8(s.value));
    setField(r.ii37, QString::fromUtf8(s.prompt));
    setField(r.ii38, "111111101111");
    setField(r.ii39, "011111111010110");
    setField(r.ii40, s.kind == 11 ? "1111121011110" : "1111111011110");
    setField(r.ii41, "011111111010110");
    setField(r.ii42, s.kind == 2 || s.kind == 10 ? "200" : "0");
    setField(r.ii43, "0");
    return r;
}

// Copies member k of one item or list layout to member k of another.
template <typename S, typename D>
void copyMembers(const Layout& from, const S& source, const Layout& to, D& target) {
    for (std::size_t k = 0; k < to.columns.size(); ++k)
        setColumn(to.columns[k], recordBytes(target),
                  columnValue(from.columns[k], recordBytes(source)));
}

// The thirteen kinds on an item-entry form.
const ItemSpec kEntryItems[] = {
    {1, "ZDYBQ1", "自定义标签1", 3600, 240, 2400, 420, "发文登记表"},
    {8, "", "自定义框架1", 240, 840, 9000, 3000, "基本信息"},
    {2, "bt", "标题", 480, 1140, 7800, 300, "", "", "", "请输入公文标题"},
    {2, "wh", "文号", 480, 1560, 3000, 300, "", "", "", "如：协办发〔2024〕1号"},
    {5, "fwrq", "发文日期", 4920, 1560, 2000, 300, "", "", "yyyy-mm-dd"},
    {4, "mj", "密级", 480, 1980, 3000, 300, "普通"},
    {6, "jjcd", "紧急程度", 4920, 1980, 2000, 900, "平件"},
    {3, "zt", "已核稿", 480, 2400, 2000, 300, "", "核稿"},
    {10, "bz", "备注", 480, 3000, 7800, 600},
    {9, "", "自定义线条1", 240, 4080, 9000, 0},
    {7, "", "自定义矩形1", 240, 4200, 9000, 2400},
    {11, "zw", "正文", 480, 4380, 3000, 300},
    {12, "fj", "附件", 4920, 4380, 3000, 300, "", "附件"},
    {13, "psyj", "领导批示", 480, 4860, 7800, 1200, "", "领导签发"},
    {2, "ngr", "拟稿人", 480, 6240, 3000, 300},
};

struct ColumnSpec {
    const char* column;
    const char* caption;
    int width;
};

const ColumnSpec kListColumns[] = {
    {"bh", "编号", 900},        {"bt", "标题", 3600}, {"wh", "文号", 1800},
    {"fwrq", "发文日期", 1200}, {"mj", "密级", 800},  {"ngr", "拟稿人", 1000},
};

ILITRecord listColumn(std::int32_t owner, int position, const ColumnSpec& c, bool browse) {
    ILITRecord r;
    r.ii01 = owner;
    setField(r.ii02, QString::fromUtf8(c.column));
    setField(r.ii03, QString::fromUtf8(c.caption));
    r.ii04 = position;
    setField(r.ii05, browse ? "1" : "");
    setField(r.ii06, browse ? "2" : "");
    r.ii07 = c.width;
    setField(r.ii15, "宋体");
    setField(r.ii16, "0000");
    setField(r.ii17, "9");
    setField(r.ii18, "0");
    setField(r.ii19, "16777215");
    setField(r.ii20, "宋体");
    setField(r.ii21, "1000");
    setField(r.ii22, "9");
    setField(r.ii23, "0");
    setField(r.ii24, "12632256");
    setField(r.ii25, browse ? "0000111110" : "0000000000");
    setField(r.ii26, browse ? "1100111110" : "0000000000");
    return r;
}

// A template item: the field with its caption and its default control kind.
ISITRecord templateItem(std::int32_t owner, int number, const FieldSpec& f) {
    int kind = 2;
    if (f.kind == FieldKind::Date) kind = 5;
    if (f.kind == FieldKind::DropDown) kind = 4;
    if (f.kind == FieldKind::SubTable) kind = 12;
    if (f.kind == FieldKind::Media) kind = 11;
    const int row = (number - 1) / 2;
    const int left = (number - 1) % 2 == 0 ? 240 : 4800;
    ItemSpec def{kind, f.column, f.caption, left, 240 + row * 420, 3000, 300};
    ISITRecord r = itemRecord(owner, number, def);
    setField(r.ii25, "0000000000");
    setField(r.ii26, "0000000000");
    if (kind == 12) setField(r.ii28, "附件");
    return r;
}

const FieldSpec kMainFields[] = {
    {"bh", "编号", FieldKind::Text, 20},         {"bt", "标题", FieldKind::Text, 200},
    {"wh", "文号", FieldKind::Text, 50},         {"fwrq", "发文日期", FieldKind::Date, 10},
    {"mj", "密级", FieldKind::DropDown, 10},     {"jjcd", "紧急程度", FieldKind::DropDown, 10},
    {"zw", "正文", FieldKind::Media, 0},         {"fj", "附件", FieldKind::SubTable, 0, "GWFJ"},
    {"bz", "备注", FieldKind::Text, 1000},       {"ngr", "拟稿人", FieldKind::Text, 20},
    {"psyj", "批示意见", FieldKind::Text, 1000}, {"zt", "状态", FieldKind::Text, 10},
    {"cjr", "创建人", FieldKind::Text, 20},      {"cjsj", "创建时间", FieldKind::Date, 19},
    {"xgr", "修改人", FieldKind::Text, 20},      {"xgsj", "修改时间", FieldKind::Date, 19},
};
constexpr int kClassFieldCount = 11;  // the class offers the fields up to "批示意见"

// Item rows of interface `owner`, numbered 1, 2, ... in the order of `defs`.
template <class Def>
bool insertItems(std::int32_t hdbc, std::int32_t owner,
                 std::type_identity_t<std::span<const Def>> defs,
                 ISITRecord (*make)(std::int32_t, int, const Def&)) {
    int number = 0;
    for (const Def& def : defs) {
        ISITRecord r = make(owner, ++number, def);
        if (sysISITInsertRecord(hdbc, r) < 1) return false;
    }
    return true;
}

bool loadAll(std::int32_t hdbc, DemoInterfaces& n) {
    // Tables: the key column, four more, then the four the system keeps itself.
    const QStringList gwglColumns{"bh", "bt", "wh", "fwrq", "zt", "cjr", "cjsj", "xgr", "xgsj"};
    if (!tableDefine(hdbc, 1, "GWGL", "公文管理", "", gwglColumns) ||
        !tableDefine(hdbc, 2, "GWFJ", "公文附件", "GWGL",
                     {"fjbh", "fjmc", "wjlx", "", "", "cjr", "cjsj", "xgr", "xgsj"}) ||
        !tableDefine(hdbc, 3, "GWLZ", "公文流转记录", "GWGL",
                     {"lzbh", "hjmc", "blr", "", "", "cjr", "cjsj", "xgr", "xgsj"}) ||
        !tableDefine(hdbc, 4, "HYGL", "会议管理", "",
                     {"hybh", "hymc", "hysj", "hydd", "", "cjr", "cjsj", "xgr", "xgsj"}) ||
        !tableDefine(hdbc, 5, "HYCY", "参会人员", "HYGL",
                     {"cybh", "xm", "dw", "", "", "cjr", "cjsj", "xgr", "xgsj"}))
        return false;

    std::int32_t fieldId = 0;
    for (const FieldSpec& f : kMainFields)
        if (!field(hdbc, ++fieldId, "GWGL", f)) return false;
    const FieldSpec childFields[] = {{"fjbh", "附件编号", FieldKind::Text, 20},
                                     {"fjmc", "附件名称", FieldKind::Text, 100},
                                     {"wjlx", "文件类型", FieldKind::Text, 20},
                                     {"wjnr", "文件内容", FieldKind::Media, 0}};
    for (const FieldSpec& f : childFields)
        if (!field(hdbc, ++fieldId, "GWFJ", f)) return false;
    const FieldSpec meetingFields[] = {{"hybh", "会议编号", FieldKind::Text, 20},
                                       {"hymc", "会议名称", FieldKind::Text, 100},
                                       {"hysj", "会议时间", FieldKind::Date, 19},
                                       {"hydd", "会议地点", FieldKind::Text, 100},
                                       {"cyry", "参会人员", FieldKind::SubTable, 0, "HYCY"}};
    for (const FieldSpec& f : meetingFields)
        if (!field(hdbc, ++fieldId, "HYGL", f)) return false;

    // Classes two levels deep: a sub-class's full name is its parent's followed by its
    // identifier.
    if (!sdsd(hdbc, 1, "发文", "发文", "发文", 1, 0, "本单位对外发出的公文") ||
        !sdsd(hdbc, 2, "收文", "收文", "收文", 1, 0, "外单位来文") ||
        !sdsd(hdbc, 3, "上行文", "发文/上行文", "/上行文", 2, 1, "报送上级机关的公文") ||
        !sdsd(hdbc, 4, "下行文", "发文/下行文", "/下行文", 2, 1, "下发所属单位的公文") ||
        !sdsd(hdbc, 5, "来文登记", "收文/来文登记", "/来文登记", 2, 2, "来文的登记与分办"))
        return false;
    // Classes of the attachments' sub-table, which a sub-table item of a form may be given.
    if (!sdsd(hdbc, 6, "正文附件", "正文附件", "正文附件", 1, 0, "随正文的附件",
              demo::kChildTable) ||
        !sdsd(hdbc, 7, "参考资料", "参考资料", "参考资料", 1, 0, "供参考的材料",
              demo::kChildTable) ||
        !sdsd(hdbc, 8, "扫描件", "正文附件/扫描件", "/扫描件", 2, 6, "纸质附件的扫描",
              demo::kChildTable))
        return false;

    if (!approvalStep(hdbc, 1, "拟稿", "拟稿人") || !approvalStep(hdbc, 2, "核稿", "办公室") ||
        !approvalStep(hdbc, 3, "部门审核", "部门负责人") ||
        !approvalStep(hdbc, 4, "领导签发", "分管领导") || !approvalStep(hdbc, 5, "归档", "档案室"))
        return false;

    if (!report(hdbc, 1, "FWDJB", "发文登记簿", "按月汇总的发文登记") ||
        !report(hdbc, 2, "SWDJB", "收文登记簿", "来文登记与分办情况") ||
        !report(hdbc, 3, "GWCBD", "公文催办单", "未办结公文的催办"))
        return false;

    if (!exec(hdbc, "insert into sysgroup values (1, '管理员', '系统管理人员')") ||
        !exec(hdbc, "insert into sysgroup values (2, '普通用户', '一般工作人员')") ||
        !exec(hdbc, "insert into sysuser values (1, " + sqlQuote(demo::kAdminUser) +
                        ", '办公室系统管理员')") ||
        !exec(hdbc,
              "insert into sysuser values (2, " + sqlQuote(demo::kUser) + ", '综合科科员')") ||
        !exec(hdbc,
              "insert into sysmember values (1, '管理员', " + sqlQuote(demo::kAdminUser) + ")") ||
        !exec(hdbc,
              "insert into sysmember values (2, '普通用户', " + sqlQuote(demo::kUser) + ")") ||
        !exec(hdbc, "insert into syspath values (1, '文件库', '报表库')"))
        return false;

    // Templates.
    n.systemTemplate = interfaceRow(hdbc, "", "公文管理系统模板", "公文管理的全部字段", "6", "");
    if (n.systemTemplate <= 0) return false;
    if (!insertItems(hdbc, n.systemTemplate, std::span(kMainFields), templateItem)) return false;
    n.classTemplate =
        interfaceRow(hdbc, demo::kClass, "[发文]分类模板", "发文类公文的字段", "5", "");
    if (n.classTemplate <= 0 ||
        !insertItems(hdbc, n.classTemplate, std::span(kMainFields).first(kClassFieldCount),
                     templateItem))
        return false;

    // One interface of each kind.
    n.itemEntry = interfaceRow(hdbc, demo::kClass, "发文登记", "发文的登记录入", "1", "");
    if (n.itemEntry <= 0 || !insertItems(hdbc, n.itemEntry, std::span(kEntryItems), itemRecord))
        return false;
    n.itemEntrySecond =
        interfaceRow(hdbc, demo::kClass, "发文登记（简版）", "只录标题和文号", "1", "aaaaa");
    if (n.itemEntrySecond <= 0 ||
        !insertItems(hdbc, n.itemEntrySecond, std::span(kEntryItems).subspan(2, 2), itemRecord))
        return false;

    n.itemSearch = interfaceRow(hdbc, demo::kClass, "发文查询", "按条件检索发文", "3", "");
    if (n.itemSearch <= 0) return false;
    int number = 0;
    for (const ItemSpec& s : kEntryItems) {
        if (s.kind == 13) continue;  // search forms have no postil
        ISITRecord entry = itemRecord(n.itemSearch, ++number, s);
        IJSTRecord r;
        copyMembers(isitLayout(), entry, ijstLayout(), r);
        setField(r.is33, "");
        if (sysIJSTInsertRecord(hdbc, r) < 1) return false;
    }

    n.listEntry = interfaceRow(hdbc, demo::kClass, "发文列表录入", "成批录入发文", "2", "");
    n.browseList = interfaceRow(hdbc, demo::kClass, "发文浏览", "发文的浏览列表", "4", "");
    if (n.listEntry <= 0 || n.browseList <= 0) return false;
    int position = 0;
    for (const ColumnSpec& c : kListColumns) {
        ++position;
        ILITRecord entry = listColumn(n.listEntry, position, c, false);
        if (sysILITInsertRecord(hdbc, entry) < 1) return false;
        ILITRecord browse = listColumn(n.browseList, position, c, true);
        ILSTRecord r;
        copyMembers(ilitLayout(), browse, ilstLayout(), r);
        if (sysILSTInsertRecord(hdbc, r) < 1) return false;
    }

    // The approval route of the entry form: every step but the last.
    if (!exec(hdbc, "insert into mbrw (mr00, mr01, mr05) values (1, '发文流程', " +
                        sqlQuote(QString::number(n.itemEntry)) + ")"))
        return false;
    for (int step = 1; step <= 4; ++step)
        if (!exec(hdbc, QString("insert into mbzx values (%1, 1, %1, %1)").arg(step))) return false;
    return true;
}

}  // namespace

bool loadDemoData(std::int32_t hdbc, DemoInterfaces* numbers) {
    if (!connection(hdbc)) return false;
    // Only into a database without interfaces: the set is never mixed into real work.
    if (GetRecordsetCount(hdbc, "select id00 from indt") != 0) return false;
    if (odbc_BeginTrans(hdbc) < 0) return false;
    DemoInterfaces n;
    if (!loadAll(hdbc, n)) {
        odbc_RollbackTrans(hdbc);
        return false;
    }
    if (odbc_CommitTrans(hdbc) < 0) return false;
    if (numbers) *numbers = n;
    return true;
}

}  // namespace zelk
