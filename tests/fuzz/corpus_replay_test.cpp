#include "targets.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using Target = int (*)(const std::uint8_t*, std::size_t);

struct Corpus {
    const char* folder;
    Target target;
};

// Every input the fuzzers kept runs through its target on every test run.
TEST(FuzzCorpus, EveryKeptInputRunsCleanly) {
    const Corpus corpora[] = {
        {"record_reader", lendora::fuzz::recordReader},
        {"loaders", lendora::fuzz::loaders},
        {"numbers", lendora::fuzz::numbers},
        {"workbook", lendora::fuzz::workbook},
    };
    for (const Corpus& corpus : corpora) {
        QDir dir(QStringLiteral(LENDORA_FUZZ_CORPUS "/") + QString::fromLatin1(corpus.folder));
        const QStringList names = dir.entryList(QDir::Files);
        EXPECT_GE(names.size(), 5) << corpus.folder << ": the corpus is missing";
        for (const QString& name : names) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            EXPECT_EQ(corpus.target(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    std::size_t(bytes.size())),
                      0)
                << corpus.folder << "/" << name.toStdString();
        }
    }
}

} // namespace
