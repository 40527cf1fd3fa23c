#pragma once
// What the transfer tests share: a sink that records the page, sample interfaces of every kind
// built from package lines, and a digest of the interface tables.

#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "transfer/packagelines.h"
#include "transfer/transfersink.h"

namespace zelk::transfertest {

class FakeSink : public TransferSink {
  public:
    QString status;
    bool progressVisible = false;
    int progressMax = 0;
    int value = 0;
    bool counterVisible = false;
    QString counter;
    bool stop = false;
    int pumps = 0;
    std::function<void(FakeSink&)> onPump;

    void setStatus(const QString& text) override { status = text; }
    void setProgressVisible(bool visible) override { progressVisible = visible; }
    void setProgressMax(int maximum) override { progressMax = maximum; }
    void setProgressValue(int v) override { value = v; }
    int progressValue() const override { return value; }
    void setCounterVisible(bool visible) override { counterVisible = visible; }
    void setCounter(const QString& text) override { counter = text; }
    void pumpEvents() override {
        ++pumps;
        if (onPump) onPump(*this);
    }
    bool stopRequested() const override { return stop; }
    void setStopRequested(bool on) override { stop = on; }
};

// Writes (or with `mode` appends) `bytes` to the file; false when that fails.
inline bool writeFile(const QString& path, const QByteArray& bytes,
                      QIODevice::OpenMode mode = QIODevice::WriteOnly) {
    QFile file(path);
    return file.open(mode) && file.write(bytes) == bytes.size();
}
inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Piece k is is `text(k)` for text members and k + base for integers.
inline QString sampleLine(const LineTable& table, int base, const QString& tag,
                          const QString& bound = QString()) {
    QStringList pieces;
    for (int k = 0; k < table.columnCount(); ++k) {
        if (k == 2 && !bound.isNull())
            pieces << bound;
        else if (table.members[static_cast<std::size_t>(k)].isInt())
            pieces << QString::number(base + k);
        else
            pieces << QStringLiteral("%1第%2列").arg(tag).arg(k);
    }
    return pieces.join(QChar(u'|'));
}

struct SampleInterface {
    std::int32_t number;
    int kind;
    QString name;
    int items;
};

// Interfaces of every kind code 0 to 7 in class "发文" of GWGL, system "协同办公", with fixed
// numbers; item rows made from sample lines (bound column "F<n>").
inline std::vector<SampleInterface> sampleInterfaces() {
    return {
        {101, 1, QStringLiteral("收文登记"), 3},       {102, 2, QStringLiteral("收文列表"), 2},
        {103, 3, QStringLiteral("收文检索"), 2},       {104, 4, QStringLiteral("收文浏览"), 2},
        {105, 5, QStringLiteral("[发文]分类模板"), 2}, {106, 6, QStringLiteral("公文模板"), 1},
        {107, 7, QStringLiteral("其他界面"), 0},       {108, 0, QStringLiteral("未分类界面"), 0}};
}

inline INDTRecord sampleIndt(const SampleInterface& s, const QString& className) {
    INDTRecord r;
    EXPECT_FALSE(parseLine(indtLineTable(), sampleLine(indtLineTable(), s.number, s.name), &r));
    r.id00 = s.number;
    setField(r.id01, QStringLiteral("GWGL"));
    setField(r.id02, className);
    setField(r.id03, s.name);
    setField(r.id05, QString::number(s.kind));
    setField(r.id07, s.kind == 1 ? QStringLiteral("1") : QString());
    setField(r.id09, QStringLiteral("协同办公"));
    return r;
}

void insertSample(std::int32_t hdbc, const SampleInterface& s, const QString& className);

// Every row of the five interface tables, keys included, in a stable order.
QString tablesDigest(std::int32_t hdbc);

}  // namespace zelk::transfertest
