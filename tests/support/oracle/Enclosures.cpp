// The common enclosure topologies, built from the general network.
#include <cmath>

#include "support/oracle/LumpedCircuit.h"

namespace quendal::oracle {

namespace {

ChamberLoss quotedAt(ChamberLoss loss, double fallbackHz) {
    if (!(loss.atHz > 0.0)) {
        loss.atHz = fallbackHz;
    }
    return loss;
}

}  // namespace

LumpedCircuit infiniteBaffle(const DriverParams& d) {
    LumpedCircuit circuit;
    circuit.addDriver(d, LumpedCircuit::kGround, LumpedCircuit::kOutside, "driver");
    return circuit;
}

LumpedCircuit closedBox(const DriverParams& d, double vbLitre, ChamberLoss loss) {
    LumpedCircuit circuit;
    const int box = circuit.addNode("box");
    circuit.addDriver(d, box, LumpedCircuit::kOutside, "driver");
    const double fcHz = d.fsHz() * std::sqrt(1.0 + d.vasLitre() / vbLitre);
    circuit.addChamber(box, vbLitre, quotedAt(loss, fcHz), "box");
    return circuit;
}

LumpedCircuit ventedBox(const DriverParams& d, double vbLitre, double fbHz, ChamberLoss loss,
                        double ventResistance) {
    LumpedCircuit circuit;
    const int box = circuit.addNode("box");
    circuit.addDriver(d, box, LumpedCircuit::kOutside, "driver");
    circuit.addChamber(box, vbLitre, quotedAt(loss, fbHz), "box");
    circuit.addVent(box, LumpedCircuit::kOutside, ventMassForTuning(fbHz, vbLitre), ventResistance, "vent");
    return circuit;
}

LumpedCircuit passiveRadiatorBox(const DriverParams& d, double vbLitre, const RadiatorParams& p,
                                 ChamberLoss loss) {
    LumpedCircuit circuit;
    const int box = circuit.addNode("box");
    circuit.addDriver(d, box, LumpedCircuit::kOutside, "driver");
    const double fbHz = p.fpHz() * std::sqrt(1.0 + p.vapLitre() / vbLitre);
    circuit.addChamber(box, vbLitre, quotedAt(loss, fbHz), "box");
    circuit.addRadiator(p, box, LumpedCircuit::kOutside, "radiator");
    return circuit;
}

LumpedCircuit bandPass(const DriverParams& d, double rearLitre, double frontLitre, double fbHz,
                       ChamberLoss rearLoss, ChamberLoss frontLoss) {
    LumpedCircuit circuit;
    const int rear = circuit.addNode("rear");
    const int front = circuit.addNode("front");
    circuit.addDriver(d, rear, front, "driver");
    const double fcHz = d.fsHz() * std::sqrt(1.0 + d.vasLitre() / rearLitre);
    circuit.addChamber(rear, rearLitre, quotedAt(rearLoss, fcHz), "rear");
    circuit.addChamber(front, frontLitre, quotedAt(frontLoss, fbHz), "front");
    circuit.addVent(front, LumpedCircuit::kOutside, ventMassForTuning(fbHz, frontLitre), 0.0, "vent");
    return circuit;
}

LumpedCircuit serialVented(const DriverParams& d, double rearLitre, double frontLitre, double fb1Hz,
                           double fb2Hz, ChamberLoss rearLoss, ChamberLoss frontLoss) {
    LumpedCircuit circuit;
    const int rear = circuit.addNode("rear");
    const int front = circuit.addNode("front");
    circuit.addDriver(d, rear, LumpedCircuit::kOutside, "driver");
    circuit.addChamber(rear, rearLitre, quotedAt(rearLoss, fb1Hz), "rear");
    circuit.addVent(rear, front, ventMassForTuning(fb1Hz, rearLitre), 0.0, "vent1");
    circuit.addChamber(front, frontLitre, quotedAt(frontLoss, fb2Hz), "front");
    circuit.addVent(front, LumpedCircuit::kOutside, ventMassForTuning(fb2Hz, frontLitre), 0.0, "vent2");
    return circuit;
}

}  // namespace quendal::oracle
