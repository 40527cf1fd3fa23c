#pragma once
// The values that cross the automation boundary: empty, Boolean, 32-bit integer, single-precision
// float and text. Conversions follow the automation rules the host expects: True is -1, numbers
// in text are read with a point as decimal separator, a float becomes an integer by rounding
// halves to even, and a value outside the target's range is an overflow, never a wrap.

#include <cstdint>
#include <iosfwd>
#include <variant>

#include <QString>

#include "platform/automation/errors.h"

namespace zelk {

// Declared types of parameters and properties; Any takes a value as it comes.
enum class VarType { Empty, Bool, Int32, Single, Text, Any };

QString typeName(VarType type);

class Variant {
  public:
    Variant() = default;
    Variant(bool value) : v_(value) {}
    Variant(std::int32_t value) : v_(value) {}
    Variant(float value) : v_(value) {}
    Variant(QString value) : v_(std::move(value)) {}
    Variant(const char* utf8) : v_(QString::fromUtf8(utf8)) {}
    // A double has no automation type of its own here; say which one is meant.
    Variant(double) = delete;

    VarType type() const;
    bool isEmpty() const { return type() == VarType::Empty; }

    // Conversions; a value that cannot be converted throws AutomationError (TypeMismatch or
    // Overflow).
    bool toBool() const;
    std::int32_t toInt32() const;
    float toSingle() const;
    QString toText() const;
    Variant convertedTo(VarType type) const;

    // Same type and same value.
    friend bool operator==(const Variant& a, const Variant& b) { return a.v_ == b.v_; }

    // "Int32 42", "Text \"abc\"", for messages and test output.
    QString debugText() const;

  private:
    std::variant<std::monostate, bool, std::int32_t, float, QString> v_;
};

std::ostream& operator<<(std::ostream& os, const Variant& v);

}  // namespace zelk
