#pragma once
// Class and interface identifiers: 128-bit values written as
// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" in the settings store and in code.

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

#include <QString>

namespace zelk {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    // The braced form, hex digits of either case; nullopt for anything else.
    static constexpr std::optional<Guid> parse(std::string_view text);
    static std::optional<Guid> parse(const QString& text) {
        if (text.size() != 38) return std::nullopt;
        const QByteArray latin = text.toLatin1();
        return parse(std::string_view(latin.constData(), static_cast<std::size_t>(latin.size())));
    }
    // For identifiers fixed in code: a malformed literal fails to compile.
    static consteval Guid literal(std::string_view text) {
        const auto g = parse(text);
        if (!g) throw std::invalid_argument("malformed identifier");
        return *g;
    }

    // Upper-case hex in braces, as the store holds it.
    QString toString() const;
    constexpr bool isNull() const { return *this == Guid{}; }

    friend constexpr auto operator<=>(const Guid&, const Guid&) = default;
};

using CLSID = Guid;
using IID = Guid;

constexpr std::optional<Guid> Guid::parse(std::string_view text) {
    // {01234567-0123-0123-0123-0123456789AB}: dashes at 9, 14, 19, 24.
    if (text.size() != 38 || text.front() != '{' || text.back() != '}') return std::nullopt;
    std::array<std::uint8_t, 16> bytes{};
    std::size_t pos = 1;
    for (std::size_t i = 0; i < 16; ++i) {
        if (pos == 9 || pos == 14 || pos == 19 || pos == 24) {
            if (text[pos] != '-') return std::nullopt;
            ++pos;
        }
        std::uint8_t byte = 0;
        for (int half = 0; half < 2; ++half, ++pos) {
            const char c = text[pos];
            int v = -1;
            if (c >= '0' && c <= '9') v = c - '0';
            if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
            if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
            if (v < 0) return std::nullopt;
            byte = static_cast<std::uint8_t>(byte * 16 + v);
        }
        bytes[i] = byte;
    }
    if (pos != 37) return std::nullopt;
    Guid g;
    g.data1 = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
              (std::uint32_t{bytes[2]} << 8) | bytes[3];
    g.data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
    g.data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
    for (std::size_t i = 0; i < 8; ++i) g.data4[i] = bytes[8 + i];
    return g;
}

}  // namespace zelk
