#include "transfer/packageheader.h"

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "platform/prompts.h"
#include "transfer/packagefile.h"
#include "transfer/packagelines.h"
#include "transfer/transfersink.h"

namespace zelk {

namespace {

PackageRefusal notAPackage(int line, const QString& reason) {
    return {QStringLiteral("非界面数据包文件,或文件被破坏!\n") + lineDetail(line, reason),
            QString(), vbOKOnly};
}

PackageRefusal invalidPackage(const QString& detail) {
    return {QStringLiteral("无效的界面数据文件!\n") + detail, QStringLiteral("系统提示"), vbOKOnly};
}

PackageRefusal invalidLine(int line, const QString& reason) {
    return invalidPackage(lineDetail(line, reason));
}

}  // namespace

QString sectionMarker(std::int32_t number) {
    return QStringLiteral("[#") + QString::number(number) + QStringLiteral("]");
}

std::optional<PackageRefusal> readPackageHeader(const QString& path, PackageHeader& header) {
    PackageReader reader;
    if (!reader.open(path)) return invalidPackage(lineErrorText(LineError::CannotOpen));
    PackageHeader read;
    read.path = path;
    QString line;
    if (!reader.readLine(line)) return notAPackage(1, lineErrorText(reader.error()));
    if (line != kPackageMark) return notAPackage(1, QStringLiteral("首行不是“界面数据包”"));
    for (int n = 2; n <= 11; ++n) {
        if (!reader.readLine(line)) return invalidLine(n, lineErrorText(reader.error()));
        if (n >= 4 && n <= 8) read.values[static_cast<std::size_t>(n - 4)] = line;
    }
    if (!isNumeric(line))
        return PackageRefusal{QStringLiteral("界面数据包未包含界面数据\n") +
                                  lineDetail(11, QStringLiteral("界面数目不是数字")),
                              QString(), vbOKOnly};
    const std::optional<std::int32_t> count = wholeCount(line);
    if (!count || *count > 32767)
        return invalidLine(11, QStringLiteral("界面数目不是 0 到 32767 的整数"));
    for (int k = 1; k <= *count; ++k) {
        const int n = 11 + k;
        if (!reader.readLine(line)) return invalidLine(n, lineErrorText(reader.error()));
        INDTRecord record;
        if (const auto fault = parseLine(indtLineTable(), line, &record))
            return invalidLine(n, fault->describe(indtLineTable()));
        const std::optional<int> kind = transferKindCode(record);
        if (!kind) return invalidLine(n, QStringLiteral("界面类型不是 0 到 7"));
        read.indtLines << line;
        read.records.push_back(record);
        read.kinds.push_back(*kind);
    }
    header = std::move(read);
    return std::nullopt;
}

std::optional<QString> checkPackage(const QString& path, const QStringList& indtLines,
                                    const std::vector<int>& tickedRows, CheckedPackage& checked) {
    checked.sections.clear();
    PackageReader reader;
    if (!reader.open(path)) return lineErrorText(LineError::CannotOpen);
    const QString changed = QStringLiteral("界面数据包已不是列表所示的文件");
    QString line;
    auto next = [&]() { return reader.readLine(line); };
    auto readFault = [&]() {
        return lineDetail(reader.lineNumber(), lineErrorText(reader.error()));
    };

    // The header must still be the one the lists show.
    for (int n = 1; n <= 11; ++n) {
        if (!next()) return readFault();
        if (n == 1 && line != kPackageMark) return lineDetail(1, changed);
    }
    if (wholeCount(line) != indtLines.size()) return lineDetail(11, changed);
    std::map<QString, const LineTable*> tables;
    for (const QString& expected : indtLines) {
        if (!next()) return readFault();
        if (line != expected) return lineDetail(reader.lineNumber(), changed);
        INDTRecord record;
        if (parseLine(indtLineTable(), line, &record))
            return lineDetail(reader.lineNumber(), changed);
        const std::optional<int> kind = transferKindCode(record);
        const ItemKind* item = kind ? itemKindByName(TransferKindNames(*kind).name) : nullptr;
        // Two interfaces of one number must agree on their item table: they share a section.
        const auto [known, added] =
            tables.emplace(sectionMarker(record.id00), item ? item->lines : nullptr);
        if (!added && known->second != (item ? item->lines : nullptr))
            return lineDetail(reader.lineNumber(), QStringLiteral("界面号重复而类型不同"));
    }

    // Sections: an empty line, "[#n]", the count and exactly that many item lines; then "#结束".
    std::vector<char> record(2048);
    for (;;) {
        if (!next()) {
            if (reader.error() == LineError::End)
                return lineDetail(reader.lineNumber() + 1, QStringLiteral("文件未以“#结束”结束"));
            return readFault();
        }
        if (line == kPackageEnd) {
            if (next())
                return lineDetail(reader.lineNumber(), QStringLiteral("“#结束”之后还有内容"));
            if (reader.error() != LineError::End) return readFault();
            break;
        }
        if (!line.isEmpty())
            return lineDetail(reader.lineNumber(), QStringLiteral("此处应为空行或“#结束”"));
        if (!next()) return readFault();
        const QString marker = line;
        const bool isMarker = marker.startsWith(QStringLiteral("[#")) &&
                              marker.endsWith(QChar(u']')) &&
                              numericInt32(marker.mid(2, marker.size() - 3)).has_value();
        if (!isMarker)
            return lineDetail(reader.lineNumber(), QStringLiteral("此处应为“[#界面号]”"));
        if (!next()) return readFault();
        const std::optional<std::int32_t> count = wholeCount(line);
        if (!count)
            return lineDetail(reader.lineNumber(), QStringLiteral("条目数不是从 0 起的整数"));
        SectionPlace place{*count, reader.position(), reader.lineNumber() + 1};
        const auto table = tables.find(marker);
        const LineTable* lines = table == tables.end() ? nullptr : table->second;
        for (std::int32_t k = 0; k < *count; ++k) {
            if (!next()) return readFault();
            if (!lines) continue;
            if (const auto fault = parseLine(*lines, line, record.data()))
                return lineDetail(reader.lineNumber(), fault->describe(*lines));
        }
        checked.sections.emplace(marker, place);
    }

    for (int row : tickedRows) {
        if (row < 1 || row > indtLines.size()) continue;
        INDTRecord record;
        parseLine(indtLineTable(), indtLines[row - 1], &record);
        if (!checked.sections.count(sectionMarker(record.id00)))
            return lineDetail(11 + row,
                              QStringLiteral("界面 %1 没有数据段").arg(sectionMarker(record.id00)));
    }
    return std::nullopt;
}

}  // namespace zelk
