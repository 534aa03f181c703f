// One libFuzzer target per reader: FUZZ_ENTRY names the function of ReaderEntries it drives.
#include "ReaderEntries.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString failure = ReaderEntries::FUZZ_ENTRY(bytes);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "property broken: %s\n", failure.toUtf8().constData());
        std::abort();
    }
    return 0;
}
