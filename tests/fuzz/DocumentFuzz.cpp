// The design document as the program reads it: any bytes are read or
// refused at once, and a design read is written back as a record that reads
// as the same design.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/DesignDocument.h"
#include "fuzz/FuzzCheck.h"
#include "model/State.h"

using namespace quendal;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const ProgramState start;  // the design in force when the document opens
    ProgramState read = start;
    if (!decodeDesignDocument(bytes, read)) {
        FUZZ_CHECK(encodeDesignDocument(read) == encodeDesignDocument(start));  // left as it was
        return 0;
    }
    const std::string written = encodeDesignDocument(read);
    ProgramState again = start;
    std::string problem;
    FUZZ_CHECK(decodeDesignDocument(written, again, &problem));
    FUZZ_CHECK(encodeDesignDocument(again) == written);
    return 0;
}
