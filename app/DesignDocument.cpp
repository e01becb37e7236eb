#include "app/DesignDocument.h"

#include <bit>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "model/AppliedDesign.h"
#include "model/ParameterPasses.h"
#include "response/DesignCheck.h"
#include "response/ReferenceLevel.h"
#include "response/VentForms.h"

namespace quendal {

namespace {

// Appends the fields to the record, each checked to start at the offset
// the layout gives it.
class RecordWriter {
public:
    explicit RecordWriter(std::string& bytes) : bytes_(bytes) {}

    void int32(std::size_t offset, int32_t value) { bigEndian(offset, static_cast<uint32_t>(value), 4); }
    void float64(std::size_t offset, double value) { bigEndian(offset, std::bit_cast<uint64_t>(value), 8); }
    void flag(std::size_t offset, uint8_t value) {
        at(offset);
        bytes_ += static_cast<char>(value);
    }
    // The text's first 59 bytes, the end marker, blanks up to 63 bytes.
    void text(std::size_t offset, const Str255& value) {
        at(offset);
        bytes_ += value.view().substr(0, kDocumentTextLimit);
        bytes_ += kTextEndMarker;
        bytes_.append(offset + kDocumentTextField - bytes_.size(), ' ');
    }

private:
    void at(std::size_t offset) const {
        if (bytes_.size() != offset) throw std::logic_error("design document field out of place");
    }
    void bigEndian(std::size_t offset, uint64_t value, int size) {
        at(offset);
        for (int shift = 8 * (size - 1); shift >= 0; shift -= 8) bytes_ += static_cast<char>((value >> shift) & 0xFFu);
    }

    std::string& bytes_;
};

// Takes the fields out of a record of at least 1844 bytes. Texts come out
// as all their 63 bytes, marker and blanks included (ExtractionText cuts them).
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}

    void int32(std::size_t offset, int32_t& value) { value = static_cast<int32_t>(static_cast<uint32_t>(bigEndian(offset, 4))); }
    void float64(std::size_t offset, double& value) { value = std::bit_cast<double>(bigEndian(offset, 8)); }
    void flag(std::size_t offset, uint8_t& value) {
        at(offset);
        value = static_cast<uint8_t>(bytes_[position_++]);
    }
    void text(std::size_t offset, Str255& value) {
        at(offset);
        value = bytes_.substr(position_, kDocumentTextField);
        position_ += kDocumentTextField;
    }

private:
    void at(std::size_t offset) const {
        if (position_ != offset) throw std::logic_error("design document field out of place");
    }
    uint64_t bigEndian(std::size_t offset, int size) {
        at(offset);
        uint64_t value = 0;
        for (int i = 0; i < size; ++i) value = (value << 8) | static_cast<uint8_t>(bytes_[position_++]);
        return value;
    }

    std::string_view bytes_;
    std::size_t position_ = 0;
};

// One vent's block of 196 bytes.
template <class Io, class Vent>
void walkVent(Io& io, std::size_t base, Vent& v) {
    io.int32(base + 0, v.VentTypeTab);
    io.int32(base + 4, v.VentForm);
    io.int32(base + 8, v.CircVentNum);
    io.int32(base + 12, v.RectVentNum);
    io.int32(base + 16, v.CircVentRadio);
    io.int32(base + 20, v.RectVentRadio);
    io.float64(base + 24, v.CircPortDV);
    io.float64(base + 32, v.CircPortDVmin);
    io.float64(base + 40, v.CircPortLV);
    io.float64(base + 48, v.CircPortSV);
    io.float64(base + 56, v.CircPortSVmin);
    io.float64(base + 64, v.CircDuctDV);
    io.float64(base + 72, v.CircDuctDVmin);
    io.float64(base + 80, v.CircDuctLV);
    io.float64(base + 88, v.CircDuctSV);
    io.float64(base + 96, v.CircDuctSVmin);
    io.float64(base + 104, v.RectPortWV);
    io.float64(base + 112, v.RectPortHV);
    io.float64(base + 120, v.RectPortLV);
    io.float64(base + 128, v.RectPortSV);
    io.float64(base + 136, v.RectPortSVmin);
    io.float64(base + 144, v.RectDuctWV);
    io.float64(base + 152, v.RectDuctHV);
    io.float64(base + 160, v.RectDuctLV);
    io.float64(base + 168, v.RectDuctSV);
    io.float64(base + 176, v.RectDuctSVmin);
    io.int32(base + 184, v.CircDuctVentInit);
    io.int32(base + 188, v.RectPortVentInit);
    io.int32(base + 192, v.RectDuctVentInit);
}

// The 187 fields in the order and at the offsets of the record; the same
// walk writes and reads, so the two can never disagree on a place.
template <class Io, class Design>
void walkRecord(Io& io, Design& d) {
    auto& sel = d.selection;
    auto& view = d.view;
    auto& sp = d.speaker;
    auto& box = d.box;
    auto& pr = d.radiator;

    // The system, the view and the reference level.
    io.int32(0, sel.SysSelTabNum);
    io.int32(4, sel.SysSelBtnNum);
    io.int32(8, sel.InitSysType);
    io.int32(12, view.ReDispWnd);
    io.int32(16, view.RespID);
    io.int32(20, view.Magni);
    io.int32(24, view.Scale);
    io.int32(28, view.Disp);
    io.float64(32, d.ref.SPL);
    io.float64(40, d.coef.siftUpDwn);
    io.float64(48, d.power.PIN);
    io.float64(56, d.shell.LVP);
    io.float64(64, d.shell.LVD);
    io.int32(72, d.connection.SpConSel);
    io.int32(76, d.connection.SpConNum);
    io.int32(80, view.ImpID);
    io.int32(84, sel.Alin);
    io.text(88, view.s_Resp);
    io.text(151, view.s_Imp);
    io.int32(214, d.shell.sysFigTriBtn);

    // The driver as entered or received.
    io.text(218, sp.s_SP2);
    io.text(281, sp.s_RANG2);
    io.float64(344, sp.DIA2);
    io.float64(352, sp.FS2);
    io.float64(360, sp.VAS2);
    io.float64(368, sp.QTS2);
    io.float64(376, sp.QES2);
    io.float64(384, sp.QMS2);
    io.float64(392, sp.EFI2);
    io.float64(400, sp.RE2);
    io.float64(408, sp.PEMX2);
    io.float64(416, sp.VD2);
    io.float64(424, sp.SD2);
    io.float64(432, sp.XMAX2);
    io.float64(440, sp.LE2);

    // The effective driver.
    io.text(448, sp.s_SP);
    io.text(511, sp.s_RANG);
    io.float64(574, sp.DIA);
    io.float64(582, sp.FS);
    io.float64(590, sp.VAS);
    io.float64(598, sp.QTS);
    io.float64(606, sp.QES);
    io.float64(614, sp.QMS);
    io.float64(622, sp.EFI);
    io.float64(630, sp.RE);
    io.float64(638, sp.PEMX);
    io.float64(646, sp.VD);
    io.float64(654, sp.SD);
    io.float64(662, sp.XMAX);
    io.float64(670, sp.LE);

    // The box and the vent areas of the air-speed model.
    io.float64(678, box.VB);
    io.float64(686, box.VB1);
    io.float64(694, box.VB2);
    io.float64(702, box.VB3);
    io.float64(710, box.FC);
    io.float64(718, box.FC1);
    io.float64(726, box.FC2);
    io.float64(734, box.FB);
    io.float64(742, box.FB1);
    io.float64(750, box.FB2);
    io.float64(758, box.FB3);
    io.float64(766, box.QA);
    io.float64(774, box.QA1);
    io.float64(782, box.QA2);
    io.float64(790, box.QL);
    io.float64(798, box.QL1);
    io.float64(806, box.QL2);
    io.float64(814, box.QL3);
    io.float64(822, box.QTC);
    io.float64(830, d.vents.SV11);
    io.float64(838, d.vents.SV22);
    io.float64(846, d.vents.SV33);

    // The passive radiator as received, the two flags, the radiator in use.
    io.text(854, pr.s_ManufOrg);
    io.text(917, pr.s_PROrg);
    io.float64(980, pr.PRDIAOrg);
    io.float64(988, pr.FPOrg);
    io.float64(996, pr.VAPOrg);
    io.float64(1004, pr.QPOrg);
    io.float64(1012, pr.PRVDOrg);
    io.float64(1020, pr.PRSDOrg);
    io.float64(1028, pr.PRXMAXOrg);
    io.flag(1036, pr.PRUseFlag);
    io.flag(1037, pr.PRDataInFlag);
    io.text(1038, pr.s_Manuf);
    io.text(1101, pr.s_PR);
    io.float64(1164, pr.PRDIA);
    io.float64(1172, pr.FP);
    io.float64(1180, pr.VAP);
    io.float64(1188, pr.QP);
    io.float64(1196, pr.PRVD);
    io.float64(1204, pr.PRSD);
    io.float64(1212, pr.PRXMAX);

    // The custom palette's popups.
    io.int32(1220, box.PopupItem1);
    io.int32(1224, box.PopupItem2);
    io.int32(1228, box.PopupItem3);
    io.int32(1232, box.PopupItem4);
    io.int32(1236, box.PopupItem5);
    io.int32(1240, pr.PopupPRNum);

    // The three vents, 196 bytes each.
    walkVent(io, 1244, d.vents.vent[1]);
    walkVent(io, 1440, d.vents.vent[2]);
    walkVent(io, 1636, d.vents.vent[3]);

    // The input-power choice.
    io.int32(1832, d.power.InputPowerCheck);
    io.float64(1836, d.power.PinTemp);
}

// The text before the first end marker; without a whole marker, the text
// less its trailing blanks.
void cutAtMarker(Str255& text) {
    std::string_view t = text.view();
    const std::size_t marker = t.find(kTextEndMarker);
    if (marker != std::string_view::npos) {
        t = t.substr(0, marker);
    } else {
        while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    }
    text = Str255(t);
}

}  // namespace

ProgramState documentCopy(const ProgramState& design) {
    ProgramState copy = design;
    for (int v = 1; v <= 3; ++v) {
        VentRecord& vent = copy.vents.vent[v];
        for (double* dimension : {&vent.CircPortDV, &vent.CircDuctDV, &vent.RectPortWV, &vent.RectPortHV,
                                  &vent.RectDuctWV, &vent.RectDuctHV})
            *dimension = keptVentSize(*dimension);
    }
    return copy;
}

std::string encodeDesignDocument(const ProgramState& design) {
    const ProgramState written = documentCopy(design);
    std::string bytes;
    bytes.reserve(kDesignDocumentSize);
    RecordWriter writer(bytes);
    walkRecord(writer, written);
    return bytes;
}

std::string storedDesignValues(const ProgramState& design) {
    std::string bytes = encodeDesignDocument(appliedDesign(design));
    constexpr struct {
        std::size_t offset, size;
    } kViewFields[] = {{12, 20}, {88, kDocumentTextField}, {214, 4}};  // ReDispWnd .. Disp, s_Resp, sysFigTriBtn
    for (const auto& field : kViewFields) bytes.replace(field.offset, field.size, field.size, '\0');
    return bytes;
}

bool decodeDesignDocument(std::string_view bytes, ProgramState& design, std::string* problem) {
    auto refuse = [&](std::string why) {
        if (problem != nullptr) *problem = std::move(why);
        return false;
    };
    if (bytes.size() < kDesignDocumentSize)
        return refuse("it holds " + std::to_string(bytes.size()) + " bytes, fewer than the " +
                      std::to_string(kDesignDocumentSize) + " of a design");

    ProgramState candidate = design;
    RecordReader reader(bytes.substr(0, kDesignDocumentSize));
    walkRecord(reader, candidate);
    ExtractionText(candidate);
    // The box values as the design keeps them, which the first drawing would
    // otherwise round and take for a change; a document holds them so,
    // except one an older writer saved before their rounding. The check
    // every road asks of a design judges them so rounded.
    roundBoxValues(candidate.box, candidate.radiator);
    if (std::string why = designRefusal(candidate); !why.empty()) return refuse(std::move(why));
    // The level follows from the driver: derived again, not taken as stored.
    candidate.ref.SPL = driverSPL(candidate);
    // Who chose each vent's form is not stored: the reader of the file
    // derives it once the design is the one in force (deriveVentChoices).
    for (int v = 1; v <= 3; ++v) candidate.vents.vent[v].FormSetBy = kFormSetByNobody;
    design = candidate;
    return true;
}

bool holdsDesignRecord(std::string_view bytes) {
    if (bytes.size() < kDesignDocumentSize) return false;
    ProgramState record;
    RecordReader reader(bytes.substr(0, kDesignDocumentSize));
    walkRecord(reader, record);
    ExtractionText(record);
    return designSelectorProblem(record).empty();
}

int32_t ExtractionText(ProgramState& design) {
    for (Str255* text : {&design.view.s_Resp, &design.view.s_Imp, &design.speaker.s_SP2, &design.speaker.s_RANG2,
                         &design.speaker.s_SP, &design.speaker.s_RANG, &design.radiator.s_ManufOrg,
                         &design.radiator.s_PROrg, &design.radiator.s_Manuf, &design.radiator.s_PR})
        cutAtMarker(*text);
    return 0;
}

}  // namespace quendal
