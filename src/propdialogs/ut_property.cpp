#include "propdialogs/ut_property.h"

#include <QStringList>

namespace zelk {

namespace {

struct StandardRow {
    const char* name;
    const char* caption;
    std::int32_t kind;
    QVariant (*value)();
};

QVariant int16Value(std::int16_t v) {
    return QVariant::fromValue<qint16>(v);
}

// The rows every type picks from, in the order of the type lists below.
const StandardRow kRows[] = {
    {"Appearance", "3D", 2, [] { return int16Value(1); }},
    {"BackColor", "背景色", 3,
     [] { return QVariant::fromValue<qint32>(static_cast<qint32>(0x8000000Fu)); }},
    {"Caption", "标题", 8, [] { return QVariant(QString()); }},
    {"Default", "缺省", 2, [] { return QVariant(false); }},
    {"Enabled", "有效", 2, [] { return QVariant(false); }},
    {"FontName", "字体名称", 8, [] { return QVariant(QStringLiteral("宋体")); }},
    {"FontSize", "字体大小", 2, [] { return int16Value(9); }},
    {"FontBold", "字体粗细", 2, [] { return QVariant(false); }},
    {"FontItalic", "字体倾斜", 2, [] { return QVariant(false); }},
    {"FontUnderline", "下划线", 2, [] { return QVariant(false); }},
    {"FontStrikethru", "删除线", 2, [] { return QVariant(false); }},
    {"Picture", "图片", 8, [] { return QVariant(QString()); }},
    {"TabIndex", "TAB顺序", 2, [] { return int16Value(0); }},
    {"Text", "文字", 8, [] { return QVariant(QString()); }},
    {"Visible", "可见", 2, [] { return QVariant(false); }},
    {"Left", "左", 3, [] { return int16Value(300); }},
    {"Top", "上", 3, [] { return int16Value(300); }},
    {"Width", "宽度", 3, [] { return int16Value(1500); }},
    {"Height", "高度", 3, [] { return int16Value(350); }},
    {"X1", "左", 3, [] { return int16Value(0); }},
    {"Y1", "上", 3, [] { return int16Value(0); }},
    {"X2", "右", 3, [] { return int16Value(100); }},
    {"Y2", "下", 3, [] { return int16Value(100); }},
    {"BorderWidth", "线宽", 3, [] { return int16Value(1); }},
    {"BorderStyle", "线形", 2, [] { return int16Value(0); }},
    {"BorderColor", "颜色", 3, [] { return QVariant::fromValue<qint32>(0); }},
};

struct StandardType {
    const char* name;
    const char* rows;  // row names separated by blanks
};

const StandardType kTypes[] = {
    {"CommandButton",
     "Appearance BackColor Caption Default Enabled FontName FontSize FontBold FontItalic "
     "FontUnderline FontStrikethru Picture TabIndex Visible Left Top Width Height"},
    {"Label",
     "Appearance BackColor Caption Default Enabled FontName FontSize FontBold FontItalic "
     "FontUnderline FontStrikethru Visible Left Top Width Height"},
    {"Image", "Visible Left Top Width Height"},
    {"TextBox",
     "Appearance BackColor Enabled FontName FontSize FontBold FontItalic FontUnderline "
     "FontStrikethru TabIndex Text Visible Left Top Width Height"},
    {"ComboBox",
     "Appearance BackColor Default Enabled FontName FontSize FontBold FontItalic FontUnderline "
     "FontStrikethru TabIndex Text Visible Left Top Width"},
    {"ListBox",
     "Appearance BackColor Enabled FontName FontSize FontBold FontItalic FontUnderline "
     "FontStrikethru TabIndex Visible Left Top Width Height"},
    {"Line", "X1 Y1 X2 Y2 BorderWidth BorderStyle BorderColor"},
    {"Shape", "Visible Left Top Width Height"},
    {"CheckBox",
     "Appearance BackColor Default Enabled FontName FontSize FontBold FontItalic FontUnderline "
     "FontStrikethru TabIndex Visible Left Top Width Height"},
    {"OptionButton",
     "Appearance BackColor Caption Enabled FontName FontSize FontBold FontItalic FontUnderline "
     "FontStrikethru TabIndex Visible Left Top Width Height"},
    {"Frame",
     "Appearance BackColor Caption FontName FontSize FontBold FontItalic FontUnderline "
     "FontStrikethru Visible Left Top Width Height"},
};

const StandardRow* standardRow(const QString& name) {
    for (const StandardRow& row : kRows)
        if (name == QLatin1String(row.name)) return &row;
    return nullptr;
}

}  // namespace

void ut_Property::AddProperty(const QString& Name, const QString& Caption, std::int32_t Kind,
                              const QVariant& Value) {
    ut_propertyItem item;
    item.Name = Name;
    item.Kind = Kind;
    item.Caption = Caption;
    item.DefaultValue = Value;
    item.Value = Value;
    items_.push_back(std::move(item));
}

void ut_Property::RemoveAll() {
    while (!items_.empty()) items_.pop_back();
}

void ut_Property::WriteProperty(const QString& Name, const QVariant& Value) {
    for (ut_propertyItem& item : items_) {
        if (item.Name == Name) {
            item.Value = Value;
            return;
        }
    }
}

QVariant ut_Property::ReadProperty(const QString& Name) const {
    for (const ut_propertyItem& item : items_)
        if (item.Name.compare(Name, Qt::CaseInsensitive) == 0) return item.Value;
    return QVariant();
}

void ut_Property::LoadStandardProperties(const QString& TypeName) {
    for (const StandardType& type : kTypes) {
        if (TypeName != QLatin1String(type.name)) continue;
        const QStringList names = QString::fromLatin1(type.rows).split(QLatin1Char(' '));
        for (const QString& name : names) {
            const StandardRow* row = standardRow(name);
            AddProperty(name, QString::fromUtf8(row->caption), row->kind, row->value());
        }
        return;
    }
}

}  // namespace zelk
