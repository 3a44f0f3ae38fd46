#include "storage/text_source.h"

namespace lendora {

namespace {
// Windows-1252 at 0x80..0x9F; the five unassigned bytes keep their C1 code.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b <= 0x9F) ? QChar(cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

TextSource::TextSource(const QByteArray& fileBytes)
    : bytes_(fileBytes.startsWith("\xEF\xBB\xBF") ? fileBytes.sliced(3) : fileBytes)
    , utf8_(bytes_.isValidUtf8()) {}

QString TextSource::decode(qsizetype offset, qsizetype length) const {
    if (length <= 0)
        return QString();
    const QByteArrayView slice = view(offset, length);
    return utf8_ ? QString::fromUtf8(slice) : decodeWindows1252(slice);
}

} // namespace lendora
