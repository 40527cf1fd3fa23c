#pragma once
// A small catalogue of named properties: each entry has a name, a caption, a value type code, a
// default value and a current value. Filled entry by entry or with the standard set of a control
// type; written by exact name, read ignoring case. Values are variants: invalid for Empty,
// Booleans, 16-bit numbers, the two colours 32-bit, texts.

#include <QString>
#include <QVariant>
#include <cstdint>
#include <vector>

namespace zelk {

class ut_propertyItem {
  public:
    QString Name;
    QString Caption;
    QVariant Value;
    QVariant DefaultValue;
    std::int32_t Kind = 0;  // 2 Integer or Boolean, 3 Long, 8 String
};

class ut_Property {
  public:
    void AddProperty(const QString& Name, const QString& Caption, std::int32_t Kind,
                     const QVariant& Value);
    void RemoveAll();
    // The first entry of exactly that name; none: nothing happens.
    void WriteProperty(const QString& Name, const QVariant& Value);
    // The first entry of that name in any case; none: Empty (an invalid variant).
    QVariant ReadProperty(const QString& Name) const;
    // Appends the standard entries of one of the eleven type names (exact); others add nothing.
    void LoadStandardProperties(const QString& TypeName);

    int Count() const { return static_cast<int>(items_.size()); }
    // Entries in order of addition, from 1.
    const ut_propertyItem& Item(int index) const { return items_.at(index - 1); }

  private:
    std::vector<ut_propertyItem> items_;
};

}  // namespace zelk
