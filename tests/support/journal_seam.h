#pragma once

#include <QByteArray>
#include <QString>

#include <map>

namespace lendora::test {

// While it lives, stops every journaled save or recovery after its k-th file
// operation (never for k < 1), and counts the operations.
class StopAfter {
public:
    explicit StopAfter(int k = 0);
    ~StopAfter();
    StopAfter(const StopAfter&) = delete;
    StopAfter& operator=(const StopAfter&) = delete;

    int count() const { return count_; }

private:
    int count_ = 0;
};

// The files of a folder by name, to compare whole folders: its data, not the
// lock of the copy that works in it.
using Files = std::map<QString, QByteArray>;
Files filesOf(const QString& folder);
void writeFiles(const QString& folder, const Files& files);

} // namespace lendora::test
