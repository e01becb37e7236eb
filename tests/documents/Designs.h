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

#include "model/State.h"

namespace quendal::test {

// The start-up design of the Infinite Baffle with the initial box values.
inline ProgramState defaultDesign() {
    ProgramState d;
    d.selection.InitSysType = 1;
    d.speaker.s_SP = d.speaker.s_SP2;
    d.speaker.s_RANG = d.speaker.s_RANG2;
    d.speaker.FS = d.speaker.FS2;
    d.speaker.VAS = d.speaker.VAS2;
    d.speaker.QTS = d.speaker.QTS2;
    d.box.QA = d.box.QA1 = d.box.QA2 = 10.0;
    d.box.QL = d.box.QL1 = d.box.QL2 = d.box.QL3 = 7.0;
    d.radiator.QP = 5.0;
    d.box.PopupItem1 = d.box.PopupItem2 = d.box.PopupItem3 = d.box.PopupItem4 = d.box.PopupItem5 = 3;
    return d;
}

// A valid design in which every field differs from its neighbours, so that
// a field out of place changes bytes: selectors at the far ends of their
// ranges, each double its own value, each text its own characters.
inline ProgramState distinctDesign() {
    ProgramState d;
    d.selection = {2, 8, 2, 5};  // Triple Vented, its custom alignment (item 5)
    d.view.ReDispWnd = 2;
    d.view.RespID = 12;
    d.view.s_Resp = "vent";
    d.view.Magni = 1;
    d.view.Scale = 10;
    d.view.Disp = 3;
    d.view.ImpID = 2;
    d.view.s_Imp = "Seri";
    d.connection.SpConSel = 1;
    d.connection.SpConNum = 5;
    d.shell.sysFigTriBtn = 1;
    double next = 1.0;
    auto v = [&next] { return next += 1.25; };
    SpeakerParameters& s = d.speaker;
    for (double* x : {&d.ref.SPL, &d.coef.siftUpDwn, &d.power.PIN, &d.shell.LVP, &d.shell.LVD, &s.DIA2, &s.FS2,
                      &s.VAS2, &s.QTS2, &s.QES2, &s.QMS2, &s.EFI2, &s.RE2, &s.PEMX2, &s.VD2, &s.SD2, &s.XMAX2,
                      &s.LE2, &s.DIA, &s.FS, &s.VAS, &s.QTS, &s.QES, &s.QMS, &s.EFI, &s.RE, &s.PEMX, &s.VD,
                      &s.SD, &s.XMAX, &s.LE})
        *x = v();
    BoxParameters& b = d.box;
    for (double* x : {&b.VB, &b.VB1, &b.VB2, &b.VB3, &b.FC, &b.FC1, &b.FC2, &b.FB, &b.FB1, &b.FB2, &b.FB3, &b.QA,
                      &b.QA1, &b.QA2, &b.QL, &b.QL1, &b.QL2, &b.QL3, &b.QTC, &d.vents.SV11, &d.vents.SV22,
                      &d.vents.SV33})
        *x = v();
    PassiveRadiatorParameters& r = d.radiator;
    for (double* x : {&r.PRDIAOrg, &r.FPOrg, &r.VAPOrg, &r.QPOrg, &r.PRVDOrg, &r.PRSDOrg, &r.PRXMAXOrg, &r.PRDIA,
                      &r.FP, &r.VAP, &r.QP, &r.PRVD, &r.PRSD, &r.PRXMAX, &d.power.PinTemp})
        *x = v();
    s.s_SP2 = "Entered model";
    s.s_RANG2 = "30 Hz - 3 kHz";
    s.s_SP = "Effective model";
    s.s_RANG = "25-4000";
    r.s_ManufOrg = "Maker as received";
    r.s_PROrg = "Radiator as received";
    r.s_Manuf = "Maker in use";
    r.s_PR = "Radiator in use";
    r.PRUseFlag = 1;
    r.PRDataInFlag = 0;
    b.PopupItem1 = 5;
    b.PopupItem2 = 1;
    b.PopupItem3 = 6;
    b.PopupItem4 = 2;
    b.PopupItem5 = 4;
    r.PopupPRNum = 4;
    for (int n = 1; n <= 3; ++n) {
        VentRecord& vent = d.vents.vent[n];
        vent = {n % 2 + 1, 100 + n, 10 - n, 7 + n, n % 2 + 1, 2 - n % 2};
        for (double* x : {&vent.CircPortDV, &vent.CircPortDVmin, &vent.CircPortLV, &vent.CircPortSV,
                          &vent.CircPortSVmin, &vent.CircDuctDV, &vent.CircDuctDVmin, &vent.CircDuctLV,
                          &vent.CircDuctSV, &vent.CircDuctSVmin, &vent.RectPortWV, &vent.RectPortHV,
                          &vent.RectPortLV, &vent.RectPortSV, &vent.RectPortSVmin, &vent.RectDuctWV,
                          &vent.RectDuctHV, &vent.RectDuctLV, &vent.RectDuctSV, &vent.RectDuctSVmin})
            *x = v();  // quarters: already whole in hundredths, so rounding keeps them
        vent.CircDuctVentInit = n == 1;
        vent.RectPortVentInit = n == 2;
        vent.RectDuctVentInit = n == 3;
    }
    d.power.InputPowerCheck = 0;
    return d;
}

// A record of 1844 bytes filled field by field at the offsets of the layout.
class HandRecord {
public:
    std::string bytes = std::string(1844, '\xAA');  // a filler no field leaves behind

    void i32(std::size_t at, int32_t v) { put(at, static_cast<uint32_t>(v), 4); }
    void f64(std::size_t at, double v) { put(at, std::bit_cast<uint64_t>(v), 8); }
    void byte(std::size_t at, uint8_t v) { bytes[at] = static_cast<char>(v); }
    void text(std::size_t at, std::string_view t) {
        std::string field = std::string(t.substr(0, 59)) + "!%$&";
        field.resize(63, ' ');
        bytes.replace(at, 63, field);
    }

private:
    void put(std::size_t at, uint64_t v, int size) {
        for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>(v >> (8 * (size - 1 - i)));
    }
};

inline std::string handWritten(const ProgramState& d) {
    HandRecord r;
    const SpeakerParameters& s = d.speaker;
    const BoxParameters& b = d.box;
    const PassiveRadiatorParameters& p = d.radiator;
    r.i32(0, d.selection.SysSelTabNum);
    r.i32(4, d.selection.SysSelBtnNum);
    r.i32(8, d.selection.InitSysType);
    r.i32(12, d.view.ReDispWnd);
    r.i32(16, d.view.RespID);
    r.i32(20, d.view.Magni);
    r.i32(24, d.view.Scale);
    r.i32(28, d.view.Disp);
    r.f64(32, d.ref.SPL);
    r.f64(40, d.coef.siftUpDwn);
    r.f64(48, d.power.PIN);
    r.f64(56, d.shell.LVP);
    r.f64(64, d.shell.LVD);
    r.i32(72, d.connection.SpConSel);
    r.i32(76, d.connection.SpConNum);
    r.i32(80, d.view.ImpID);
    r.i32(84, d.selection.Alin);
    r.text(88, d.view.s_Resp.view());
    r.text(151, d.view.s_Imp.view());
    r.i32(214, d.shell.sysFigTriBtn);

    r.text(218, s.s_SP2.view());   r.text(448, s.s_SP.view());
    r.text(281, s.s_RANG2.view()); r.text(511, s.s_RANG.view());
    r.f64(344, s.DIA2);  r.f64(574, s.DIA);
    r.f64(352, s.FS2);   r.f64(582, s.FS);
    r.f64(360, s.VAS2);  r.f64(590, s.VAS);
    r.f64(368, s.QTS2);  r.f64(598, s.QTS);
    r.f64(376, s.QES2);  r.f64(606, s.QES);
    r.f64(384, s.QMS2);  r.f64(614, s.QMS);
    r.f64(392, s.EFI2);  r.f64(622, s.EFI);
    r.f64(400, s.RE2);   r.f64(630, s.RE);
    r.f64(408, s.PEMX2); r.f64(638, s.PEMX);
    r.f64(416, s.VD2);   r.f64(646, s.VD);
    r.f64(424, s.SD2);   r.f64(654, s.SD);
    r.f64(432, s.XMAX2); r.f64(662, s.XMAX);
    r.f64(440, s.LE2);   r.f64(670, s.LE);

    r.f64(678, b.VB);  r.f64(686, b.VB1); r.f64(694, b.VB2); r.f64(702, b.VB3);
    r.f64(710, b.FC);  r.f64(718, b.FC1); r.f64(726, b.FC2);
    r.f64(734, b.FB);  r.f64(742, b.FB1); r.f64(750, b.FB2); r.f64(758, b.FB3);
    r.f64(766, b.QA);  r.f64(774, b.QA1); r.f64(782, b.QA2);
    r.f64(790, b.QL);  r.f64(798, b.QL1); r.f64(806, b.QL2); r.f64(814, b.QL3);
    r.f64(822, b.QTC);
    r.f64(830, d.vents.SV11); r.f64(838, d.vents.SV22); r.f64(846, d.vents.SV33);

    r.text(854, p.s_ManufOrg.view()); r.text(1038, p.s_Manuf.view());
    r.text(917, p.s_PROrg.view());    r.text(1101, p.s_PR.view());
    r.f64(980, p.PRDIAOrg);   r.f64(1164, p.PRDIA);
    r.f64(988, p.FPOrg);      r.f64(1172, p.FP);
    r.f64(996, p.VAPOrg);     r.f64(1180, p.VAP);
    r.f64(1004, p.QPOrg);     r.f64(1188, p.QP);
    r.f64(1012, p.PRVDOrg);   r.f64(1196, p.PRVD);
    r.f64(1020, p.PRSDOrg);   r.f64(1204, p.PRSD);
    r.f64(1028, p.PRXMAXOrg); r.f64(1212, p.PRXMAX);
    r.byte(1036, p.PRUseFlag);
    r.byte(1037, p.PRDataInFlag);

    r.i32(1220, b.PopupItem1); r.i32(1224, b.PopupItem2); r.i32(1228, b.PopupItem3);
    r.i32(1232, b.PopupItem4); r.i32(1236, b.PopupItem5); r.i32(1240, p.PopupPRNum);

    for (int n = 1; n <= 3; ++n) {
        const VentRecord& v = d.vents.vent[n];
        const std::size_t o = n == 1 ? 1244 : n == 2 ? 1440 : 1636;
        r.i32(o + 0, v.VentTypeTab);    r.i32(o + 4, v.VentForm);
        r.i32(o + 8, v.CircVentNum);    r.i32(o + 12, v.RectVentNum);
        r.i32(o + 16, v.CircVentRadio); r.i32(o + 20, v.RectVentRadio);
        r.f64(o + 24, v.CircPortDV);  r.f64(o + 32, v.CircPortDVmin); r.f64(o + 40, v.CircPortLV);
        r.f64(o + 48, v.CircPortSV);  r.f64(o + 56, v.CircPortSVmin);
        r.f64(o + 64, v.CircDuctDV);  r.f64(o + 72, v.CircDuctDVmin); r.f64(o + 80, v.CircDuctLV);
        r.f64(o + 88, v.CircDuctSV);  r.f64(o + 96, v.CircDuctSVmin);
        r.f64(o + 104, v.RectPortWV); r.f64(o + 112, v.RectPortHV);    r.f64(o + 120, v.RectPortLV);
        r.f64(o + 128, v.RectPortSV); r.f64(o + 136, v.RectPortSVmin);
        r.f64(o + 144, v.RectDuctWV); r.f64(o + 152, v.RectDuctHV);    r.f64(o + 160, v.RectDuctLV);
        r.f64(o + 168, v.RectDuctSV); r.f64(o + 176, v.RectDuctSVmin);
        r.i32(o + 184, v.CircDuctVentInit); r.i32(o + 188, v.RectPortVentInit); r.i32(o + 192, v.RectDuctVentInit);
    }
    r.i32(1832, d.power.InputPowerCheck);
    r.f64(1836, d.power.PinTemp);
    return r.bytes;
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
