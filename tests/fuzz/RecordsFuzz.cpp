// Driver and passive-radiator records as the siblings send them and as the
// user pastes them: any text is read or refused in time linear in its size,
// and what is taken passes the check the windows make of typed values.
#include <cstdint>
#include <string>
#include <string_view>

#include "dialogs/ParameterRecords.h"
#include "fuzz/FuzzCheck.h"
#include "model/State.h"

using namespace quendal;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    resetState();
    // As Orvanel sends it: at most a message's length.
    state.messages.s_Masg = Str255(std::string_view(text).substr(0, 255));
    if (MasageTextToParameter() == RecordOutcome::Taken)
        FUZZ_CHECK(checkDriverRecord(*readDriverRecord(state.messages.s_Masg.view())).ok());
    if (const auto record = readDriverRecord(text)) (void)checkDriverRecord(*record);
    // As Ostrevane sends it.
    state.messages.s_MasgPR = Str255(std::string_view(text).substr(0, 255));
    CheckDummyMasageFromAppEvent();
    if (const auto record = MasageTextToPRParameter()) FUZZ_CHECK(checkRadiatorRecord(*record).ok());
    // As the clipboard holds it.
    if (GetClipBoardText(text)) {
        FUZZ_CHECK(text.size() < 4 * kClipTextLimit);
        if (ClipTextToPRParameter() == RecordOutcome::Taken)
            FUZZ_CHECK(checkRadiatorRecord(*readPastedRadiatorRecord(state.messages.ClipText)).ok());
    }
    if (const auto pasted = readPastedRadiatorRecord(text)) {
        std::array<std::string_view, 7> numbers;
        for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = pasted->texts[i].view();
        (void)checkRadiatorTexts(numbers);
    }
    return 0;
}
