// A sibling's desktop entry as the program reads it to start the sibling:
// any text gives a command or none, in time linear in its size, and no
// field code is passed on.
#include <cstdint>

#include <QByteArrayView>

#include "fuzz/FuzzCheck.h"
#include "platform/qt/LocalMessages.h"

using namespace quendal::platform::qt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<QStringList> command = commandOfDesktopEntry(QByteArrayView(data, qsizetype(size)));
    if (!command) return 0;
    FUZZ_CHECK(!command->isEmpty());
    for (const QString& argument : *command)
        FUZZ_CHECK(!(argument.size() == 2 && argument.front() == QLatin1Char('%')));
    return 0;
}
