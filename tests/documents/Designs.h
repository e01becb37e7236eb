// Designs the document tests write and read, and the record written by hand:
// every field's bytes put at the offset the layout gives it, without the
// program's writer, so that an offset both writer and reader get wrong
// still shows.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>

#include "model/State.h"
#include "response/ReferenceLevel.h"

namespace quendal::test {

// The start-up design of the Infinite Baffle with the initial box values.
inline ProgramState defaultDesign() {
    ProgramState d;
    d.selection.InitSysType = 1;
    SpeakerParameters& s = d.speaker;
    s.s_SP = s.s_SP2;
    s.s_RANG = s.s_RANG2;
    std::tie(s.DIA, s.FS, s.VAS, s.QTS, s.QES, s.QMS, s.EFI, s.RE, s.PEMX, s.VD, s.SD, s.XMAX, s.LE) =
        std::tie(s.DIA2, s.FS2, s.VAS2, s.QTS2, s.QES2, s.QMS2, s.EFI2, s.RE2, s.PEMX2, s.VD2, s.SD2, s.XMAX2, s.LE2);
    d.box.QA = d.box.QA1 = d.box.QA2 = 10.0;
    d.box.QL = d.box.QL1 = d.box.QL2 = d.box.QL3 = 7.0;
    d.radiator.QP = 5.0;
    d.box.PopupItem1 = d.box.PopupItem2 = d.box.PopupItem3 = d.box.PopupItem4 = d.box.PopupItem5 = 3;
    return d;
}

// Every field of the record at the offset the layout gives it, typed from
// the layout's tables and not from the program's writer.
template <class Design, class Visit>
void handFields(Design& d, Visit& v) {
    auto& s = d.speaker;
    auto& b = d.box;
    auto& p = d.radiator;
    v.i32(0, d.selection.SysSelTabNum);
    v.i32(4, d.selection.SysSelBtnNum);
    v.i32(8, d.selection.InitSysType);
    v.i32(12, d.view.ReDispWnd);
    v.i32(16, d.view.RespID);
    v.i32(20, d.view.Magni);
    v.i32(24, d.view.Scale);
    v.i32(28, d.view.Disp);
    v.f64(32, d.ref.SPL);
    v.f64(40, d.coef.siftUpDwn);
    v.f64(48, d.power.PIN);
    v.f64(56, d.shell.LVP);
    v.f64(64, d.shell.LVD);
    v.i32(72, d.connection.SpConSel);
    v.i32(76, d.connection.SpConNum);
    v.i32(80, d.view.ImpID);
    v.i32(84, d.selection.Alin);
    v.code(88, d.view.s_Resp);
    v.code(151, d.view.s_Imp);
    v.i32(214, d.shell.sysFigTriBtn);

    v.text(218, s.s_SP2);   v.text(448, s.s_SP);
    v.text(281, s.s_RANG2); v.text(511, s.s_RANG);
    v.f64(344, s.DIA2);  v.f64(574, s.DIA);
    v.f64(352, s.FS2);   v.f64(582, s.FS);
    v.f64(360, s.VAS2);  v.f64(590, s.VAS);
    v.f64(368, s.QTS2);  v.f64(598, s.QTS);
    v.f64(376, s.QES2);  v.f64(606, s.QES);
    v.f64(384, s.QMS2);  v.f64(614, s.QMS);
    v.f64(392, s.EFI2);  v.f64(622, s.EFI);
    v.f64(400, s.RE2);   v.f64(630, s.RE);
    v.f64(408, s.PEMX2); v.f64(638, s.PEMX);
    v.f64(416, s.VD2);   v.f64(646, s.VD);
    v.f64(424, s.SD2);   v.f64(654, s.SD);
    v.f64(432, s.XMAX2); v.f64(662, s.XMAX);
    v.f64(440, s.LE2);   v.f64(670, s.LE);

    v.f64(678, b.VB);  v.f64(686, b.VB1); v.f64(694, b.VB2); v.f64(702, b.VB3);
    v.f64(710, b.FC);  v.f64(718, b.FC1); v.f64(726, b.FC2);
    v.f64(734, b.FB);  v.f64(742, b.FB1); v.f64(750, b.FB2); v.f64(758, b.FB3);
    v.f64(766, b.QA);  v.f64(774, b.QA1); v.f64(782, b.QA2);
    v.f64(790, b.QL);  v.f64(798, b.QL1); v.f64(806, b.QL2); v.f64(814, b.QL3);
    v.f64(822, b.QTC);
    v.f64(830, d.vents.SV11); v.f64(838, d.vents.SV22); v.f64(846, d.vents.SV33);

    v.text(854, p.s_ManufOrg); v.text(1038, p.s_Manuf);
    v.text(917, p.s_PROrg);    v.text(1101, p.s_PR);
    v.f64(980, p.PRDIAOrg);   v.f64(1164, p.PRDIA);
    v.f64(988, p.FPOrg);      v.f64(1172, p.FP);
    v.f64(996, p.VAPOrg);     v.f64(1180, p.VAP);
    v.f64(1004, p.QPOrg);     v.f64(1188, p.QP);
    v.f64(1012, p.PRVDOrg);   v.f64(1196, p.PRVD);
    v.f64(1020, p.PRSDOrg);   v.f64(1204, p.PRSD);
    v.f64(1028, p.PRXMAXOrg); v.f64(1212, p.PRXMAX);
    v.byte(1036, p.PRUseFlag);
    v.byte(1037, p.PRDataInFlag);

    v.i32(1220, b.PopupItem1); v.i32(1224, b.PopupItem2); v.i32(1228, b.PopupItem3);
    v.i32(1232, b.PopupItem4); v.i32(1236, b.PopupItem5); v.i32(1240, p.PopupPRNum);

    for (int n = 1; n <= 3; ++n) {
        auto& t = d.vents.vent[n];
        const std::size_t o = n == 1 ? 1244 : n == 2 ? 1440 : 1636;
        v.i32(o + 0, t.VentTypeTab);    v.i32(o + 4, t.VentForm);
        v.i32(o + 8, t.CircVentNum);    v.i32(o + 12, t.RectVentNum);
        v.i32(o + 16, t.CircVentRadio); v.i32(o + 20, t.RectVentRadio);
        v.f64(o + 24, t.CircPortDV);  v.f64(o + 32, t.CircPortDVmin); v.f64(o + 40, t.CircPortLV);
        v.f64(o + 48, t.CircPortSV);  v.f64(o + 56, t.CircPortSVmin);
        v.f64(o + 64, t.CircDuctDV);  v.f64(o + 72, t.CircDuctDVmin); v.f64(o + 80, t.CircDuctLV);
        v.f64(o + 88, t.CircDuctSV);  v.f64(o + 96, t.CircDuctSVmin);
        v.f64(o + 104, t.RectPortWV); v.f64(o + 112, t.RectPortHV);    v.f64(o + 120, t.RectPortLV);
        v.f64(o + 128, t.RectPortSV); v.f64(o + 136, t.RectPortSVmin);
        v.f64(o + 144, t.RectDuctWV); v.f64(o + 152, t.RectDuctHV);    v.f64(o + 160, t.RectDuctLV);
        v.f64(o + 168, t.RectDuctSV); v.f64(o + 176, t.RectDuctSVmin);
        v.i32(o + 184, t.CircDuctVentInit); v.i32(o + 188, t.RectPortVentInit); v.i32(o + 192, t.RectDuctVentInit);
    }
    v.i32(1832, d.power.InputPowerCheck);
    v.f64(1836, d.power.PinTemp);
}

// A record of 1844 bytes filled field by field.
struct HandRecord {
    std::string bytes = std::string(1844, '\xAA');  // a filler no field leaves behind

    void i32(std::size_t at, int32_t v) { put(at, static_cast<uint32_t>(v), 4); }
    void f64(std::size_t at, double v) { put(at, std::bit_cast<uint64_t>(v), 8); }
    void byte(std::size_t at, uint8_t v) { bytes[at] = static_cast<char>(v); }
    void code(std::size_t at, const Str255& t) { text(at, t); }
    void text(std::size_t at, const Str255& t) {
        std::string field = std::string(t.view().substr(0, 59)) + "!%$&";
        field.resize(63, ' ');
        bytes.replace(at, 63, field);
    }
    void put(std::size_t at, uint64_t v, int size) {
        for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>(v >> (8 * (size - 1 - i)));
    }
};

inline std::string handWritten(const ProgramState& d) {
    HandRecord r;
    handFields(d, r);
    return r.bytes;
}

// A valid design in which every field differs from its neighbours, so that
// a field out of place changes bytes: each double its own value (quarters,
// which the rounding of the vent dimensions keeps), each text named after
// its offset, the selectors at the far ends of their ranges.
inline ProgramState distinctDesign() {
    struct Distinct {
        double next = 1.0;
        void f64(std::size_t, double& v) { v = next += 1.25; }
        void text(std::size_t at, Str255& t) { t = "Text at " + std::to_string(at); }
        void i32(std::size_t, int32_t&) {}
        void byte(std::size_t, uint8_t&) {}
        void code(std::size_t, Str255&) {}
    } distinct;
    ProgramState d;
    handFields(d, distinct);
    d.selection = {2, 8, 2, 5};  // Triple Vented, its custom alignment (item 5)
    d.view.ReDispWnd = 2;
    d.view.RespID = 12;
    d.view.s_Resp = "vent";
    d.view.Magni = 1;
    d.view.Scale = 10;
    d.view.Disp = 3;
    d.view.ImpID = 2;
    d.view.s_Imp = "Seri";
    d.connection = {5, 1, 1};  // SpConNum, SpConNumBak, SpConSel
    d.shell.sysFigTriBtn = 1;
    d.radiator.PRUseFlag = 1;
    d.radiator.PRDataInFlag = 0;
    d.box.PopupItem1 = 5;
    d.box.PopupItem2 = 1;
    d.box.PopupItem3 = 6;
    d.box.PopupItem4 = 2;
    d.box.PopupItem5 = 4;
    d.radiator.PopupPRNum = 4;
    for (int n = 1; n <= 3; ++n) {
        VentRecord& vent = d.vents.vent[n];
        // tab, form, circular and rectangular counts, radios
        std::tie(vent.VentTypeTab, vent.VentForm, vent.CircVentNum, vent.RectVentNum, vent.CircVentRadio,
                 vent.RectVentRadio) = std::make_tuple(n % 2 + 1, 100 + n, 10 - n, 7 + n, n % 2 + 1, 2 - n % 2);
        vent.CircDuctVentInit = n == 1;
        vent.RectPortVentInit = n == 2;
        vent.RectDuctVentInit = n == 3;
    }
    d.power.InputPowerCheck = 0;
    d.ref.SPL = driverSPL(d);  // the level follows from the driver, as a reader derives it
    return d;
}

// The offset of the first byte where two records differ, or -1 when they
// agree (a short message where a whole record would be printed).
inline long firstDifference(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i)
        if (a[i] != b[i]) return static_cast<long>(i);
    return a.size() == b.size() ? -1 : static_cast<long>(n);
}

}  // namespace quendal::test
