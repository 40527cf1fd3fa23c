#include "platform/automation/variant.h"

#include <cmath>
#include <limits>
#include <ostream>

namespace zelk {

namespace {

[[noreturn]] void mismatch(const Variant& from, VarType to) {
    throw AutomationError(
        HResult::TypeMismatch,
        QStringLiteral("cannot convert %1 to %2").arg(from.debugText(), typeName(to)));
}

[[noreturn]] void overflow(const Variant& from, VarType to) {
    throw AutomationError(
        HResult::Overflow,
        QStringLiteral("%1 is out of the range of %2").arg(from.debugText(), typeName(to)));
}

// A number written in text: blanks around it allowed, point as decimal separator.
bool parseNumber(const QString& text, double& out) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d)) return false;
    out = d;
    return true;
}

// Round halves to the even neighbour, whatever rounding mode is set.
double roundHalfEven(double d) {
    const double r = std::round(d);
    if (std::fabs(d - std::trunc(d)) == 0.5) return 2.0 * std::round(d / 2.0);
    return r;
}

}  // namespace

QString typeName(VarType type) {
    switch (type) {
        case VarType::Empty:
            return QStringLiteral("Empty");
        case VarType::Bool:
            return QStringLiteral("Boolean");
        case VarType::Int32:
            return QStringLiteral("Long");
        case VarType::Single:
            return QStringLiteral("Single");
        case VarType::Text:
            return QStringLiteral("String");
        case VarType::Any:
            return QStringLiteral("Variant");
    }
    return QString();
}

VarType Variant::type() const {
    switch (v_.index()) {
        case 1:
            return VarType::Bool;
        case 2:
            return VarType::Int32;
        case 3:
            return VarType::Single;
        case 4:
            return VarType::Text;
        default:
            return VarType::Empty;
    }
}

bool Variant::toBool() const {
    switch (type()) {
        case VarType::Empty:
            return false;
        case VarType::Bool:
            return std::get<bool>(v_);
        case VarType::Int32:
            return std::get<std::int32_t>(v_) != 0;
        case VarType::Single:
            return std::get<float>(v_) != 0.0f;
        case VarType::Text: {
            const QString t = std::get<QString>(v_).trimmed();
            if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
            if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
            double d = 0;
            if (parseNumber(t, d)) return d != 0.0;
            break;
        }
        case VarType::Any:
            break;
    }
    mismatch(*this, VarType::Bool);
}

std::int32_t Variant::toInt32() const {
    double d = 0;
    switch (type()) {
        case VarType::Empty:
            return 0;
        case VarType::Bool:
            return std::get<bool>(v_) ? -1 : 0;
        case VarType::Int32:
            return std::get<std::int32_t>(v_);
        case VarType::Single:
            d = std::get<float>(v_);
            break;
        case VarType::Text:
            if (!parseNumber(std::get<QString>(v_), d)) mismatch(*this, VarType::Int32);
            break;
        case VarType::Any:
            mismatch(*this, VarType::Int32);
    }
    if (!std::isfinite(d)) overflow(*this, VarType::Int32);
    const double r = roundHalfEven(d);
    if (r < -2147483648.0 || r > 2147483647.0) overflow(*this, VarType::Int32);
    return static_cast<std::int32_t>(r);
}

float Variant::toSingle() const {
    double d = 0;
    switch (type()) {
        case VarType::Empty:
            return 0.0f;
        case VarType::Bool:
            return std::get<bool>(v_) ? -1.0f : 0.0f;
        case VarType::Int32:
            return static_cast<float>(std::get<std::int32_t>(v_));
        case VarType::Single:
            return std::get<float>(v_);
        case VarType::Text:
            if (!parseNumber(std::get<QString>(v_), d)) mismatch(*this, VarType::Single);
            break;
        case VarType::Any:
            mismatch(*this, VarType::Single);
    }
    if (std::fabs(d) > std::numeric_limits<float>::max()) overflow(*this, VarType::Single);
    return static_cast<float>(d);
}

QString Variant::toText() const {
    switch (type()) {
        case VarType::Empty:
            return QString();
        case VarType::Bool:
            return std::get<bool>(v_) ? QStringLiteral("True") : QStringLiteral("False");
        case VarType::Int32:
            return QString::number(std::get<std::int32_t>(v_));
        case VarType::Single:
            return QString::number(static_cast<double>(std::get<float>(v_)), 'g', 7);
        case VarType::Text:
            return std::get<QString>(v_);
        case VarType::Any:
            break;
    }
    mismatch(*this, VarType::Text);
}

Variant Variant::convertedTo(VarType target) const {
    switch (target) {
        case VarType::Empty:
            return Variant();
        case VarType::Bool:
            return Variant(toBool());
        case VarType::Int32:
            return Variant(toInt32());
        case VarType::Single:
            return Variant(toSingle());
        case VarType::Text:
            return Variant(toText());
        case VarType::Any:
            return *this;
    }
    return *this;
}

QString Variant::debugText() const {
    switch (type()) {
        case VarType::Empty:
            return QStringLiteral("Empty");
        case VarType::Text:
            return QStringLiteral("String \"%1\"").arg(std::get<QString>(v_));
        default:
            return typeName(type()) + QLatin1Char(' ') + toText();
    }
}

std::ostream& operator<<(std::ostream& os, const Variant& v) {
    return os << v.debugText().toStdString();
}

}  // namespace zelk
