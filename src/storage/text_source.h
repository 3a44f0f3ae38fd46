#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lendora {

// The bytes of a record file and how its texts decode: UTF-8 when the bytes
// are valid UTF-8 (a byte order mark is dropped), Windows-1252 otherwise.
// Tables keep read items as spans of it and decode a cell when it is used.
class TextSource {
public:
    explicit TextSource(const QByteArray& fileBytes);

    const QByteArray& bytes() const { return bytes_; }
    bool isUtf8() const { return utf8_; }
    QString decode(qsizetype offset, qsizetype length) const;
    QByteArrayView view(qsizetype offset, qsizetype length) const {
        return QByteArrayView(bytes_.constData() + offset, length);
    }

private:
    QByteArray bytes_;
    bool utf8_;
};

// Decodes bytes as Windows-1252.
QString decodeWindows1252(QByteArrayView bytes);

} // namespace lendora
