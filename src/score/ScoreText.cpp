#include "score/ScoreText.h"

#include "platform/GbkCodec.h"

#include <QStringDecoder>

namespace ScoreText {

QString decode(const QByteArray& bytes) {
    static const QByteArray utf8Bom("\xEF\xBB\xBF");
    if (bytes.startsWith(utf8Bom)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return utf8.decode(QByteArrayView(bytes).sliced(utf8Bom.size()));
    }
    return GbkCodec::decode(bytes);
}

void forEachRow(QStringView text, const std::function<void(QStringView)>& row) {
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(u"\r\n", start);
        if (end < 0) break;
        row(text.sliced(start, end - start));
        start = end + 2;
    }
    row(text.sliced(start));
}

RowParts split(QStringView row) {
    const qsizetype plus = row.indexOf(u'+');
    if (plus < 0) return {row, {}, false};
    const QStringView rest = row.sliced(plus + 1);
    const qsizetype second = rest.indexOf(u'+');
    return {row.first(plus), second < 0 ? rest : rest.first(second), true};
}

QStringView headerNumberText(QStringView token) {
    if (token.isEmpty()) return {};
    if (token.front() != u'?') return token.sliced(1);
    const qsizetype slash = token.lastIndexOf(u'/');
    return slash < 0 ? token : token.sliced(slash + 1);
}

QStringView withoutTrailingBlanks(QStringView token) {
    qsizetype n = token.size();
    while (n > 0 && token[n - 1] == u' ')
        --n;
    return token.first(n);
}

} // namespace ScoreText
