#include "dialogs/ParameterRecords.h"

#include "model/MessageVocabulary.h"
#include "model/DriverCheck.h"
#include "model/State.h"
#include "model/TextToNumber.h"
#include "platform/MacRomanText.h"
#include "platform/Platform.h"
#include "model/ParameterPasses.h"
#include "dialogs/KeptName.h"

namespace quendal {

namespace {

constexpr std::string_view kFieldEnd = "  ";  // two blanks end every field

// A name or range text as the windows and the design document keep it: its
// first 59 bytes (Mac Roman, one byte a character), so that a design saved
// and opened again shows the same text.
Str255 keptText(std::string_view text) { return Str255(text.substr(0, kDriverTextBytes)); }

}  // namespace

std::string_view recordMarker(std::string_view text) {
    const std::size_t end = text.find(kFieldEnd);
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end);
}

std::optional<std::vector<std::string_view>> cutRecord(std::string_view text, std::size_t count, bool shortTaken) {
    std::vector<std::string_view> fields;
    fields.reserve(count);
    std::size_t start = 0;
    while (fields.size() < count) {
        const std::size_t end = text.find(kFieldEnd, start);
        if (end == std::string_view::npos) {
            // Only the last field may end with the text, and it must hold
            // something; unless a short record is taken, its fields missing
            // at the end empty.
            if (!shortTaken && (fields.size() + 1 != count || start >= text.size())) return std::nullopt;
            fields.push_back(text.substr(start));
            fields.resize(count);
            break;
        }
        fields.push_back(text.substr(start, end - start));
        start = end + kFieldEnd.size();
    }
    return fields;
}

std::optional<DriverRecord> readDriverRecord(std::string_view text) {
    const auto fields = cutRecord(text, kDriverRecordFields);
    if (!fields || (*fields)[0] != vocabulary::kDriverMarker) return std::nullopt;
    DriverRecord record;
    record.s_SP = keptText((*fields)[1]);
    record.s_RANG = keptText((*fields)[2]);
    for (std::size_t i = 0; i < record.values.size(); ++i) {
        record.texts[i] = (*fields)[3 + i];
        record.values[i] = readTypedNumber((*fields)[3 + i], driverFieldUnit(DriverField(std::size_t(DriverField::DIA) + i))).value;
    }
    return record;
}

RadiatorRecord radiatorRecordOf(std::string_view manufacturer, std::string_view model,
                                const std::array<std::string_view, 7>& numbers) {
    RadiatorRecord record;
    record.s_ManufOrg = keptText(manufacturer);
    record.s_PROrg = keptText(model);
    record.refused = {controlCharactersIn(manufacturer), controlCharactersIn(model)};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        record.texts[i] = numbers[i];
        record.values[i] = readTypedNumber(numbers[i], radiatorFieldUnit(i)).value;
    }
    return record;
}

FieldUnit radiatorFieldUnit(std::size_t number) {
    constexpr FieldUnit kUnits[] = {FieldUnit::Centimetre,       FieldUnit::Hertz,      FieldUnit::Litre,
                                    FieldUnit::None,             FieldUnit::SquareCentimetre,
                                    FieldUnit::Millimetre,       FieldUnit::CubicCentimetre};
    return number < std::size(kUnits) ? kUnits[number] : FieldUnit::None;
}

std::optional<RadiatorRecord> readRadiatorRecord(std::string_view text) {
    if (recordMarker(text) != vocabulary::kRadiatorMarker) return std::nullopt;
    // The fields the record holds; those it leaves out at its end are empty.
    const std::vector<std::string_view> f = *cutRecord(text, kRadiatorRecordFields, true);
    return radiatorRecordOf(f[1], f[2], {f[3], f[4], f[5], f[6], f[7], f[8], f[9]});
}

std::optional<RadiatorRecord> readPastedRadiatorRecord(std::string_view utf8) {
    if (recordMarker(utf8) != vocabulary::kRadiatorMarker) return std::nullopt;
    const std::vector<std::string_view> f = *cutRecord(utf8, kRadiatorRecordFields, true);
    std::array<std::string, 7> numberTexts;
    std::array<std::string_view, 7> numbers;
    for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = numberTexts[i] = platform::numberTextFromUtf8(f[3 + i]);
    const KeptName manufacturer = keptName(f[1]), model = keptName(f[2]);
    RadiatorRecord record = radiatorRecordOf(manufacturer.text, model.text, numbers);
    record.refused = {manufacturer.refused, model.refused};
    return record;
}

std::array<std::string_view, kDriverFieldCount> driverRecordTexts(const DriverRecord& r) {
    std::array<std::string_view, kDriverFieldCount> texts;
    texts[std::size_t(DriverField::Model)] = r.s_SP.view();
    texts[std::size_t(DriverField::Range)] = r.s_RANG.view();
    // The record's numbers stand in the order of DriverField from Dia on.
    for (std::size_t i = 0; i < r.texts.size(); ++i) texts[std::size_t(DriverField::DIA) + i] = r.texts[i].view();
    return texts;
}

DriverCheckResult checkDriverRecord(const DriverRecord& record) { return checkDriverTexts(driverRecordTexts(record)); }

std::optional<DriverRecord> passingDriverRecord(std::string_view text) {
    std::optional<DriverRecord> record = readDriverRecord(text);
    if (record && !checkDriverRecord(*record).ok()) record.reset();
    return record;
}

namespace {

// The first number that does not read as a number in its field.
RadiatorCheckResult radiatorReadingFault(const std::array<std::string_view, 7>& numbers,
                                         std::array<TypedNumber, 7>& typed) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        typed[i] = readTypedNumber(numbers[i], radiatorFieldUnit(i));
        if (typed[i].otherUnit) return {DriverFault::OtherUnit, i};
        if (typed[i].kind == NumberTextKind::NotANumber) return {DriverFault::NotANumber, i};
        if (typed[i].kind == NumberTextKind::TooLarge) return {DriverFault::TooLarge, i};
    }
    return {};
}

}  // namespace

RadiatorCheckResult checkRadiatorTexts(const std::array<std::string_view, 7>& numbers) {
    std::array<TypedNumber, 7> typed;
    if (const RadiatorCheckResult fault = radiatorReadingFault(numbers, typed); !fault.ok()) return fault;
    if (typed[0].value < 0.0) return {DriverFault::Negative, 0};  // the diameter may be left blank
    for (std::size_t i = 1; i < typed.size(); ++i) {
        if (typed[i].kind == NumberTextKind::Blank) return {DriverFault::Empty, i};
        if (!(typed[i].value > 0.0)) return {DriverFault::NotPositive, i};
    }
    return {};
}

RadiatorCheckResult checkRadiatorRecord(const RadiatorRecord& record) {
    for (std::size_t i = 0; i < record.refused.size(); ++i)
        if (!record.refused[i].empty()) return {DriverFault::UnkeptCharacters, i};
    std::array<std::string_view, 7> numbers;
    for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = record.texts[i].view();
    std::array<TypedNumber, 7> typed;
    return radiatorReadingFault(numbers, typed);
}

SpeakerParameters driverWithRecord(const DriverRecord& r) {
    SpeakerParameters d = state.speaker;
    d.s_SP = d.s_SP2 = r.s_SP;
    d.s_RANG = d.s_RANG2 = r.s_RANG;
    const auto& v = r.values;
    d.DIA2 = v[0];
    d.FS2 = v[1];
    d.VAS2 = v[2];
    d.QTS2 = v[3];
    d.QES2 = v[4];
    d.QMS2 = v[5];
    d.EFI2 = v[6];
    d.RE2 = v[7];
    d.PEMX2 = v[8];
    d.SD2 = v[9];
    d.XMAX2 = v[10];
    d.VD2 = v[11];
    d.LE2 = v[12];
    return d;
}

void takeDriverRecord(const DriverRecord& r) {
    state.speaker = driverWithRecord(r);
    MessageState& m = state.messages;
    Str255* texts[] = {&m.s_DIA, &m.s_FS, &m.s_VAS, &m.s_QTS, &m.s_QES, &m.s_QMS, &m.s_EFI,
                       &m.s_RE,  &m.s_PEMX, &m.s_SD, &m.s_XMAX, &m.s_VD, &m.s_LE};
    for (std::size_t i = 0; i < r.texts.size(); ++i) *texts[i] = r.texts[i];
}

void takeRadiatorRecord(const RadiatorRecord& r) {
    PassiveRadiatorParameters& p = state.radiator;
    p.s_ManufOrg = r.s_ManufOrg;
    p.s_PROrg = r.s_PROrg;
    p.PRDIAOrg = r.values[0];
    p.FPOrg = r.values[1];
    p.VAPOrg = r.values[2];
    p.QPOrg = r.values[3];
    p.PRSDOrg = r.values[4];
    p.PRXMAXOrg = r.values[5];
    p.PRVDOrg = r.values[6];
}

RecordOutcome MasageTextToParameter() {
    MessageState& m = state.messages;
    m.s_Dummy = recordMarker(m.s_Masg.view());
    if (!(m.s_Dummy == vocabulary::kDriverMarker)) {
        OriginalBoxParametersPass();
        return RecordOutcome::NotARecord;
    }
    const std::optional<DriverRecord> record = passingDriverRecord(m.s_Masg.view());
    if (!record) return RecordOutcome::Refused;
    takeDriverRecord(*record);
    return RecordOutcome::Taken;
}

std::optional<RadiatorRecord> MasageTextToPRParameter() {
    std::optional<RadiatorRecord> record = readRadiatorRecord(state.messages.s_MasgPR.view());
    if (record && !checkRadiatorRecord(*record).ok()) record.reset();
    return record;
}

void CheckDummyMasageFromAppEvent() {
    MessageState& m = state.messages;
    m.s_DummyPR = recordMarker(m.s_MasgPR.view());
}

RecordOutcome ClipTextToPRParameter() {
    MessageState& m = state.messages;
    const std::optional<RadiatorRecord> record = readPastedRadiatorRecord(m.ClipText);
    const RecordOutcome outcome = !record                              ? RecordOutcome::NotARecord
                                  : !checkRadiatorRecord(*record).ok() ? RecordOutcome::Refused
                                                                       : RecordOutcome::Taken;
    m.s_DummyPaste = outcome == RecordOutcome::Taken ? vocabulary::kRadiatorMarker : vocabulary::kNoRecordWaiting;
    return outcome;
}

std::optional<std::string> GetClipBoardHandle() {
    std::optional<std::string> text = platform::clipboard().text();
    if (!text || text->empty()) return std::nullopt;
    return text;
}

bool GetClipBoardText(const std::string& block) {
    // A character takes at most four bytes: a block of four times the
    // limit holds too many, without a look at each.
    if (block.size() >= 4 * kClipTextLimit || platform::unicodeFromUtf8(block).size() >= kClipTextLimit) return false;
    state.messages.ClipText = block;
    return true;
}

int32_t TakeHeldDriverRecord() {
    MessageState& m = state.messages;
    if (m.HeldDriverFlag == 0) return 0;
    m.HeldDriverFlag = 0;
    if (const std::optional<DriverRecord> record = passingDriverRecord(m.HeldDriverRecord.view())) {
        takeDriverRecord(*record);
        m.s_Dummy = vocabulary::kDriverMarker;
    }
    m.HeldDriverRecord = "";
    return 0;
}

}  // namespace quendal
