#include "support/golden.h"

#include "support/workspace.h"

#include <QDir>

#include <gtest/gtest.h>

namespace lendora::test {

QString dataFolder(const QString& relativePath) {
    return QStringLiteral(LENDORA_TEST_DATA_ROOT "/") + relativePath;
}

void copyFolder(const QString& folder, const TempWorkspace& workspace) {
    const QDir dir(folder);
    ASSERT_TRUE(dir.exists()) << qPrintable(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        workspace.write(name, readFile(dir.filePath(name)));
}

void expectSameFiles(const TempWorkspace& workspace, const QString& folder) {
    const QDir dir(folder);
    QStringList expected = dir.entryList(QDir::Files | QDir::Hidden);
    expected.sort();
    EXPECT_EQ(workspace.files().join(u' ').toStdString(), expected.join(u' ').toStdString())
        << "files of " << qPrintable(folder);
    for (const QString& name : expected) {
        if (workspace.exists(name)) {
            EXPECT_EQ(visible(workspace.read(name)), visible(readFile(dir.filePath(name))))
                << "file " << qPrintable(name) << " against " << qPrintable(folder);
        }
    }
}

} // namespace lendora::test
