// The documents a second start hands over, as the receiver reads them:
// any bytes, brought whole or in pieces of any size, give the same paths or
// the same refusal, in time linear in their size; paths read are handed
// over again as the same paths.
#include <algorithm>
#include <cstdint>

#include <QByteArray>

#include "fuzz/FuzzCheck.h"
#include "platform/qt/DocumentHandover.h"

using namespace quendal::platform::qt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte sets the size of the pieces the rest arrives in.
    const qsizetype piece = 1 + data[0] % 64;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    bool bad = false;
    const auto whole = decodeDocumentList(bytes, bad);
    DocumentListReader reader;
    for (qsizetype at = 0; at < bytes.size() && reader.status() == DocumentListReader::Status::More; at += piece)
        reader.take(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
    // Beyond the frame's limit (1 MiB), the bytes brought at once are refused
    // while pieces may have made a whole frame before the limit.
    if (bytes.size() > (1 << 20)) return 0;
    FUZZ_CHECK(bad == (reader.status() == DocumentListReader::Status::Bad));
    FUZZ_CHECK(whole.has_value() == (reader.status() == DocumentListReader::Status::Whole));
    if (!whole) return 0;
    FUZZ_CHECK(*whole == reader.paths());
    bool badAgain = true;
    FUZZ_CHECK(decodeDocumentList(encodeDocumentList(*whole), badAgain) == whole && !badAgain);
    return 0;
}
